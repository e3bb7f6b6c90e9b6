// The process's entry point: runs the static constructors, if any, then the program.
#include <windows.h>

#include "startup.h"

// The process starts here, without the C runtime's start-up code: the program takes no
// arguments, and the libraries it calls (the C runtime's DLL among them) set themselves up when
// they load. The command line is ignored. The program keeps its globals free of static
// constructors (runtime/list.h); should one appear, it runs here all the same.
#ifdef _MSC_VER
// The compiler puts pointers to them in .CRT$XCU; the linker sorts the .CRT$XC sections by
// name and may pad them with zeros.
typedef void (*TConstructor)();
#pragma section(".CRT$XCA", read)
#pragma section(".CRT$XCZ", read)
__declspec(allocate(".CRT$XCA")) const TConstructor FirstConstructor = nullptr;
__declspec(allocate(".CRT$XCZ")) const TConstructor EndOfConstructors = nullptr;

extern "C" void WinMainCRTStartup() {
  for (const TConstructor* c = &FirstConstructor + 1; c < &EndOfConstructors; ++c)
    if (*c) (*c)();
  ExitProcess(static_cast<UINT>(RunProgram()));
}
#else
// The linker's list of static constructors: -1, the constructors, 0.
extern "C" void (*__CTOR_LIST__[])();

#if defined(__clang__)
#define ENTRY_POINT  // lld keeps it: the link's entry
#else
#define ENTRY_POINT __attribute__((externally_visible))  // kept by -fwhole-program
#endif

extern "C" ENTRY_POINT void WinMainCRTStartup() {
  int last = 0;
  while (__CTOR_LIST__[last + 1]) ++last;
  for (int i = last; i > 0; --i) __CTOR_LIST__[i]();
  ExitProcess(static_cast<UINT>(RunProgram()));
}
#endif
