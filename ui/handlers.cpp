// What the settings window does when the user works with it.
#include <windows.h>

#include "../settings/settings.h"
#include "../wincontrols/controls/operations.h"
#include "../wincontrols/storage/convert.h"
#include "about.h"
#include "formrecord.h"
#include "hotkeycheck.h"

namespace {
constexpr int32_t kMaxBalance = 100;
constexpr size_t kMaxBalanceDigits = 3;

typedef HINSTANCE(WINAPI* TShellExecute)(HWND, LPCSTR, LPCSTR, LPCSTR, LPCSTR, INT);

// The shell library comes in with the first link click: loading it (and all it brings) at
// start-up would cost every run of the program, and most never open a link.
void OpenAddress(const TText& address) {
  char path[MAX_PATH + 16];
  UINT n = GetSystemDirectoryA(path, MAX_PATH);
  if (n == 0 || n >= MAX_PATH) return;
  lstrcatA(path, "\\shell32.dll");  // from the system folder only, never beside the program
  HMODULE shell = LoadLibraryA(path);
  auto execute = reinterpret_cast<TShellExecute>(
      reinterpret_cast<void*>(GetProcAddress(shell, "ShellExecuteA")));
  if (execute) execute(nullptr, nullptr, address.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
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
