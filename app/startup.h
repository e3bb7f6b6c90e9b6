#pragma once
// Start-up preparation and the program's life from entry to exit.
#include <windows.h>

class TControl;
class TFormRecord;

// Single instance, reload message, key lists, skins, tray actions, settings.
void StartupPreparation(TFormRecord* r);

// The settings window, built with the start-up preparation as the builder's second-to-last step.
void BuildSettingsWindow(TFormRecord*& record, TControl* parent);

// Builds the window, runs the loop, releases everything; the process exit code.
int RunProgram();
