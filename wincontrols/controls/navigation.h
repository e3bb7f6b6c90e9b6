#pragma once
// Keyboard focus records, Tab/arrow navigation, and the Enter/Escape buttons.
#include "../objects/control.h"

void SetFocused(TControl* c, bool focused);
TControl* EnableDialogKeys(TControl* c);
bool NavigationKeyProc(TControl* c, WPARAM key, bool keyUp);
void Navigate(TControl* form, int direction);
TPtrList* TabOrderList(TControl* form);  // the caller releases the list
void SetButtonKey(TControl* button, WPARAM key, bool on);

// The form's own WM_SETFOCUS: the focus goes back where it was.
bool FormFocusHandler(TControl* form, TMsg& msg, LRESULT& result);
