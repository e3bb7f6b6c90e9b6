// Fatal run-time errors: a message box "Error" with "Runtime error N at $ADDRESS", then exit N.
#pragma once

// The codes that the program's own code reports (the fault filter has its own for the faults
// the system raises).
constexpr int kErrOutOfMemory = 203;
constexpr int kErrOtherFatal = 217;

// Reports the error at the caller's address and ends the process.
[[noreturn]] void RuntimeError(int code);

// Routes fatal structured exceptions to the report (failed allocations reach it from the
// allocation operators of no_exceptions.cpp and from TText and TList).
void InstallRuntimeErrorHandlers();
