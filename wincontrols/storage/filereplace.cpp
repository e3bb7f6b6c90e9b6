#include "filereplace.h"

namespace {
constexpr char kCopySuffix[] = ".new";
constexpr int kTries = 5;
constexpr DWORD kRetryPauseMs = 100;

bool MakeEmptyFile(const TText& path) {
  HANDLE f = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                         nullptr);
  if (f == INVALID_HANDLE_VALUE) return false;
  CloseHandle(f);
  return true;
}

// The copy's bytes on the disk before its name takes the file's place: else a power cut may
// leave the new name on an empty file.
void FlushToDisk(const TText& path) {
  HANDLE f = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  if (f == INVALID_HANDLE_VALUE) return;
  FlushFileBuffers(f);
  CloseHandle(f);
}

}  // namespace

TText StartReplacement(const TText& path, DWORD& error) {
  error = 0;
  DWORD attributes = GetFileAttributesA(path.c_str());
  bool exists = attributes != INVALID_FILE_ATTRIBUTES;
  // Refused as the profile functions refuse on Windows (Wine's write such a file for root).
  if (exists && (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY))) {
    error = ERROR_ACCESS_DENIED;
    return TText();
  }
  // One left by a crash is never read: it goes, and a new copy is made.
  TText copy = path + kCopySuffix;
  SetFileAttributesA(copy.c_str(), FILE_ATTRIBUTE_NORMAL);
  DeleteFileA(copy.c_str());
  bool made = exists ? CopyFileA(path.c_str(), copy.c_str(), FALSE) != 0 : MakeEmptyFile(copy);
  if (made) return copy;
  error = GetLastError();
  DeleteFileA(copy.c_str());
  // A protected folder whose file alone the user may change: written in place, and checked.
  // Nothing else is a reason to write in place: that is how a file gets torn.
  if (exists && error == ERROR_ACCESS_DENIED) {
    error = 0;
    return path;
  }
  return TText();
}

DWORD FinishReplacement(const TText& written, const TText& path) {
  if (written == path) return 0;
  FlushToDisk(written);
  bool exists = GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
  // A virus scanner or a sync client may hold the file for a moment: tried again a few times
  // within half a second.
  for (int i = 1;; ++i) {
    // ReplaceFile keeps the old file's attributes and security; a new file is simply renamed.
    if (exists ? ReplaceFileA(path.c_str(), written.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS,
                              nullptr, nullptr)
               : MoveFileExA(written.c_str(), path.c_str(),
                             MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
      return 0;
    DWORD error = GetLastError();
    bool held = error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION ||
                error == ERROR_UNABLE_TO_REMOVE_REPLACED || error == ERROR_UNABLE_TO_MOVE_REPLACEMENT;
    if (!held || i == kTries) return error;
    Sleep(kRetryPauseMs);
  }
}

void AbandonReplacement(const TText& written, const TText& path) {
  if (written != path) DeleteFileA(written.c_str());
}
