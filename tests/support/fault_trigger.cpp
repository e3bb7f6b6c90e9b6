// Test-only program: built with the program's fatal-error handling (its handlers, allocation
// and library failure paths), it commits the fault named by its first argument. Never part of
// VConfig.exe.
#include <windows.h>

#include <cstdlib>
#include <cstring>
#include <new>
#include <vector>

#include "runtime/runtime_error.h"
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
  } else if (!strcmp(what, "stack")) {
    return Recurse(0);
  } else if (!strcmp(what, "divide")) {
    return 10 / gZero;
  } else if (!strcmp(what, "other")) {
    RaiseException(0xE0000001, EXCEPTION_NONCONTINUABLE, 0, nullptr);
  }
  return 0;
}
