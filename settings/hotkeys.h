#pragma once
// One hotkey group: a key combo plus its Ctrl, Alt, Shift and Win boxes.
#include <cstdint>

#include "../wincontrols/objects/text.h"

class TControl;
class TFormRecord;

// A key and its modifier bits, as the tray program registers them; code 0 is no hotkey.
struct THotkey {
  uint16_t code;
  int32_t mods;
};
inline bool operator==(const THotkey& a, const THotkey& b) {
  return a.code == b.code && a.mods == b.mods;
}

struct THotkeyControls {
  const char* keyName;
  const char* modName;
  TControl* combo;
  TControl* ctrl;
  TControl* alt;
  TControl* shift;
  TControl* win;
};

// Modifier bits as the tray program registers them
constexpr int32_t kModAlt = 1;
constexpr int32_t kModCtrl = 2;
constexpr int32_t kModShift = 4;
constexpr int32_t kModWin = 8;

// The three hotkeys the tray program holds: as the file had them when the window opened,
// then as the last save wrote them.
constexpr int kHotkeyCount = 3;
extern THotkey HeldHotkeys[kHotkeyCount];

// Volume up, volume down, sound off/on.
struct THotkeyGroups {
  THotkeyControls groups[kHotkeyCount];
  THotkeyControls& operator[](int i) { return groups[i]; }
  const THotkeyControls* begin() const { return groups; }
  const THotkeyControls* end() const { return groups + kHotkeyCount; }
};
THotkeyGroups HotkeyGroups(TFormRecord* r);
// Reads the group's key and modifiers into its controls; returns what the file holds for it
// (code 0 when its key is not in the list).
THotkey LoadHotkey(const THotkeyControls& h);
// Writes the group's key and modifiers; returns what it wrote.
THotkey SaveHotkey(const THotkeyControls& h);
// What the controls of the group choose now.
THotkey ChosenHotkey(const THotkeyControls& h);
// The combination as the user sees it: "Ctrl+Alt+Shift+Win+" as checked, then the key's item.
TText HotkeyText(const THotkeyControls& h);
