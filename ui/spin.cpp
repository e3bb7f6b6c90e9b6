// The up-down control beside the balance field.
#include "spin.h"

#include <windows.h>
#include <commctrl.h>

#include "../wincontrols/controls/constructors.h"
#include "../wincontrols/controls/darkpaint.h"
#include "../wincontrols/controls/operations.h"
#include "../wincontrols/dispatch/dispatch.h"

TControl* NewSpin(TControl* parent) {
  InitCommonControlsOnce(ICC_UPDOWN_CLASS);
  constexpr uint32_t kStyle =
      WS_CHILD | WS_VISIBLE | UDS_SETBUDDYINT | UDS_NOTHOUSANDS | UDS_ALIGNRIGHT;
  TControl* c = NewCommonControl(parent, UPDOWN_CLASSA, kStyle, nullptr, false);
  AttachProc(c, DarkPainter);
  return c;
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
