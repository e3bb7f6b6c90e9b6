// Layer-wide state of windows and the loop; GUI thread only.
#pragma once
#include <cstdint>

#include "../objects/control.h"

extern TControl* AppMainWindow;    // the window whose closing ends the program
extern TControl* CreatingControl;  // bound to the first message of a window being created
extern uint16_t ControlsMade;      // child controls constructed so far; the next one's id follows
extern bool LoopRunning;
extern bool Terminated;
