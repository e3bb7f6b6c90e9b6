// The object floor linked alone, with the runtime below it: a reference to a floor above
// would fail the build. Alone, a control never gets a window.
#include "wincontrols/objects/control.h"

int main() {
  TControl* c = InitControl(new TControl(), nullptr, "STATIC", false);
  bool windowless = GetHandle(c) == nullptr;
  Release(c);
  return windowless && LiveObjectCount() == 0 ? 0 : 1;
}
