#include <windows.h>

#include "startup.h"

// The linker's list of static constructors: -1, the constructors, 0. The program keeps its
// globals free of them (runtime/list.h); should one appear, it runs here all the same.
extern "C" void (*__CTOR_LIST__[])();

// The process starts here, without the C runtime's start-up code: the program takes no
// arguments, and the libraries it calls (the C runtime's DLL among them) set themselves up when
// they load. The command line is ignored.
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
