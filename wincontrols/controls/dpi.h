// A window moved to a screen of another DPI (Windows 8.1 and later) is laid out again there.
#pragma once
#include "../objects/control.h"

// WM_DPICHANGED, which headers for Windows 7 lack (also sent by the layout tests).
constexpr UINT kWmDpiChanged = 0x02E0;

// Places every control of the top-level window again at dpi from what it was given, with its
// font and the sizes that follow its text made anew; the old fonts are freed. The page shown,
// the focus, texts, selections and check states stay. Installed as DpiChangeHook.
void ChangeDpi(TControl* form, int dpi);

// WM_DPICHANGED: the new DPI from wParam, then one move to the rectangle that lParam suggests.
bool DpiChangedHandler(TControl* form, TMsg& msg, LRESULT& result);
