// The system calls by which a save reaches the disk (or a copy of the program with
// administrator rights, which saves instead), in one table: the program calls the system
// through it unchanged, and a test puts a fault into any one step.
#pragma once
#include <windows.h>
#include <shellapi.h>

// Each entry has the type of the system's function, as the Windows headers declare it.
struct TFileCalls {
  decltype(&CopyFileA) CopyFile;
  // Also the flush of the profile cache (all arguments but the file name null).
  decltype(&WritePrivateProfileStringA) WriteProfileString;
  decltype(&GetPrivateProfileStringA) ReadProfileString;
  decltype(&FlushFileBuffers) FlushFileBuffers;
  decltype(&ReplaceFileA) ReplaceFile;
  decltype(&MoveFileExA) MoveFileEx;
  decltype(&DeleteFileA) DeleteFile;
  // Starts a copy of the program with administrator rights: shell32 comes in at the first call.
  decltype(&ShellExecuteExW) RunElevated;
};

// A test's table in place of the system's; none in the program.
extern const TFileCalls* FileCallsOverride;
const TFileCalls& FileCalls();
