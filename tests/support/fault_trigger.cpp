// Test-only program: built with the program's fatal-error handling (its handlers, allocation
// and library failure paths), it commits the fault named by its first argument, outside any
// window procedure or inside one, or starts the program with one of its windows refused.
// With a second argument it writes there where its faulting functions lie, "BEGIN END" in
// hexadecimal. Never part of VConfig.exe.
#include <windows.h>

#include <cstdlib>
#include <cstring>
#include <new>
#include <vector>

#include "app/startup.h"
#include "runtime/runtime_error.h"
#include "wincontrols/controls/constructors.h"
#include "wincontrols/objects/refobject.h"
#include "wincontrols/objects/text.h"

namespace {

volatile int gZero = 0;
volatile int* volatile gNull = nullptr;

// The functions that fault lie together, in this order, between the two markers: the linker
// sorts the ".text$" sections by name.
__attribute__((noinline, section(".text$fault_a"))) void FaultsBegin() {}

__attribute__((noinline, section(".text$fault_b"))) void WriteNull() { *gNull = 1; }

__attribute__((noinline, section(".text$fault_b"))) int Divide() { return 10 / gZero; }

__attribute__((noinline, section(".text$fault_b"))) void ClickHandler(void*, TControl*) {
  *gNull = 1;
}

__attribute__((noinline, section(".text$fault_c"))) void FaultsEnd() {}

// Frames of a page and more: the stack is touched first by the stack probe that such frames
// call, which has the stack above it to report from.
__attribute__((noinline)) int Recurse(int depth) {
  volatile char pad[4096];
  pad[0] = static_cast<char>(depth);
  if (depth == gZero - 1) return pad[0];  // never true; keeps the recursion open-ended
  return Recurse(depth + 1) + pad[0];
}

// Refuses the program's windows from the nth on, as a spent quota or a hook may; the error box
// (a system class) is let through.
int gRefuseFrom;
LRESULT CALLBACK RefuseWindows(int code, WPARAM wParam, LPARAM lParam) {
  char name[8] = "";
  if (code == HCBT_CREATEWND && GetClassNameA(reinterpret_cast<HWND>(wParam), name, sizeof name) &&
      !strncmp(name, "obj_", 4) && --gRefuseFrom <= 0)
    return 1;
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

int main(int argc, char** argv) {
  InstallRuntimeErrorHandlers();
  const char* what = argc > 1 ? argv[1] : "";
  if (argc > 2) {
    char where[64];
    wsprintfA(where, "%p %p", reinterpret_cast<void*>(FaultsBegin),
              reinterpret_cast<void*>(FaultsEnd));
    HANDLE f = CreateFileA(argv[2], GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD n;
    WriteFile(f, where, static_cast<DWORD>(strlen(where)), &n, nullptr);
    CloseHandle(f);
  }
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
    WriteNull();
  } else if (!strcmp(what, "handler")) {
    // A click of a real button: the fault is in the click handler that the window procedure
    // runs for the notification the button sends, inside a message the system dispatched.
    TControl* form = NewForm(nullptr, "fault");
    TControl* button = NewButton(form, "click");
    button->fOnClick.code = ClickHandler;
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
    return Divide();
  } else if (!strcmp(what, "window")) {
    // The program itself, its windows refused from the third on: the first page, whose
    // controls would each ask for it again.
    gRefuseFrom = 3;
    SetWindowsHookExA(WH_CBT, RefuseWindows, nullptr, GetCurrentThreadId());
    return RunProgram();
  } else if (!strcmp(what, "other")) {
    RaiseException(0xE0000001, EXCEPTION_NONCONTINUABLE, 0, nullptr);
  }
  return 0;
}
