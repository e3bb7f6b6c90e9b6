// Before saving: a hotkey that another program holds, or that two groups share, would not
// work, because the tray program could not register it; one on a key that types, without
// Ctrl, Alt or Win, would work too well: that key would type in no program any more. The user
// is told and may go back.
#pragma once
#include "../settings/settings.h"
#include "../wincontrols/objects/widetext.h"

class TFormRecord;

// The hotkeys the tray program holds: as the file had them when the window opened, then as
// the last save wrote them. Those it holds are neither tried nor named again.
void HoldHotkeys(const THotkey (&held)[kHotkeyCount]);

// True to go on saving the settings: nothing conflicts, or the user chose to save anyway.
// Otherwise the Hotkeys page shows, with the focus on the key list of the first conflicting
// hotkey.
bool ConfirmHotkeys(TFormRecord* r, const TSettings& settings);

// The combination as the user sees it: "Ctrl+Alt+Shift+Win+" as set, then the key's name.
// (Also checked by a test.)
TWideText HotkeyText(const THotkey& key);
