// What the settings window does when the user works with it.
#include <windows.h>
#include <objbase.h>

#include "../runtime/library.h"
#include "../settings/settings.h"
#include "../wincontrols/controls/operations.h"
#include "../wincontrols/storage/convert.h"
#include "about.h"
#include "formrecord.h"
#include "hotkeycheck.h"
#include "settingsview.h"

namespace {
constexpr int32_t kMaxBalance = 100;
constexpr size_t kMaxBalanceDigits = 3;

typedef HINSTANCE(WINAPI* TShellExecute)(HWND, LPCSTR, LPCSTR, LPCSTR, LPCSTR, INT);
typedef HRESULT(WINAPI* TCoInitializeEx)(void*, DWORD);

// The shell library comes in with the first link click: loading it (and all it brings) at
// start-up would cost every run of the program, and most never open a link. The shell may hand
// the address to a handler that it starts through COM (the mail apps of current Windows are
// such), so COM is set up on this thread first, once, as the shell asks of its callers.
void OpenAddress(const TText& address) {
  static bool comReady;
  if (!comReady) {
    comReady = true;
    auto init = LookUpFunction<TCoInitializeEx>(LoadSystemLibrary("ole32.dll"), "CoInitializeEx");
    if (init) init(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
  }
  auto execute = LookUpFunction<TShellExecute>(LoadSystemLibrary("shell32.dll"), "ShellExecuteA");
  if (execute) execute(nullptr, nullptr, address.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}
constexpr unsigned kFileFailed = 1, kAutostartFailed = 2;

void ReportSaveFailure(TFormRecord* r, unsigned failure) {
  TText text;
  if (failure & kFileFailed)
    text += "Не удалось записать настройки в файл\r\n" + SettingsFilePath() +
            "\r\nПроверьте, что файл и его папка доступны для записи.\r\n";
  if (failure & kAutostartFailed) text += "Не удалось изменить автозагрузку программы в реестре.\r\n";
  text += "Окно остаётся открытым, чтобы изменения не пропали.";
  MessageBoxA(r->SettingsForm->fHandle, text.c_str(), "Vorduna: Настройки", MB_OK | MB_ICONERROR);
}

// What the window shows goes into the file and the Run value, then the tray program is told,
// also when not all of it could be written. True when everything was.
bool ApplySettings(TFormRecord* r) {
  TSettings settings = CollectSettings(r);
  if (!ConfirmHotkeys(r, settings)) return false;
  unsigned failure = 0;
  if (WriteSettings(SettingsFilePath(), settings)) HoldHotkeys(settings.Hotkeys);  // reloaded
  else failure |= kFileFailed;
  if (!WriteAutostart(settings.Autostart)) failure |= kAutostartFailed;
  SendReloadNotice();
  if (failure) ReportSaveFailure(r, failure);
  return failure == 0;
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
