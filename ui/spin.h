// The up-down control beside the balance field.
#pragma once
#include "../wincontrols/objects/control.h"

// Vertical, on the right of its buddy, which shows its position without thousands separators;
// no wrap, no arrow keys, no hot tracking, no automatic buddy.
TControl* NewSpin(TControl* parent);
void SpinSetBuddy(TControl* spin, HWND buddy);
void SpinSetMin(TControl* spin, int32_t minimum);
void SpinSetMax(TControl* spin, int32_t maximum);
