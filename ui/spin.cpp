#include "spin.h"

#include <windows.h>
#include <commctrl.h>

#include "../wincontrols/controls/constructors.h"
#include "../wincontrols/controls/operations.h"
#include "../wincontrols/dispatch/dispatch.h"

TControl* NewSpin(TControl* parent, bool vertical, bool wrap, bool thousands, bool arrowKeys,
                  bool autoBuddy, bool hotTrack, bool alignRight) {
  InitCommonControlsOnce(ICC_UPDOWN_CLASS);
  uint32_t style = WS_CHILD | WS_VISIBLE | UDS_SETBUDDYINT;
  if (!vertical) style |= UDS_HORZ;
  if (wrap) style |= UDS_WRAP;
  if (!thousands) style |= UDS_NOTHOUSANDS;
  if (arrowKeys) style |= UDS_ARROWKEYS;
  if (autoBuddy) style |= UDS_AUTOBUDDY;
  if (hotTrack) style |= UDS_HOTTRACK;
  style |= alignRight ? UDS_ALIGNRIGHT : UDS_ALIGNLEFT;
  return NewCommonControl(parent, UPDOWN_CLASSA, style, nullptr, false);
}

void SpinSetBuddy(TControl* spin, HWND buddy) {
  Perform(spin, UDM_SETBUDDY, reinterpret_cast<WPARAM>(buddy), 0);
}

void SpinSetMin(TControl* spin, int32_t minimum) {
  INT maximum = 0;
  Perform(spin, UDM_GETRANGE32, 0, reinterpret_cast<LPARAM>(&maximum));
  Perform(spin, UDM_SETRANGE32, static_cast<WPARAM>(minimum), maximum);
}

void SpinSetMax(TControl* spin, int32_t maximum) {
  INT minimum = 0;
  Perform(spin, UDM_GETRANGE32, reinterpret_cast<WPARAM>(&minimum), 0);
  Perform(spin, UDM_SETRANGE32, static_cast<WPARAM>(minimum), maximum);
}
