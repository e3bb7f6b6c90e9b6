#include "settingsview.h"

#include "../runtime/benchmarks.h"
#include "../wincontrols/controls/operations.h"
#include "../wincontrols/storage/convert.h"
#include "catalogues.h"
#include "formrecord.h"

namespace {

constexpr int kPrimaryDevice = 0;
constexpr int kPageCount = 5;

// Shown in its own characters, stored and matched as the ANSI function names it.
void ShowDevice(TFormRecord* r, const TText& stored) {
  DeviceNameList.clear();
  uint32_t count = MixerDeviceCount();
  for (uint32_t id = 0; id < count; ++id) {
    TText name = MixerDeviceName(id);
    AddItem(r->DeviceCombo, MixerDeviceTitle(id));
    DeviceNameList.push_back(TText(name));
    // Exact match; with several equal names the last one wins.
    if (name == stored) SetCurIndex(r->DeviceCombo, static_cast<int>(id) + 1);
  }
}

// The item whose leading number is the value; else a new first item of the value alone.
void ShowSteps(TFormRecord* r, int32_t steps) {
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

void ShowSkin(TFormRecord* r, const TText& stored) {
  // Entry 0 is already current: the first item added to the empty list.
  for (size_t i = 1; i < SkinList.size(); ++i)
    if (SkinList[i].FileName == stored) SetCurIndex(r->SkinCombo, static_cast<int>(i));
}

// A stored action outside the list leaves no item selected (saved back as -1), whether or
// not the platform's combo box clears its selection for an index it does not have.
void ShowAction(TControl* combo, int32_t index) {
  SetCurIndex(combo, index >= 0 && index < ItemCount(combo) ? index : -1);
}

// The key by its code; only then its modifiers. Returns what the tray program holds of it.
THotkey ShowHotkey(const THotkeyControls& h, const THotkey& stored) {
  if (stored.code != 0) {
    for (size_t i = 0; i < KeyCodeList.size(); ++i)
      if (KeyCodeList[i] == stored.code) SetCurIndex(h.combo, static_cast<int>(i) + 1);
  }
  if (GetCurIndex(h.combo) == 0) return THotkey{0, 0};  // "Нет": the modifiers stay clear
  if (stored.mods & kModCtrl) SetChecked(h.ctrl, true);
  if (stored.mods & kModAlt) SetChecked(h.alt, true);
  if (stored.mods & kModShift) SetChecked(h.shift, true);
  if (stored.mods & kModWin) SetChecked(h.win, true);
  return THotkey{stored.code, stored.mods & (kModAlt | kModCtrl | kModShift | kModWin)};
}

TText SelectedDevice(TFormRecord* r) {
  int index = GetCurIndex(r->DeviceCombo);
  if (index <= kPrimaryDevice || static_cast<size_t>(index) > DeviceNameList.size()) return TText();
  return DeviceNameList[index - 1];
}

TText SelectedSkinFile(TFormRecord* r) {
  int index = GetCurIndex(r->SkinCombo);
  if (index < 0 || static_cast<size_t>(index) >= SkinList.size()) return TText();
  return SkinList[index].FileName;
}

}  // namespace

THotkeyGroups HotkeyGroups(TFormRecord* r) {
  return {{{r->UpKeyCombo, r->UpCtrlCheck, r->UpAltCheck, r->UpShiftCheck, r->UpWinCheck},
           {r->DownKeyCombo, r->DownCtrlCheck, r->DownAltCheck, r->DownShiftCheck, r->DownWinCheck},
           {r->MuteKeyCombo, r->MuteCtrlCheck, r->MuteAltCheck, r->MuteShiftCheck, r->MuteWinCheck}}};
}

THotkey ChosenHotkey(const THotkeyControls& h) {
  THotkey chosen = {0, 0};
  int index = GetCurIndex(h.combo);
  if (index > 0 && static_cast<size_t>(index) <= KeyCodeList.size()) {
    if (IsChecked(h.ctrl)) chosen.mods |= kModCtrl;
    if (IsChecked(h.alt)) chosen.mods |= kModAlt;
    if (IsChecked(h.shift)) chosen.mods |= kModShift;
    if (IsChecked(h.win)) chosen.mods |= kModWin;
    chosen.code = KeyCodeList[index - 1];
  }
  return chosen;
}

void ShowSettings(TFormRecord* r, const TSettings& s, THotkey (&held)[kHotkeyCount]) {
  ShowDevice(r, s.Device);
  BenchMark("devices");
  SetText(r->BalanceEdit, IntToText(s.Balance));
  ShowSteps(r, s.Steps);
  ShowSkin(r, s.Skin);
  SetChecked(r->BalloonHintCheck, s.BalloonHint);
  SetChecked(r->WheelOverIconCheck, s.Tray);
  SetChecked(r->WheelCtrlCheck, s.Ctrl);
  SetChecked(r->WheelAltCheck, s.Alt);
  SetChecked(r->WheelShiftCheck, s.Shift);
  ShowAction(r->ClickCombo, s.Click);
  ShowAction(r->DClickCombo, s.DClick);
  ShowAction(r->MClickCombo, s.MClick);
  THotkeyGroups groups = HotkeyGroups(r);
  for (int i = 0; i < kHotkeyCount; ++i) held[i] = ShowHotkey(groups[i], s.Hotkeys[i]);
  // Out of range: the page the window builder selected stays (the tab control would
  // otherwise drop its selection for a negative index and show no page at all).
  if (s.TabIndex >= 0 && s.TabIndex < kPageCount) SetCurIndex(r->SettingsTabs, s.TabIndex);
  if (s.Autostart) SetChecked(r->AutostartCheck, true);
}

TSettings CollectSettings(TFormRecord* r) {
  TSettings s;
  s.Device = SelectedDevice(r);
  s.Balance = TextToInt(GetText(r->BalanceEdit));
  s.Steps = TextToInt(GetText(r->StepCombo));
  s.Skin = SelectedSkinFile(r);
  s.BalloonHint = IsChecked(r->BalloonHintCheck);
  s.Tray = IsChecked(r->WheelOverIconCheck);
  s.Ctrl = IsChecked(r->WheelCtrlCheck);
  s.Alt = IsChecked(r->WheelAltCheck);
  s.Shift = IsChecked(r->WheelShiftCheck);
  s.Click = GetCurIndex(r->ClickCombo);
  s.DClick = GetCurIndex(r->DClickCombo);
  s.MClick = GetCurIndex(r->MClickCombo);
  THotkeyGroups groups = HotkeyGroups(r);
  for (int i = 0; i < kHotkeyCount; ++i) s.Hotkeys[i] = ChosenHotkey(groups[i]);
  s.TabIndex = GetCurIndex(r->SettingsTabs);
  s.Autostart = IsChecked(r->AutostartCheck);
  return s;
}
