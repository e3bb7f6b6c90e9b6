// The hotkey check before a save: a combination another program holds, two groups share, or
// that would take a typing key away from every program.
#include "hotkeycheck.h"

#include <windows.h>

#include "../wincontrols/controls/messagebox.h"
#include "../wincontrols/controls/navigation.h"
#include "../wincontrols/controls/operations.h"
#include "catalogues.h"
#include "formrecord.h"
#include "settingsview.h"
#include "texts.h"

namespace {

constexpr int kTrialHotkeyId = 1;  // the window holds no hotkey of its own

THotkey HeldHotkeys[kHotkeyCount];

// The title of the group box the key list stands in, as the page shows it.
TText GroupTitle(const THotkeyControls& h) { return GetText(h.combo->fParent); }

bool IsHeld(const THotkey& key) {
  for (const THotkey& held : HeldHotkeys)
    if (held == key) return true;
  return false;
}

// Only "already registered" says another program holds it; any other failure says nothing.
bool TakenElsewhere(HWND window, const THotkey& key) {
  if (RegisterHotKey(window, kTrialHotkeyId, static_cast<UINT>(key.mods),
                     static_cast<UINT>(key.code))) {
    UnregisterHotKey(window, kTrialHotkeyId);
    return false;
  }
  return GetLastError() == ERROR_HOTKEY_ALREADY_REGISTERED;
}

// A key that types, edits or moves the caret: letters, digits, Space, Enter, Tab, Backspace,
// Escape, the arrows and the keys above them, the numeric keypad, the punctuation keys. Taken
// as a hotkey without Ctrl, Alt or Win, it stops doing that in every program while the tray
// program runs (RegisterHotKey takes a key system-wide); Shift does not help, since Shift and a
// letter type the capital.
bool TakesATypingKey(const THotkey& key) {
  if (key.mods & (kModCtrl | kModAlt | kModWin)) return false;
  uint32_t c = static_cast<uint32_t>(key.code);
  return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || c == VK_SPACE || c == VK_RETURN ||
         c == VK_TAB || c == VK_BACK || c == VK_ESCAPE || (c >= VK_PRIOR && c <= VK_DOWN) ||
         c == VK_INSERT || c == VK_DELETE || (c >= VK_NUMPAD0 && c <= VK_DIVIDE) ||
         (c >= VK_OEM_1 && c <= VK_OEM_3) || (c >= VK_OEM_4 && c <= VK_OEM_8) || c == VK_OEM_102;
}

}  // namespace

void HoldHotkeys(const THotkey (&held)[kHotkeyCount]) {
  for (int i = 0; i < kHotkeyCount; ++i) HeldHotkeys[i] = held[i];
}

TWideText HotkeyText(const THotkey& key) {
  TText text;
  if (key.mods & kModCtrl) text += "Ctrl+";
  if (key.mods & kModAlt) text += "Alt+";
  if (key.mods & kModShift) text += "Shift+";
  if (key.mods & kModWin) text += "Win+";
  return ProgramText(text) + KeyTitle(static_cast<uint32_t>(key.code));
}

bool ConfirmHotkeys(TFormRecord* r, const TSettings& settings) {
  THotkeyGroups groups = HotkeyGroups(r);
  const THotkey* chosen = settings.Hotkeys;
  TWideText conflicts;
  int first = -1;
  for (int i = 0; i < kHotkeyCount; ++i) {
    if (!chosen[i].code) continue;
    int same = 0;
    while (same < i && !(chosen[same] == chosen[i])) ++same;
    bool told = IsHeld(chosen[i]);  // the tray program holds it: the user has been told before
    TText why;
    if (same < i) why = TXT_HotkeySameAsBefore + GroupTitle(groups[same]) + TXT_HotkeySameAsAfter;
    else if (!told && TakenElsewhere(r->SettingsForm->fHandle, chosen[i]))
      why = TXT_HotkeyTakenElsewhere;
    else if (!told && TakesATypingKey(chosen[i])) why = TXT_HotkeyTypes;
    else continue;
    conflicts += ProgramText(GroupTitle(groups[i]) + TXT_HotkeyDash) + HotkeyText(chosen[i]) +
                 ProgramText(": " + why + "\r\n");
    if (first < 0) first = i;
  }
  if (first < 0) return true;
  TWideText text = ProgramText(TXT_HotkeysIntro) + conflicts + ProgramText(TXT_HotkeysQuestion);
  if (ShowMessageBox(r->SettingsForm, text, kWindowCaption, MB_YESNO | MB_ICONWARNING) == IDYES)
    return true;
  SetCurIndex(r->SettingsTabs, kHotkeysPage);
  SetFocused(groups[first].combo, true);
  return false;
}
