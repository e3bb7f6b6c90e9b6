#pragma once
// One hotkey group: a key combo plus its Ctrl, Alt, Shift and Win boxes.
#include <array>
#include <cstdint>

class TControl;
class TFormRecord;

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

// Volume up, volume down, sound off/on.
std::array<THotkeyControls, 3> HotkeyGroups(TFormRecord* r);
void LoadHotkey(const THotkeyControls& h);
void SaveHotkey(const THotkeyControls& h);
