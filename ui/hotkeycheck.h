#pragma once
// Before saving: a hotkey that another program holds, or that two groups share, would not
// work, because the tray program could not register it. The user is told and may go back.
class TFormRecord;

// True to go on saving: nothing conflicts, or the user chose to save anyway. Otherwise the
// Hotkeys page shows, with the focus on the key list of the first conflicting hotkey.
bool ConfirmHotkeys(TFormRecord* r);
