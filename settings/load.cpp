// Loading: every value from the settings file and the registry into its control.
#include "../runtime/benchmarks.h"
#include "../ui/catalogues.h"
#include "../ui/formrecord.h"
#include "../wincontrols/controls/operations.h"
#include "../wincontrols/storage/convert.h"
#include "../wincontrols/storage/inifile.h"
#include "../wincontrols/storage/registry.h"
#include "hotkeys.h"
#include "settings.h"

TIniFile* SettingsIni = nullptr;

TText SettingsFilePath() { return ProgramFolder() + kSettingsFileName; }
TText AutostartCommand() { return ProgramFolder() + kTrayProgram; }

namespace {

constexpr int kPageCount = 5;

void LoadDevice(TFormRecord* r) {
  TText stored = ExchangeStr(SettingsIni, "Device", TText());
  uint32_t count = MixerDeviceCount();
  for (uint32_t id = 0; id < count; ++id) {
    TText name = MixerDeviceName(id);
    AddItem(r->DeviceCombo, name);
    // Exact match; with several equal names the last one wins.
    if (name == stored) SetCurIndex(r->DeviceCombo, static_cast<int>(id) + 1);
  }
}

void LoadSteps(TFormRecord* r) {
  int32_t steps = ExchangeInt(SettingsIni, "Steps", 5000) & 0xFFFF;
  bool matched = false;
  int count = ItemCount(r->StepCombo);
  for (int i = 0; i < count; ++i) {
    if (TextToInt(GetItemText(r->StepCombo, i)) == steps) {
      SetCurIndex(r->StepCombo, i);
      matched = true;
    }
  }
  if (!matched) {
    InsertItem(r->StepCombo, 0, IntToText(steps));
    SetCurIndex(r->StepCombo, 0);
  }
}

void LoadSkin(TFormRecord* r) {
  TText stored = ExchangeStr(SettingsIni, "Skin", "Classic.vsk");
  // Entry 0 is already current: the first item added to the empty list.
  for (size_t i = 1; i < SkinList.size(); ++i)
    if (SkinList[i].FileName == stored) SetCurIndex(r->SkinCombo, static_cast<int>(i));
}

// A stored action outside the list leaves no item selected (saved back as -1), whether or
// not the platform's combo box clears its selection for an index it does not have.
void SelectAction(TControl* combo, int32_t index) {
  SetCurIndex(combo, index >= 0 && index < ItemCount(combo) ? index : -1);
}

void LoadAutostart(TFormRecord* r) {
  HKEY key = OpenKeyForRead(HKEY_CURRENT_USER, kRunKeyPath);
  TText value = ReadRegString(key, kTrayProgram);
  if (CompareTextNoCase(value, AutostartCommand()) == 0) SetChecked(r->AutostartCheck, true);
  CloseRegKey(key);
}

}  // namespace

void LoadSettings(TFormRecord* r) {
  SettingsIni = NewIniFile(SettingsFilePath());
  SettingsIni->Section = "General";
  LoadDevice(r);
  BenchMark("devices");
  SetText(r->BalanceEdit, IntToText(ExchangeInt(SettingsIni, "Balance", 50)));
  LoadSteps(r);

  SettingsIni->Section = "View";
  LoadSkin(r);
  SetChecked(r->BalloonHintCheck, ExchangeBool(SettingsIni, "BalloonHint", false));

  SettingsIni->Section = "Mouse";
  SetChecked(r->WheelOverIconCheck, ExchangeBool(SettingsIni, "Tray", true));
  SetChecked(r->WheelCtrlCheck, ExchangeBool(SettingsIni, "Ctrl", false));
  SetChecked(r->WheelAltCheck, ExchangeBool(SettingsIni, "Alt", false));
  SetChecked(r->WheelShiftCheck, ExchangeBool(SettingsIni, "Shift", false));
  SelectAction(r->ClickCombo, ExchangeInt(SettingsIni, "Click", 1));
  SelectAction(r->DClickCombo, ExchangeInt(SettingsIni, "DClick", 2));
  SelectAction(r->MClickCombo, ExchangeInt(SettingsIni, "MClick", 3));

  SettingsIni->Section = "Hotkeys";
  THotkeyGroups groups = HotkeyGroups(r);
  for (int i = 0; i < kHotkeyCount; ++i) HeldHotkeys[i] = LoadHotkey(groups[i]);

  SettingsIni->Section = "Config";
  int32_t page = ExchangeInt(SettingsIni, "TabIndex", 0);
  // Out of range: the page the window builder selected stays (the tab control would
  // otherwise drop its selection for a negative index and show no page at all).
  if (page >= 0 && page < kPageCount) SetCurIndex(r->SettingsTabs, page);

  Release(SettingsIni);
  SettingsIni = nullptr;
  LoadAutostart(r);
}
