// What the settings window does when the user works with it.
#include <windows.h>
#include <shellapi.h>

#include "../app/startup.h"
#include "../settings/settings.h"
#include "../wincontrols/controls/operations.h"
#include "../wincontrols/storage/convert.h"
#include "about.h"
#include "formrecord.h"

namespace {
constexpr int32_t kMaxBalance = 100;
constexpr size_t kMaxBalanceDigits = 3;

// The shell library is big and only the two links need it: it is loaded on their first click,
// not at every start.
void OpenAddress(const TText& address) {
  typedef HINSTANCE(WINAPI * TShellExecute)(HWND, LPCSTR, LPCSTR, LPCSTR, LPCSTR, INT);
  static TShellExecute shellExecute = nullptr;
  if (!shellExecute) {
    HMODULE shell = LoadLibraryA("shell32.dll");
    if (shell)
      shellExecute = reinterpret_cast<TShellExecute>(
          reinterpret_cast<void*>(GetProcAddress(shell, "ShellExecuteA")));
  }
  if (shellExecute) shellExecute(nullptr, nullptr, address.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
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
  if (ApplySettings(this)) PostQuitMessage(0);
}

void TFormRecord::ApplyButtonClick(TControl*) { ApplySettings(this); }

void TFormRecord::CancelButtonClick(TControl*) { PostQuitMessage(0); }

void TFormRecord::WebLinkClick(TControl*) { OpenAddress(kWebAddress); }

void TFormRecord::MailLinkClick(TControl*) {
  OpenAddress(TText("mailto:") + kMailAddress + "?subject=Vorduna");
}
