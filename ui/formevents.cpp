// What the settings window does when the user works with it.
#include <windows.h>
#include <commctrl.h>

#include "../runtime/library.h"
#include "../settings/elevatedsave.h"
#include "../settings/settings.h"
#include "../wincontrols/controls/messagebox.h"
#include "../wincontrols/controls/operations.h"
#include "../wincontrols/storage/convert.h"
#include "../wincontrols/storage/inifile.h"
#include "about.h"
#include "formrecord.h"
#include "hotkeycheck.h"
#include "settingsview.h"
#include "texts.h"

namespace {

typedef HINSTANCE(WINAPI* TShellExecute)(HWND, LPCSTR, LPCSTR, LPCSTR, LPCSTR, INT);

// The shell library comes in with the first link click: loading it (and all it brings) at
// start-up would cost every run of the program, and most never open a link. The shell may hand
// the address to a handler that it starts through COM (the mail apps of current Windows are
// such), so COM is set up on this thread first, once, as the shell asks of its callers.
void OpenAddress(const TText& address) {
  UseCom();
  auto execute = LookUpFunction<TShellExecute>(LoadSystemLibrary("shell32.dll"), "ShellExecuteA");
  if (execute) execute(nullptr, nullptr, address.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}
// What went wrong with the file, in the system's own words (and the user's language).
TWideText FileFailureReason(const TWriteResult& written) {
  TWideText why = ProgramText(TXT_SaveNotVerified);
  wchar_t* text = nullptr;
  if (written.error != kErrNotVerified &&
      FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_ALLOCATE_BUFFER |
                         FORMAT_MESSAGE_IGNORE_INSERTS,
                     nullptr, written.error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr)) {
    why = WideOf(text);
    LocalFree(text);
  }
  return written.untouched ? why + ProgramText(TXT_SaveFileUntouched) : why;
}

TWideText FileFailure(const TWriteResult& file) {
  return ProgramText(TXT_SaveFileFailed) + SystemText(SettingsFilePath()) + ProgramText("\r\n") +
         FileFailureReason(file);
}

void ReportSaveFailure(TFormRecord* r, const TWriteResult* file, bool autostartFailed) {
  TWideText text;
  if (file) text = FileFailure(*file);
  if (autostartFailed) text += ProgramText(TXT_SaveAutostartFailed);
  text += ProgramText(TXT_SaveWindowStaysOpen);
  ShowMessageBox(r->SettingsForm, text, kWindowCaption, MB_OK | MB_ICONERROR);
}

// OK and Apply carry the shield: saving goes to a copy with administrator rights.
bool ShieldShown;

// The file saved here, or by a copy with administrator rights where only they may write it:
// at once where that was foreseen, else when writing was refused and the user agrees.
// ERROR_CANCELLED where the user chose not to save.
TWriteResult SaveFile(TFormRecord* r, const TSettings& settings) {
  if (!ShieldShown) {
    TText path = SettingsFilePath();
    TWriteResult file = WriteSettings(path, settings);
    if (!AdministratorWouldHelp(path, file.error)) return file;
    if (ShowMessageBox(r->SettingsForm, FileFailure(file) + ProgramText(TXT_AskAdministrator),
                       kWindowCaption, MB_YESNO | MB_ICONWARNING) != IDYES)
      return {ERROR_CANCELLED, true};
  }
  TWriteResult file = SaveAsAdministrator(r->SettingsForm->fHandle, settings);
  if (file.error == ERROR_CANCELLED)
    ShowMessageBox(r->SettingsForm,
                   ProgramText(TXT_AdministratorRefused) + ProgramText(TXT_SaveWindowStaysOpen),
                   kWindowCaption, MB_OK | MB_ICONWARNING);
  else if (!file.error) RequireAdministrator(r);  // the next save goes there at once
  return file;
}

// What the window shows goes into the file and the Run value. The tray program is told only
// when the file was replaced: otherwise it would reload what it already has. True when
// everything was written.
bool ApplySettings(TFormRecord* r) {
  TSettings settings = CollectSettings(r);
  if (!ConfirmHotkeys(r, settings)) return false;
  TWriteResult file = SaveFile(r, settings);
  if (file.error == ERROR_CANCELLED) return false;  // nothing saved, the Run value neither
  if (!file.error) HoldHotkeys(settings.Hotkeys);   // reloaded
  // The Run value is another copy's, or the user's own, until the user changes the box.
  bool autostartFailed = false;
  if (settings.Autostart != AutostartAsShown) {
    autostartFailed = !WriteAutostart(settings.Autostart);
    if (!autostartFailed) AutostartAsShown = settings.Autostart;
  }
  if (!file.error) SendReloadNotice();
  if (file.error || autostartFailed)
    ReportSaveFailure(r, file.error ? &file : nullptr, autostartFailed);
  return !file.error && !autostartFailed;
}

}  // namespace

void RequireAdministrator(TFormRecord* r) {
  ShieldShown = true;
  for (TControl* button : {r->OkButton, r->ApplyButton}) SetShield(button);
}

void TFormRecord::BalanceEditChange(TControl*) {
  // Above the limit, or longer than it (leading zeros): the limit.
  TText limit = IntToText(kMaxBalance);
  const TText& text = GetText(BalanceEdit);
  if (TextToInt(text) > kMaxBalance || text.size() > limit.size()) SetText(BalanceEdit, limit);
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
