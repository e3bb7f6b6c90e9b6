#include "library.h"

HMODULE LoadSystemLibrary(const char* fileName) {
  char path[MAX_PATH + 16];
  UINT n = GetSystemDirectoryA(path, MAX_PATH);
  if (n == 0 || n >= MAX_PATH) return nullptr;
  lstrcatA(path, "\\");
  lstrcatA(path, fileName);
  return LoadLibraryA(path);
}
