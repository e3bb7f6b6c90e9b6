#pragma once
// The system calls by which a save reaches the disk, in one table: the program calls the
// system through it unchanged, and a test puts a fault into any one step.
#include <windows.h>

struct TFileCalls {
  BOOL(WINAPI* CopyFile)(LPCSTR from, LPCSTR to, BOOL failIfExists);
  // Also the flush of the profile cache (all arguments but the file name null).
  BOOL(WINAPI* WriteProfileString)(LPCSTR section, LPCSTR key, LPCSTR value, LPCSTR file);
  DWORD(WINAPI* ReadProfileString)(LPCSTR section, LPCSTR key, LPCSTR fallback, LPSTR to,
                                   DWORD size, LPCSTR file);
  BOOL(WINAPI* FlushFileBuffers)(HANDLE file);
  BOOL(WINAPI* ReplaceFile)(LPCSTR replaced, LPCSTR replacement, LPCSTR backup, DWORD flags,
                            LPVOID, LPVOID);
  BOOL(WINAPI* MoveFileEx)(LPCSTR from, LPCSTR to, DWORD flags);
  BOOL(WINAPI* DeleteFile)(LPCSTR path);
};

// A test's table in place of the system's; none in the program.
extern const TFileCalls* FileCallsOverride;
const TFileCalls& FileCalls();
