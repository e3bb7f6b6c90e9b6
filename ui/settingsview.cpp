// The window as the settings record's view: a record shown in the controls, and collected back.
#include "settingsview.h"

#include "../runtime/benchmarks.h"
#include "../wincontrols/controls/operations.h"
#include "../wincontrols/storage/convert.h"
#include "catalogues.h"
#include "formrecord.h"
#include "texts.h"

bool AutostartAsShown;

namespace {

constexpr int kPrimaryDevice = 0;
constexpr int kPageCount = 5;
constexpr int32_t kLastKeyCode = 254;

// Stored values that no item of the lists stood for; each is saved back as it was while its
// item stays chosen.
int32_t KeptKeyCodes[kHotkeyCount];
int32_t KeptActions[3];  // single, double, middle click

// Shown in its own characters, stored and matched as the ANSI function names it.
void ShowDevice(TFormRecord* r, const TText& stored) {
  DeviceNameList.clear();
  bool matched = false;
  uint32_t count = MixerDeviceCount();
  for (uint32_t id = 0; id < count; ++id) {
    TText name = MixerDeviceName(id);
    AddItem(r->DeviceCombo, MixerDeviceTitle(id));
    DeviceNameList.push_back(TText(name));
    // Exact match; with several equal names the last one wins.
    if (name == stored) {
      SetCurIndex(r->DeviceCombo, static_cast<int>(id) + 1);
      matched = true;
    }
  }
  // A device that is not connected today (a headset unplugged) keeps its setting: it gets an
  // item of its own, and its stored name stands behind it.
  if (!matched && !stored.empty()) {
    DeviceNameList.push_back(TText(stored));
    SetCurIndex(r->DeviceCombo,
                AddItem(r->DeviceCombo, SystemText(stored) + ProgramText(TXT_DeviceNotConnected)));
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
    InsertItem(r->StepCombo, 0, ProgramText(IntToText(steps)));
    SetCurIndex(r->StepCombo, 0);
  }
}

void ShowSkin(TFormRecord* r, const TText& stored, bool inFile) {
  // Entry 0 is already current: the first item added to the empty list.
  for (size_t i = 0; i < SkinList.size(); ++i) {
    if (SkinList[i].FileName == stored) {
      SetCurIndex(r->SkinCombo, static_cast<int>(i));
      return;
    }
  }
  // No name, or the default's: the first entry, as always.
  if (!inFile || stored.empty()) return;
  // The same file by another letter case is its entry, and keeps the stored name; a file that
  // is gone gets an entry and an item of its own. Either way saving writes the stored name.
  int item = SkinIndexOfName(stored);
  if (item < 0) {
    SkinList.push_back(TSkin());
    item = static_cast<int>(SkinList.size()) - 1;
    AddItem(r->SkinCombo, SystemText(stored) + ProgramText(TXT_SkinFileMissing));
  }
  SkinList[item].FileName = stored;
  SetCurIndex(r->SkinCombo, item);
}

// A stored action outside the list leaves no item selected, whether or not the platform's
// combo box clears its selection for an index it does not have. Saving writes it back while
// no action is chosen (a newer tray program may know it); one below 0, which the tray program
// reads as none, goes back as none.
void ShowAction(TControl* combo, int32_t index, int32_t& kept) {
  bool listed = index >= 0 && index < ItemCount(combo);
  kept = index < 0 ? 0 : index;
  SetCurIndex(combo, listed ? index : -1);
}

int32_t ChosenAction(TControl* combo, int32_t kept) {
  int index = GetCurIndex(combo);
  return index >= 0 ? index : kept;
}

// The key by its code; only then its modifiers. Returns what the tray program holds of it.
THotkey ShowHotkey(const THotkeyControls& h, const THotkey& stored, int32_t& kept) {
  kept = 0;
  if (stored.code != 0) {
    for (size_t i = 0; i < KeyCodeList.size(); ++i)
      if (KeyCodeList[i] == stored.code) SetCurIndex(h.combo, static_cast<int>(i) + 1);
    // A key the lists never offer (Shift alone, the punctuation keys) gets an item of its own
    // in this group's list, after the others.
    if (GetCurIndex(h.combo) == 0 && stored.code > 0 && stored.code <= kLastKeyCode) {
      kept = stored.code;
      SetCurIndex(h.combo, AddItem(h.combo, KeyTitle(static_cast<uint32_t>(stored.code))));
    }
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

// What the group's controls choose now; code 0 while its list shows "Нет". kept is the code
// of the item after the listed keys, 0 when there is none.
THotkey ChosenHotkey(const THotkeyControls& h, int32_t kept) {
  THotkey chosen = {0, 0};
  int index = GetCurIndex(h.combo);
  size_t listed = KeyCodeList.size();
  if (index > 0 && static_cast<size_t>(index) <= listed + (kept ? 1 : 0)) {
    if (IsChecked(h.ctrl)) chosen.mods |= kModCtrl;
    if (IsChecked(h.alt)) chosen.mods |= kModAlt;
    if (IsChecked(h.shift)) chosen.mods |= kModShift;
    if (IsChecked(h.win)) chosen.mods |= kModWin;
    chosen.code = static_cast<size_t>(index) <= listed ? KeyCodeList[index - 1] : kept;
  }
  return chosen;
}

}  // namespace

THotkeyGroups HotkeyGroups(TFormRecord* r) {
  return {
      {{r->UpKeyCombo, r->UpCtrlCheck, r->UpAltCheck, r->UpShiftCheck, r->UpWinCheck},
       {r->DownKeyCombo, r->DownCtrlCheck, r->DownAltCheck, r->DownShiftCheck, r->DownWinCheck},
       {r->MuteKeyCombo, r->MuteCtrlCheck, r->MuteAltCheck, r->MuteShiftCheck, r->MuteWinCheck}}};
}

void ShowSettings(TFormRecord* r, const TSettings& s, THotkey (&held)[kHotkeyCount]) {
  ShowDevice(r, s.Device);
  BenchMark("devices");
  SetText(r->BalanceEdit, IntToText(s.Balance));
  ShowSteps(r, s.Steps);
  ShowSkin(r, s.Skin, s.SkinInFile);
  SetChecked(r->BalloonHintCheck, s.BalloonHint);
  SetChecked(r->WheelOverIconCheck, s.Tray);
  SetChecked(r->WheelCtrlCheck, s.Ctrl);
  SetChecked(r->WheelAltCheck, s.Alt);
  SetChecked(r->WheelShiftCheck, s.Shift);
  ShowAction(r->ClickCombo, s.Click, KeptActions[0]);
  ShowAction(r->DClickCombo, s.DClick, KeptActions[1]);
  ShowAction(r->MClickCombo, s.MClick, KeptActions[2]);
  THotkeyGroups groups = HotkeyGroups(r);
  for (int i = 0; i < kHotkeyCount; ++i)
    held[i] = ShowHotkey(groups[i], s.Hotkeys[i], KeptKeyCodes[i]);
  // Out of range: the page the window builder selected stays (the tab control would
  // otherwise drop its selection for a negative index and show no page at all).
  if (s.TabIndex >= 0 && s.TabIndex < kPageCount) SetCurIndex(r->SettingsTabs, s.TabIndex);
  if (s.Autostart) SetChecked(r->AutostartCheck, true);
  AutostartAsShown = s.Autostart;
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
  s.Click = ChosenAction(r->ClickCombo, KeptActions[0]);
  s.DClick = ChosenAction(r->DClickCombo, KeptActions[1]);
  s.MClick = ChosenAction(r->MClickCombo, KeptActions[2]);
  THotkeyGroups groups = HotkeyGroups(r);
  for (int i = 0; i < kHotkeyCount; ++i) s.Hotkeys[i] = ChosenHotkey(groups[i], KeptKeyCodes[i]);
  s.TabIndex = GetCurIndex(r->SettingsTabs);
  s.Autostart = IsChecked(r->AutostartCheck);
  return s;
}
