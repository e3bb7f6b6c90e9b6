// Functions that not every supported Windows has, looked up when first needed: importing one
// that Windows 7 lacks would stop the program from loading there at all.
#pragma once
#include <windows.h>

// The function of that name in a loaded library, as type F; null when the library or the
// function is missing.
template <class F>
F LookUpFunction(HMODULE library, const char* name) {
  return library ? reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(library, name)))
                 : nullptr;
}

// A library of the system folder, loaded on first need; never one beside the program.
HMODULE LoadSystemLibrary(const char* fileName);

// COM on this thread, set up once (a single-threaded apartment), for the shell and for screen
// readers; ole32 comes in with the first call.
void UseCom();
