// The hotkey check before a save: a combination another program holds, or two groups share.
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
    TText why;
    if (same < i) why = TXT_HotkeySameAsBefore + GroupTitle(groups[same]) + TXT_HotkeySameAsAfter;
    else if (!IsHeld(chosen[i]) && TakenElsewhere(r->SettingsForm->fHandle, chosen[i]))
      why = TXT_HotkeyTakenElsewhere;
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
