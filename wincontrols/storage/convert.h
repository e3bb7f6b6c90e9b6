#pragma once
// Integers as decimal text, the ASCII-only case-insensitive compare, and the program folder.
#include <cstdint>
#include <string>

std::string IntToText(int32_t value);
// Optional sign in the first position, then digits up to the first non-digit, modulo 2^32.
int32_t TextToInt(const std::string& text);
int CompareTextNoCase(const std::string& a, const std::string& b);
// The executable's folder with its trailing backslash.
std::string ProgramFolder();
