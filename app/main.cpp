#include <windows.h>

#include "startup.h"

// The command line is ignored.
int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return RunProgram(); }
