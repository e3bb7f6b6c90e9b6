// The message loop; the application main window plays the application object.
#pragma once
class TControl;

// Makes and shows the window, then dispatches messages until the quit message; then releases
// the window (and with it every control).
void Run(TControl*& window);

// The layer's named operations that only this file calls today.
// Dispatches the messages waiting, without waiting for more.
void ProcessMessages();
// Dispatches one waiting message; false when none was waiting.
bool ProcessMessage();
// Ends the loop and releases the main window.
void Terminate(TControl*& window);
