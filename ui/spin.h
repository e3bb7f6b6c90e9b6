#pragma once
// The up-down control beside the balance field.
#include "../wincontrols/objects/control.h"

TControl* NewSpin(TControl* parent, bool vertical, bool wrap, bool thousands, bool arrowKeys,
                  bool autoBuddy, bool hotTrack, bool alignRight);
void SpinSetBuddy(TControl* spin, HWND buddy);
void SpinSetMin(TControl* spin, int32_t minimum);
void SpinSetMax(TControl* spin, int32_t maximum);
