#include "hotkeys.h"

#include "../ui/catalogues.h"
#include "../ui/formrecord.h"
#include "../wincontrols/controls/operations.h"
#include "../wincontrols/storage/inifile.h"
#include "settings.h"

THotkey HeldHotkeys[kHotkeyCount];

THotkeyGroups HotkeyGroups(TFormRecord* r) {
  return {{{"UpKey", "UpMod", r->UpKeyCombo, r->UpCtrlCheck, r->UpAltCheck, r->UpShiftCheck,
            r->UpWinCheck},
           {"DownKey", "DownMod", r->DownKeyCombo, r->DownCtrlCheck, r->DownAltCheck,
            r->DownShiftCheck, r->DownWinCheck},
           {"MuteKey", "MuteMod", r->MuteKeyCombo, r->MuteCtrlCheck, r->MuteAltCheck,
            r->MuteShiftCheck, r->MuteWinCheck}}};
}

THotkey LoadHotkey(const THotkeyControls& h) {
  int32_t code = ExchangeInt(SettingsIni, h.keyName, 0);
  if (code != 0) {
    for (size_t i = 0; i < KeyCodeList.size(); ++i)
      if (KeyCodeList[i] == code) SetCurIndex(h.combo, static_cast<int>(i) + 1);
  }
  if (GetCurIndex(h.combo) == 0) return THotkey{0, 0};  // "Нет": the modifiers are not read
  int32_t mods = ExchangeInt(SettingsIni, h.modName, 0);
  if (mods & kModCtrl) SetChecked(h.ctrl, true);
  if (mods & kModAlt) SetChecked(h.alt, true);
  if (mods & kModShift) SetChecked(h.shift, true);
  if (mods & kModWin) SetChecked(h.win, true);
  return THotkey{static_cast<uint16_t>(code), mods & (kModAlt | kModCtrl | kModShift | kModWin)};
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

THotkey SaveHotkey(const THotkeyControls& h) {
  THotkey chosen = ChosenHotkey(h);
  ExchangeInt(SettingsIni, h.keyName, chosen.code);
  ExchangeInt(SettingsIni, h.modName, chosen.mods);
  return chosen;
}

TText HotkeyText(const THotkeyControls& h) {
  THotkey chosen = ChosenHotkey(h);
  TText text;
  if (chosen.mods & kModCtrl) text += "Ctrl+";
  if (chosen.mods & kModAlt) text += "Alt+";
  if (chosen.mods & kModShift) text += "Shift+";
  if (chosen.mods & kModWin) text += "Win+";
  return text + GetItemText(h.combo, GetCurIndex(h.combo));
}
