#include "hotkeys.h"

#include "../ui/catalogues.h"
#include "../ui/formrecord.h"
#include "../wincontrols/controls/operations.h"
#include "../wincontrols/storage/inifile.h"
#include "settings.h"

std::array<THotkeyControls, 3> HotkeyGroups(TFormRecord* r) {
  return {{{"UpKey", "UpMod", r->UpKeyCombo, r->UpCtrlCheck, r->UpAltCheck, r->UpShiftCheck,
            r->UpWinCheck},
           {"DownKey", "DownMod", r->DownKeyCombo, r->DownCtrlCheck, r->DownAltCheck,
            r->DownShiftCheck, r->DownWinCheck},
           {"MuteKey", "MuteMod", r->MuteKeyCombo, r->MuteCtrlCheck, r->MuteAltCheck,
            r->MuteShiftCheck, r->MuteWinCheck}}};
}

void LoadHotkey(const THotkeyControls& h) {
  int32_t code = ExchangeInt(SettingsIni, h.keyName, 0);
  if (code != 0) {
    for (size_t i = 0; i < KeyCodeList.size(); ++i)
      if (KeyCodeList[i] == code) SetCurIndex(h.combo, static_cast<int>(i) + 1);
  }
  if (GetCurIndex(h.combo) == 0) return;  // "Нет": the modifiers are not read
  int32_t mods = ExchangeInt(SettingsIni, h.modName, 0);
  if (mods & kModCtrl) SetChecked(h.ctrl, true);
  if (mods & kModAlt) SetChecked(h.alt, true);
  if (mods & kModShift) SetChecked(h.shift, true);
  if (mods & kModWin) SetChecked(h.win, true);
}

void SaveHotkey(const THotkeyControls& h) {
  int32_t mods = 0;
  int32_t code = 0;
  int index = GetCurIndex(h.combo);
  if (index > 0 && static_cast<size_t>(index) <= KeyCodeList.size()) {
    if (IsChecked(h.ctrl)) mods |= kModCtrl;
    if (IsChecked(h.alt)) mods |= kModAlt;
    if (IsChecked(h.shift)) mods |= kModShift;
    if (IsChecked(h.win)) mods |= kModWin;
    code = KeyCodeList[index - 1];
  }
  ExchangeInt(SettingsIni, h.keyName, code);
  ExchangeInt(SettingsIni, h.modName, mods);
}
