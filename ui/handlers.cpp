// What the settings window does when the user works with it.
#include <windows.h>
#include <shellapi.h>

#include "../settings/settings.h"
#include "../wincontrols/controls/operations.h"
#include "../wincontrols/storage/convert.h"
#include "about.h"
#include "formrecord.h"
#include "hotkeycheck.h"

namespace {
constexpr int32_t kMaxBalance = 100;
constexpr size_t kMaxBalanceDigits = 3;

void OpenAddress(const TText& address) {
  ShellExecuteA(nullptr, nullptr, address.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}
}  // namespace

void TFormRecord::BalanceEditChange(TControl*) {
  if (TextToInt(GetText(BalanceEdit)) > kMaxBalance) {
    SetText(BalanceEdit, "100");
    return;
  }
  if (GetText(BalanceEdit).size() > kMaxBalanceDigits) SetText(BalanceEdit, "100");
}

void TFormRecord::OkButtonClick(TControl*) {
  if (ConfirmHotkeys(this) && ApplySettings(this)) PostQuitMessage(0);
}

void TFormRecord::ApplyButtonClick(TControl*) {
  if (ConfirmHotkeys(this)) ApplySettings(this);
}

void TFormRecord::CancelButtonClick(TControl*) { PostQuitMessage(0); }

void TFormRecord::WebLinkClick(TControl*) { OpenAddress(kWebAddress); }

void TFormRecord::MailLinkClick(TControl*) {
  OpenAddress(TText("mailto:") + kMailAddress + "?subject=Vorduna");
}
