#pragma once
// Integers as decimal text, the ASCII-only case-insensitive compare, and the program folder.
#include <cstdint>
#include "../objects/text.h"

TText IntToText(int32_t value);
// Optional sign in the first position, then digits up to the first non-digit, modulo 2^32.
int32_t TextToInt(const TText& text);
int CompareTextNoCase(const TText& a, const TText& b);
// The executable's folder with its trailing backslash.
TText ProgramFolder();
