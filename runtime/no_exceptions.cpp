// The program is built without exceptions, and nothing in it throws: the standard library's
// failure paths and the allocation operators below end the program with a run-time error
// instead. What is left of the exception runtime is then unreachable, and these definitions
// keep the library's versions (unwinder, demangler, exception classes and the threads library
// they lock with) out of the executable. Linked into VConfig.exe only; the test programs keep
// the real runtime.
#include <cstdlib>
#include <new>

#include "runtime_error.h"

void* operator new(std::size_t size) {
  void* p = malloc(size ? size : 1);
  if (!p) RuntimeError(kErrOutOfMemory);
  return p;
}
void* operator new[](std::size_t size) { return operator new(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
  return malloc(size ? size : 1);
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
  return malloc(size ? size : 1);
}
void operator delete(void* p) noexcept { free(p); }
void operator delete[](void* p) noexcept { free(p); }
void operator delete(void* p, std::size_t) noexcept { free(p); }
void operator delete[](void* p, std::size_t) noexcept { free(p); }

// libstdc++ reports its failures through these; other libraries have their own ways.
#ifdef __GLIBCXX__
// Each is declared noreturn where the library first declares it (Clang accepts the attribute
// only there).
namespace std {

void __throw_bad_alloc() { RuntimeError(kErrOutOfMemory); }
void __throw_bad_array_new_length() { RuntimeError(kErrOutOfMemory); }
void __throw_length_error(const char*) { RuntimeError(kErrOutOfMemory); }
void __throw_logic_error(const char*) { RuntimeError(kErrOtherFatal); }
void __throw_out_of_range(const char*) { RuntimeError(kErrOtherFatal); }
void __throw_out_of_range_fmt(const char*, ...) { RuntimeError(kErrOtherFatal); }
void __throw_invalid_argument(const char*) { RuntimeError(kErrOtherFatal); }
void __throw_bad_function_call() { RuntimeError(kErrOtherFatal); }

}  // namespace std
#endif
