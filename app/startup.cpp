// The program's life: the start-up preparation that the window builder runs, the loop, and
// what is released at the end.
#include "startup.h"

#include <cwchar>

#include "../runtime/benchmarks.h"
#include "../runtime/runtime_error.h"
#include "../settings/elevatedsave.h"
#include "../settings/settings.h"
#include "../ui/catalogues.h"
#include "../ui/formrecord.h"
#include "../ui/hotkeycheck.h"
#include "../ui/settingsview.h"
#include "../wincontrols/controls/constructors.h"
#include "../wincontrols/controls/messagebox.h"
#include "../wincontrols/dispatch/messageloop.h"
#include "../wincontrols/storage/convert.h"
#include "texts.h"

namespace {
constexpr char kMutexName[] = "VConfigMutex";

// Without a short name the files beside the program are out of the ANSI functions' reach.
void ReportUnreachableFolder() {
  TWideText text =
      ProgramText(TXT_FolderBefore) + ProgramFolderName() + ProgramText(TXT_FolderAfter);
  ShowMessageBox(nullptr, text, kWindowCaption, MB_OK | MB_ICONWARNING);
}

// Without its windows the program has nothing to work with: it ends as on any fatal fault,
// having written nothing, instead of waiting for ever with no window to close.
void EndOnRefusedWindow(TControl*) { RuntimeError(kErrOtherFatal); }

// The path that follows the elevated save's switch in the one argument of an elevated copy
// ("/elevated-save:C:\...\vcf1A.tmp", quoted as a whole); empty in a copy the user started.
TWideText TransferArgument() {
  // The switch, quoted or not: no path to the program holds it (no colon but the drive's).
  const wchar_t* p = wcsstr(GetCommandLineW(), kElevatedSaveArgument + 1);
  if (!p) return TWideText();
  const wchar_t* path = p += lstrlenW(kElevatedSaveArgument + 1);
  while (*p && *p != L'"') ++p;
  return TWideText(path, static_cast<size_t>(p - path));
}

void StartupPreparation(TFormRecord* r) {
  LoadConfigMessage = RegisterWindowMessageA("WM_LOADCONFIG");
  AddAllKeys(r);
  BenchMark("keys");
  bool spelled = true;
  TText folder = ProgramFolder(&spelled);
  if (!spelled) ReportUnreachableFolder();
  EnumerateSkins(folder);
  AddSkinItems(r);
  BenchMark("skins");
  AddTrayActions(r);
  TSettings settings = ReadSettings(SettingsFilePath());
  settings.Autostart = ReadAutostart();
  THotkey held[kHotkeyCount];
  ShowSettings(r, settings, held);
  HoldHotkeys(held);
  // A folder that only administrators may write: OK and Apply carry the shield.
  TText path = SettingsFilePath();
  if (AdministratorWouldHelp(path, TryWriting(path))) RequireAdministrator(r);
  BenchMark("settings");
}

}  // namespace

void BuildSettingsWindow(TFormRecord*& record, TControl* parent) {
  BuildSettingsWindow(record, parent, StartupPreparation);
}

int RunProgram() {
  InstallRuntimeErrorHandlers();
  // A copy started by another one to save where only administrators may write: no window, no
  // box, no mutex; its exit code tells the other copy how it went.
  TWideText transfer = TransferArgument();
  if (!transfer.empty()) return static_cast<int>(SaveTransferredSettings(transfer));
  // Created once and tested by its result: two copies started together cannot both be first.
  // The handle stays open for the life of the process. A second copy shows no window: it
  // brings the first one's forward, where the focus goes back to its control, and ends.
  HANDLE mutex = CreateMutexA(nullptr, FALSE, kMutexName);
  if (mutex && GetLastError() == ERROR_ALREADY_EXISTS) {
    if (HWND running = FindFormWindow(kWindowCaption)) SetForegroundWindow(running);
    return 0;
  }
  // The window floor cannot know that this program is nothing without its window.
  WindowRefusedHook = EndOnRefusedWindow;
  BuildSettingsWindow(FormRecord, nullptr);
  TControl* window = FormRecord->SettingsForm;
  Run(window);
  FormRecord = nullptr;  // released with the window
  KeyCodeList.clear();
  SkinList.clear();
  DeviceNameList.clear();
  return 0;
}
