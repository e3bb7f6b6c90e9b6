#include "startup.h"

#include "../settings/settings.h"
#include "../ui/catalogues.h"
#include "../ui/formrecord.h"
#include "../ui/hotkeycheck.h"
#include "../ui/settingsview.h"
#include "../wincontrols/dispatch/messageloop.h"
#include "../wincontrols/storage/convert.h"
#include "../runtime/benchmarks.h"
#include "../runtime/runtime_error.h"

namespace {
constexpr char kMutexName[] = "VConfigMutex";
}

void StartupPreparation(TFormRecord* r) {
  // Created once and tested by its result: two copies started together cannot both be first.
  // The handle stays open for the life of the process.
  HANDLE mutex = CreateMutexA(nullptr, FALSE, kMutexName);
  if (mutex && GetLastError() == ERROR_ALREADY_EXISTS) PostQuitMessage(0);
  LoadConfigMessage = RegisterWindowMessageA("WM_LOADCONFIG");
  AddAllKeys(r);
  BenchMark("keys");
  EnumerateSkins(ProgramFolder());
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

void BuildSettingsWindow(TFormRecord*& record, TControl* parent) {
  BuildSettingsWindow(record, parent, StartupPreparation);
}

int RunProgram() {
  InstallRuntimeErrorHandlers();
  BuildSettingsWindow(FormRecord, nullptr);
  TControl* window = FormRecord->SettingsForm;
  Run(window);
  FormRecord = nullptr;  // released with the window
  KeyCodeList.clear();
  SkinList.clear();
  return 0;
}
