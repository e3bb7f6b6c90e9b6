// The program's life: the start-up preparation that the window builder runs, the loop, and
// what is released at the end.
#include "startup.h"

#include "../runtime/benchmarks.h"
#include "../runtime/runtime_error.h"
#include "../settings/settings.h"
#include "../ui/catalogues.h"
#include "../ui/formrecord.h"
#include "../ui/hotkeycheck.h"
#include "../ui/settingsview.h"
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

void StartupPreparation(TFormRecord* r) {
  // Created once and tested by its result: two copies started together cannot both be first.
  // The handle stays open for the life of the process.
  HANDLE mutex = CreateMutexA(nullptr, FALSE, kMutexName);
  if (mutex && GetLastError() == ERROR_ALREADY_EXISTS) PostQuitMessage(0);
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
  BenchMark("settings");
}

}  // namespace

void BuildSettingsWindow(TFormRecord*& record, TControl* parent) {
  BuildSettingsWindow(record, parent, StartupPreparation);
}

int RunProgram() {
  InstallRuntimeErrorHandlers();
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
