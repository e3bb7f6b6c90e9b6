#pragma once
// The message loop; the application main window plays the application object.
class TControl;

void Run(TControl*& window);
void ProcessMessages();
bool ProcessMessage();
void Terminate(TControl*& window);
