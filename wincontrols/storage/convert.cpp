// Integers as decimal text, the ASCII-only case-insensitive compare, and the program folder.
#include "convert.h"

#include <windows.h>

TText IntToText(int32_t value) {
  uint32_t magnitude = value < 0 ? 0u - static_cast<uint32_t>(value) : static_cast<uint32_t>(value);
  char digits[12];
  int n = 0;
  do {
    digits[n++] = static_cast<char>('0' + magnitude % 10);
    magnitude /= 10;
  } while (magnitude);
  TText text;
  if (value < 0) text += '-';
  while (n) text += digits[--n];
  return text;
}

int32_t TextToInt(const TText& text) {
  size_t i = 0;
  bool negative = false;
  if (!text.empty() && (text[0] == '-' || text[0] == '+')) {
    negative = text[0] == '-';
    i = 1;
  }
  uint32_t value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
    value = value * 10 + static_cast<uint32_t>(text[i] - '0');
  if (negative) value = 0u - value;
  return static_cast<int32_t>(value);
}

static unsigned FoldAscii(unsigned char ch) { return ch >= 'a' && ch <= 'z' ? ch - 32 : ch; }

int CompareTextNoCase(const TText& a, const TText& b) {
  size_t n = a.size() < b.size() ? a.size() : b.size();
  for (size_t i = 0; i < n; ++i) {
    int d = static_cast<int>(FoldAscii(a[i])) - static_cast<int>(FoldAscii(b[i]));
    if (d) return d;
  }
  // One text ended: its terminating NUL compares below any byte.
  unsigned ca = n < a.size() ? FoldAscii(a[n]) : 0, cb = n < b.size() ? FoldAscii(b[n]) : 0;
  return static_cast<int>(ca) - static_cast<int>(cb);
}

TWideText ProgramFolderName() {
  wchar_t path[MAX_PATH] = {};
  DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
  if (n >= MAX_PATH) n = MAX_PATH - 1;
  while (n && path[n - 1] != L'\\') --n;
  return TWideText(path, n);
}

TText SystemPath(const TWideText& path, bool* spelled) {
  TText ansi;
  bool ok = ToSystemText(path.c_str(), ansi);
  if (!ok) {
    // The short name is ASCII where the volume makes short names at all.
    wchar_t shortPath[MAX_PATH];
    DWORD n = GetShortPathNameW(path.c_str(), shortPath, MAX_PATH);
    TText shortAnsi;
    if (n && n < MAX_PATH && ToSystemText(shortPath, shortAnsi)) {
      ansi = shortAnsi;
      ok = true;
    }
  }
  if (spelled) *spelled = ok;
  return ansi;
}

TText ProgramFolder(bool* spelled) { return SystemPath(ProgramFolderName(), spelled); }
