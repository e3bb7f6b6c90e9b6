// The window as the settings record's view: showing a record in the controls, collecting one
// from them.
#pragma once
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

// The autostart box as it was shown, or as the last save left the Run value: only a change
// of the box is written.
extern bool AutostartAsShown;

// Puts every value into its control, in the loading order: the device list is filled on the
// way, and the balance's change handler already reacts. A stored device, skin or key that the
// lists do not offer gets an item of its own, and an action outside the list is kept, so that
// saving writes them back as they were until the user chooses another. Returns, in held, the
// hotkeys the tray program holds after reading the same file.
void ShowSettings(TFormRecord* r, const TSettings& settings, THotkey (&held)[kHotkeyCount]);
// What the controls show now.
TSettings CollectSettings(TFormRecord* r);
