#pragma once
// Layer-wide state of windows and the loop; GUI thread only.
#include <cstdint>

#include "../objects/control.h"

extern TControl* AppMainWindow;    // the window whose closing ends the program
extern TControl* CreatingControl;  // bound to the first message of a window being created
constexpr uint16_t kFirstControlId = 0x8000;
extern uint16_t ControlsMade;  // child controls constructed so far; the next one's id follows
extern bool LoopRunning;
extern bool Terminated;
