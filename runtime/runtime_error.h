#pragma once
// Fatal run-time errors: a message box "Error" with "Runtime error N at $ADDRESS", then exit N.

constexpr int kErrDivByZero = 200;
constexpr int kErrStackOverflow = 202;
constexpr int kErrOutOfMemory = 203;
constexpr int kErrAccessViolation = 216;
constexpr int kErrOtherFatal = 217;

// Reports the error at the caller's address and ends the process.
[[noreturn]] void RuntimeError(int code);
[[noreturn]] void RuntimeErrorAt(int code, const void* address);

// Routes fatal structured exceptions to RuntimeError (failed allocations reach it from the
// allocation operators of no_exceptions.cpp and from TText and TList).
void InstallRuntimeErrorHandlers();

// The message text for an error, as shown in the box.
void FormatRuntimeError(char* buf, int code, const void* address);
