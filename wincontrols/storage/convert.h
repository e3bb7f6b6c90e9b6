// Integers as decimal text, the ASCII-only case-insensitive compare, and the program folder.
#pragma once
#include <cstdint>
#include "../objects/text.h"
#include "../objects/widetext.h"

TText IntToText(int32_t value);
// Optional sign in the first position, then digits up to the first non-digit, modulo 2^32.
int32_t TextToInt(const TText& text);
int CompareTextNoCase(const TText& a, const TText& b);
// The executable's folder with its trailing backslash, as its name is.
TWideText ProgramFolderName();
// A path in the system's ANSI code page, which the file functions take. One whose name that
// code page cannot spell is given by its short (8.3) path; where it has none, spelled is false
// and the text has '?' for the letters it lacks (also called by a test).
TText SystemPath(const TWideText& path, bool* spelled);
// The program's folder so.
TText ProgramFolder(bool* spelled = nullptr);
