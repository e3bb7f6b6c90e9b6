// The controls that the system draws light whatever colours they are given, drawn by the
// program itself while the window is dark (palette.h). Each stays the system's control: its
// role, state and keyboard are untouched, only its pixels are painted here.
#pragma once
#include "../objects/control.h"

// Attached by the constructors of push buttons, check and group boxes, combo boxes, the tab
// control and the spin control; in the light mode and in high contrast it leaves every
// message to the system.
bool DarkPainter(TControl* c, TMsg& msg, LRESULT& result);
