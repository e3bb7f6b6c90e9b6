// Test-only program: built with the program's fatal-error handling (its handlers, allocation
// and library failure paths), it commits the fault named by its first argument, outside any
// window procedure or inside one. Never part of VConfig.exe.
#include <windows.h>

#include <cstdlib>
#include <cstring>
#include <new>
#include <vector>

#include "runtime/runtime_error.h"
#include "wincontrols/controls/constructors.h"
#include "wincontrols/objects/refobject.h"
#include "wincontrols/objects/text.h"

namespace {

volatile int gZero = 0;
volatile int* volatile gNull = nullptr;

__attribute__((noinline)) int Recurse(int depth) {
  volatile char pad[4096];
  pad[0] = static_cast<char>(depth);
  if (depth == gZero - 1) return pad[0];  // never true; keeps the recursion open-ended
  return Recurse(depth + 1) + pad[0];
}

}  // namespace

int main(int argc, char** argv) {
  InstallRuntimeErrorHandlers();
  const char* what = argc > 1 ? argv[1] : "";
  if (!strcmp(what, "new")) {
    // More than the address space can hold.
    size_t huge = static_cast<size_t>(-1) / 2;
    char* p = new char[huge];
    p[0] = 1;
  } else if (!strcmp(what, "text")) {
    TText text("x");
    text.resize(static_cast<size_t>(-1) / 2);
  } else if (!strcmp(what, "vector")) {
    std::vector<int> list;
    list.reserve(static_cast<size_t>(-1));  // more than the library allows: a length error
  } else if (!strcmp(what, "object")) {
    TRefObject::operator new(static_cast<size_t>(-1) / 2);
  } else if (!strcmp(what, "access")) {
    *gNull = 1;
  } else if (!strcmp(what, "handler")) {
    // A click of a real button: the fault is in the click handler that the window procedure
    // runs for the notification the button sends, inside a message the system dispatched.
    TControl* form = NewForm(nullptr, "fault");
    TControl* button = NewButton(form, "click");
    button->fOnClick.code = [](void*, TControl*) { *gNull = 1; };
    form->MakeWindow();
    PostMessageA(GetHandle(button), BM_CLICK, 0, 0);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
      DispatchMessageA(&msg);
      if (msg.message == BM_CLICK) return 0;  // the fault was swallowed
    }
  } else if (!strcmp(what, "stack")) {
    return Recurse(0);
  } else if (!strcmp(what, "divide")) {
    return 10 / gZero;
  } else if (!strcmp(what, "other")) {
    RaiseException(0xE0000001, EXCEPTION_NONCONTINUABLE, 0, nullptr);
  }
  return 0;
}
