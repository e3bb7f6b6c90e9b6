#include "globals.h"

void NoControlProc(TControl*) {}

TControl* AppMainWindow = nullptr;
TControl* CreatingControl = nullptr;
uint16_t NextControlId = 0x8000;
bool LoopRunning = false;
bool Terminated = false;
TControlProc RealignHook = NoControlProc;
TControlProc FontApplyHook = NoControlProc;
