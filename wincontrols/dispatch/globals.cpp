#include "globals.h"

TControl* AppMainWindow = nullptr;
TControl* CreatingControl = nullptr;
uint16_t NextControlId = 0x8000;
bool LoopRunning = false;
bool Terminated = false;
