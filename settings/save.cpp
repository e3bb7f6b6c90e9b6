// Saving: every control back into the settings file in a fixed order, then the autostart.
#include "../ui/catalogues.h"
#include "../ui/formrecord.h"
#include "../wincontrols/controls/operations.h"
#include "../wincontrols/storage/convert.h"
#include "../wincontrols/storage/inifile.h"
#include "../wincontrols/storage/registry.h"
#include "hotkeys.h"
#include "settings.h"

unsigned LoadConfigMessage = 0;

namespace {

constexpr UINT kNoticeTimeoutMs = 5000;
constexpr int kPrimaryDevice = 0;

TText SelectedSkinFile(TFormRecord* r) {
  int index = GetCurIndex(r->SkinCombo);
  if (index < 0 || static_cast<size_t>(index) >= SkinList.size()) return TText();
  return SkinList[index].FileName;
}

bool RegValueExists(HKEY key, const char* name) {
  return RegQueryValueExA(key, name, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}

bool SaveAutostart(TFormRecord* r) {
  HKEY key = OpenKeyForWrite(HKEY_CURRENT_USER, kRunKeyPath);
  bool ok;
  if (IsChecked(r->AutostartCheck)) {
    ok = WriteRegString(key, kRunValueWritten, AutostartCommand());
  } else {
    // A value that was not there is not a failure.
    ok = DeleteRegValue(key, kTrayProgram) || !key || !RegValueExists(key, kTrayProgram);
  }
  CloseRegKey(key);
  return ok;
}

}  // namespace

unsigned SaveSettings(TFormRecord* r) {
  SettingsIni = NewIniFile(SettingsFilePath());
  SettingsIni->Writing = true;
  SettingsIni->Section = "General";
  ExchangeStr(SettingsIni, "Device",
              GetCurIndex(r->DeviceCombo) != kPrimaryDevice ? GetText(r->DeviceCombo) : TText());
  ExchangeInt(SettingsIni, "Balance", TextToInt(GetText(r->BalanceEdit)));
  ExchangeInt(SettingsIni, "Steps", TextToInt(GetText(r->StepCombo)));

  SettingsIni->Section = "View";
  ExchangeStr(SettingsIni, "Skin", SelectedSkinFile(r));
  ExchangeBool(SettingsIni, "BalloonHint", IsChecked(r->BalloonHintCheck));

  SettingsIni->Section = "Mouse";
  ExchangeBool(SettingsIni, "Tray", IsChecked(r->WheelOverIconCheck));
  ExchangeBool(SettingsIni, "Ctrl", IsChecked(r->WheelCtrlCheck));
  ExchangeBool(SettingsIni, "Alt", IsChecked(r->WheelAltCheck));
  ExchangeBool(SettingsIni, "Shift", IsChecked(r->WheelShiftCheck));
  ExchangeInt(SettingsIni, "Click", GetCurIndex(r->ClickCombo));
  ExchangeInt(SettingsIni, "DClick", GetCurIndex(r->DClickCombo));
  ExchangeInt(SettingsIni, "MClick", GetCurIndex(r->MClickCombo));

  SettingsIni->Section = "HotKeys";
  THotkey saved[kHotkeyCount];
  THotkeyGroups groups = HotkeyGroups(r);
  for (int i = 0; i < kHotkeyCount; ++i) saved[i] = SaveHotkey(groups[i]);

  SettingsIni->Section = "Config";
  ExchangeInt(SettingsIni, "TabIndex", GetCurIndex(r->SettingsTabs));

  unsigned result = SettingsIni->WriteFailures ? kSaveFileFailed : kSaveOk;
  if (result == kSaveOk)  // the tray program reloads these
    for (int i = 0; i < kHotkeyCount; ++i) HeldHotkeys[i] = saved[i];
  Release(SettingsIni);
  SettingsIni = nullptr;
  if (!SaveAutostart(r)) result |= kSaveAutostartFailed;
  return result;
}

void SendReloadNotice() {
  DWORD_PTR answer = 0;
  SendMessageTimeoutA(HWND_BROADCAST, LoadConfigMessage, 0, 0, SMTO_ABORTIFHUNG | SMTO_NORMAL,
                      kNoticeTimeoutMs, &answer);
}

static void ReportSaveFailure(TFormRecord* r, unsigned failure) {
  TText text;
  if (failure & kSaveFileFailed)
    text += "Не удалось записать настройки в файл\r\n" + SettingsFilePath() +
            "\r\nПроверьте, что файл и его папка доступны для записи.\r\n";
  if (failure & kSaveAutostartFailed)
    text += "Не удалось изменить автозагрузку программы в реестре.\r\n";
  text += "Окно остаётся открытым, чтобы изменения не пропали.";
  MessageBoxA(r->SettingsForm->fHandle, text.c_str(), "Vorduna: Настройки", MB_OK | MB_ICONERROR);
}

bool ApplySettings(TFormRecord* r) {
  unsigned failure = SaveSettings(r);
  SendReloadNotice();
  if (failure != kSaveOk) ReportSaveFailure(r, failure);
  return failure == kSaveOk;
}
