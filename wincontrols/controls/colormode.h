// A top-level window that follows the system's colour mode while it is open.
#pragma once
#include "../objects/control.h"

// Attached to a form by its constructor. When its window is made, and whenever the user
// switches the apps' mode or a high-contrast scheme, the mode is read again, the title bar
// asked to match it, and the whole window painted anew; nothing else changes.
bool ColorModeHandler(TControl* form, TMsg& msg, LRESULT& result);
