// The table of system calls by which a save reaches the disk.
#include "filecalls.h"

const TFileCalls* FileCallsOverride;

const TFileCalls& FileCalls() {
  static const TFileCalls system = {CopyFileA,
                                    WritePrivateProfileStringA,
                                    GetPrivateProfileStringA,
                                    FlushFileBuffers,
                                    ReplaceFileA,
                                    MoveFileExA,
                                    DeleteFileA};
  return FileCallsOverride ? *FileCallsOverride : system;
}
