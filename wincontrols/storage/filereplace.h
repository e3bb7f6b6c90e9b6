// A file rewritten whole or not at all. The new content goes into a copy of the file beside
// it, and only a copy that was written and checked takes the file's place, in one step: a full
// disk, a power cut or a write that fails half-way leaves the old file as it was.
#pragma once
#include <windows.h>

#include "../objects/text.h"

struct TReplaceResult {
  DWORD error;     // 0, or the Win32 error of the step that failed
  bool untouched;  // on an error: the file is byte for byte as it was
};

// Where to write the new content of path: a fresh copy of it (or a new empty file when there
// is no file yet), or path itself where the folder refuses new files but the file may be
// written. Empty, with the error, when neither can be written (the file read-only, a folder,
// held open by another program, or no room for the copy).
TText StartReplacement(const TText& path, DWORD& error);
// Puts what was written in the place of path. On a failure the copy goes, unless the old file
// has already left its place: then the copy is all there is of the settings, and stays.
TReplaceResult FinishReplacement(const TText& written, const TText& path);
// Removes a copy that is not to be used.
void AbandonReplacement(const TText& written, const TText& path);
