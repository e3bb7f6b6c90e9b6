// System libraries loaded from the system folder, and COM set up once.
#include "library.h"

#include <objbase.h>

HMODULE LoadSystemLibrary(const char* fileName) {
  char path[MAX_PATH + 16];
  UINT n = GetSystemDirectoryA(path, MAX_PATH);
  if (n == 0 || n >= MAX_PATH) return nullptr;
  lstrcatA(path, "\\");
  lstrcatA(path, fileName);
  return LoadLibraryA(path);
}

void UseCom() {
  static bool ready;
  if (ready) return;
  ready = true;
  typedef HRESULT(WINAPI * TCoInitializeEx)(void*, DWORD);
  auto init = LookUpFunction<TCoInitializeEx>(LoadSystemLibrary("ole32.dll"), "CoInitializeEx");
  if (init) init(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
}
