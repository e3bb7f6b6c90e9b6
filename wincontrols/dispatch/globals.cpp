// Layer-wide state of windows and the loop; GUI thread only.
#include "globals.h"

TControl* AppMainWindow = nullptr;
TControl* CreatingControl = nullptr;
uint16_t ControlsMade = 0;
bool LoopRunning = false;
bool Terminated = false;
