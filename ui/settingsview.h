#pragma once
// The window as the settings record's view: showing a record in the controls, collecting one
// from them.
#include "../settings/settings.h"

class TControl;
class TFormRecord;

// One hotkey group: a key list plus its Ctrl, Alt, Shift and Win boxes.
struct THotkeyControls {
  TControl* combo;
  TControl* ctrl;
  TControl* alt;
  TControl* shift;
  TControl* win;
};

// Volume up, volume down, sound off/on.
struct THotkeyGroups {
  THotkeyControls groups[kHotkeyCount];
  const THotkeyControls& operator[](int i) const { return groups[i]; }
};
THotkeyGroups HotkeyGroups(TFormRecord* r);
// What the group's controls choose now; code 0 while its list shows "Нет".
THotkey ChosenHotkey(const THotkeyControls& h);

// Puts every value into its control, in the loading order: the device list is filled on the
// way, and the balance's change handler already reacts. A stored name, key or index that the
// lists do not offer leaves their default item. Returns, in held, the hotkeys the tray program
// holds after reading the same file: those whose key the lists offer.
void ShowSettings(TFormRecord* r, const TSettings& settings, THotkey (&held)[kHotkeyCount]);
// What the controls show now.
TSettings CollectSettings(TFormRecord* r);
