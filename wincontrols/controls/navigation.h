// Keyboard focus records, Tab/arrow navigation, and the Enter/Escape buttons.
#pragma once
#include "../objects/control.h"

void SetFocused(TControl* c, bool focused);
// Tab, the arrows and Page Up/Down move the focus in the control's form: fills the form's
// fNavKeyHandler, which the window procedure asks for every key.
TControl* EnableDialogKeys(TControl* c);
// Makes the button the form's Enter (VK_RETURN) or Escape (VK_ESCAPE) button. The first one
// installs the Enter/Escape hook as the application main window's fOnMessage, which the
// window procedure asks first for every message of every window; the hook it replaces is kept
// in fSavedOnMessage and still asked first.
void SetButtonKey(TControl* button, WPARAM key, bool on);

// The form's own WM_SETFOCUS: the focus goes back where it was.
bool FormFocusHandler(TControl* form, TMsg& msg, LRESULT& result);

// The layer's named operations that only this file calls today.
// The form's fNavKeyHandler: true when the key moved the focus (or was that key's release).
bool NavigationKeyProc(TControl* c, WPARAM key, bool keyUp);
// Focus to the next (1) or previous (-1) stop in the Tab order, wrapping round.
void Navigate(TControl* form, int direction);
TPtrList* TabOrderList(TControl* form);  // the caller releases the list
