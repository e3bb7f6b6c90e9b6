// The program's life from entry to exit, and the settings window built with its start-up
// preparation.
#pragma once
#include <windows.h>

class TControl;
class TFormRecord;

// The settings window, built with the start-up preparation (single instance, the reload
// message, the key lists, skins, tray actions, then the settings read and shown) as the
// builder's second-to-last step. Also how the tests build the program's window.
void BuildSettingsWindow(TFormRecord*& record, TControl* parent);

// Builds the window, runs the loop, releases everything; the process exit code.
int RunProgram();
