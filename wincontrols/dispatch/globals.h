#pragma once
// Layer-wide state; GUI thread only.
#include <cstdint>

class TControl;
typedef void (*TControlProc)(TControl* c);

extern TControl* AppMainWindow;   // the window whose closing ends the program
extern TControl* CreatingControl; // bound to the first message of a window being created
extern uint16_t NextControlId;
extern bool LoopRunning;
extern bool Terminated;
extern TControlProc RealignHook;   // placement code installs itself here
extern TControlProc FontApplyHook; // switched on by the first font tool

void NoControlProc(TControl* c);
