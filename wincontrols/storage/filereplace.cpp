// A file rewritten whole or not at all: a copy written beside it takes its place in one step.
#include "filereplace.h"

#include "filecalls.h"

namespace {
constexpr char kCopySuffix[] = ".new";
constexpr int kTries = 5;
constexpr DWORD kRetryPauseMs = 100;

bool Exists(const TText& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool MakeEmptyFile(const TText& path) {
  HANDLE f = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
  if (f == INVALID_HANDLE_VALUE) return false;
  CloseHandle(f);
  return true;
}

// The copy's bytes on the disk before its name takes the file's place: else a power cut may
// leave the new name on an empty file. A copy that cannot be opened is left to the swap to
// report.
DWORD FlushToDisk(const TText& path) {
  HANDLE f = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  if (f == INVALID_HANDLE_VALUE) return 0;
  DWORD error = FileCalls().FlushFileBuffers(f) ? 0 : GetLastError();
  CloseHandle(f);
  return error;
}

// A virus scanner, an indexer or a sync client may hold either file for a moment (Windows
// mostly says "access denied" then).
bool Held(DWORD error) {
  return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION ||
         error == ERROR_ACCESS_DENIED || error == ERROR_UNABLE_TO_REMOVE_REPLACED;
}

}  // namespace

TText StartReplacement(const TText& path, DWORD& error) {
  const TFileCalls& calls = FileCalls();
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
  calls.DeleteFile(copy.c_str());
  bool made = exists ? calls.CopyFile(path.c_str(), copy.c_str(), FALSE) != 0 : MakeEmptyFile(copy);
  if (made) return copy;
  error = GetLastError();
  calls.DeleteFile(copy.c_str());
  // A protected folder whose file alone the user may change: written in place, and checked.
  // Nothing else is a reason to write in place: that is how a file gets torn.
  if (exists && error == ERROR_ACCESS_DENIED) {
    error = 0;
    return path;
  }
  return TText();
}

TReplaceResult FinishReplacement(const TText& written, const TText& path) {
  if (written == path) return {0, false};
  const TFileCalls& calls = FileCalls();
  bool existed = Exists(path), replacing = existed;
  DWORD error = FlushToDisk(written);
  for (int tries = 0; !error;) {
    // ReplaceFile keeps the old file's attributes and security; a new file is simply renamed.
    if (replacing ? calls.ReplaceFile(path.c_str(), written.c_str(), nullptr,
                                      REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr)
                  : calls.MoveFileEx(written.c_str(), path.c_str(),
                                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
      return {0, false};
    error = GetLastError();
    // The old file has left its name (removed, or kept under another: 1176, 1177), the copy is
    // whole under its own: it is moved into place. Trying ReplaceFile again would fail, and the
    // copy, deleted then, would take the settings with it.
    if (replacing &&
        (error == ERROR_UNABLE_TO_MOVE_REPLACEMENT || error == ERROR_UNABLE_TO_MOVE_REPLACEMENT_2 ||
         error == ERROR_FILE_NOT_FOUND)) {
      replacing = false;
      error = 0;
    } else if (Held(error) && ++tries < kTries) {
      Sleep(kRetryPauseMs);
      error = 0;
    }
  }
  bool inPlace = Exists(path);
  if (inPlace || !existed) calls.DeleteFile(written.c_str());
  return {error, inPlace == existed};
}

void AbandonReplacement(const TText& written, const TText& path) {
  if (written != path) FileCalls().DeleteFile(written.c_str());
}
