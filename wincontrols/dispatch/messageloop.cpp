// The message loop and the end of the program.
#include "messageloop.h"

#include <windows.h>

#include "../../runtime/benchmarks.h"
#include "../objects/control.h"
#include "globals.h"

bool ProcessMessage() {
  MSG msg;
  if (!PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) return false;
  bool answer = msg.message != 0;
  if (msg.message == WM_QUIT) {
    Terminated = true;
    return answer;
  }
  TranslateMessage(&msg);
  DispatchMessageW(&msg);
  return answer;
}

void ProcessMessages() {
  while (ProcessMessage()) {
  }
}

void Run(TControl*& window) {
  LoopRunning = true;
  AppMainWindow = window;
  window->MakeWindow();
  BenchMark("shown");
  bool ready = false;
  while (!Terminated) {
    WaitMessage();
    ProcessMessages();
    if (!ready) BenchMark("ready");  // the first batch, painting included, is done
    ready = true;
  }
  if (window) Terminate(window);
}

void Terminate(TControl*& window) {
  bool wasTerminated = Terminated;
  Terminated = true;
  LoopRunning = false;
  TControl* main = AppMainWindow;
  AppMainWindow = nullptr;
  if (!main) return;
  AddRef(main);
  if (!wasTerminated) {
    ProcessMessages();
    SendMessageW(main->fHandle, WM_CLOSE, 0, 0);
  }
  window = nullptr;
  Release(main);
  Release(main);
}
