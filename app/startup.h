#pragma once
// Start-up preparation and the program's life from entry to exit.
#include <windows.h>

class TFormRecord;

// The id registered for "WM_LOADCONFIG"; 0 until registered.
extern UINT LoadConfigMessage;

// Single instance, reload message, key lists, skins, tray actions, settings.
void StartupPreparation(TFormRecord* r);

// Builds the window, runs the loop, releases everything; the process exit code.
int RunProgram();
