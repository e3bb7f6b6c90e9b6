// Colours (a system colour index or an RGB value) and the background brush of a control.
#pragma once
#include <windows.h>

class TControl;

// Top bit set: a system colour index, resolved at each use; otherwise a COLORREF.
COLORREF ColorToRGB(COLORREF color);

// The solid brush of the control's background, shared by equally coloured ancestors.
HBRUSH GetBackgroundBrush(TControl* c);
