// The table of system calls by which a save reaches the disk.
#include "filecalls.h"

#include "../../runtime/library.h"

const TFileCalls* FileCallsOverride;

namespace {
BOOL WINAPI ShellExecuteExLater(SHELLEXECUTEINFOW* info) {
  auto run = LookUpFunction<decltype(&ShellExecuteExW)>(LoadSystemLibrary("shell32.dll"),
                                                        "ShellExecuteExW");
  return run && run(info);
}
}  // namespace

const TFileCalls& FileCalls() {
  static const TFileCalls system = {CopyFileA,
                                    WritePrivateProfileStringA,
                                    GetPrivateProfileStringA,
                                    FlushFileBuffers,
                                    ReplaceFileA,
                                    MoveFileExA,
                                    DeleteFileA,
                                    ShellExecuteExLater};
  return FileCallsOverride ? *FileCallsOverride : system;
}
