// Helpers shared by the suites: real windows under Wine, pumped by hand.
#pragma once
#include <windows.h>

#include <ostream>
#include <string>

#include "wincontrols/objects/text.h"

class TControl;

// Dispatches what is waiting in the thread's queue.
void Pump();
// The Windows path of a folder of the build (under Wine, / is Z:\).
std::string WinPath(const std::string& path);
// The folder of the running test program, with its trailing backslash.
std::string TestFolder();
std::string ReadFileBytes(const std::string& path);
void WriteFileBytes(const std::string& path, const std::string& bytes);
// A top-level form that is released at scope end.
struct TScopedForm {
  TScopedForm();
  ~TScopedForm();
  TControl* form;
};

// Test failures print layer texts as the bytes they hold.
inline void PrintTo(const TText& text, std::ostream* os) { *os << '"' << std::string(text) << '"'; }
