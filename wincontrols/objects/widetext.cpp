// TWideText and every conversion between the program's Windows-1251 texts, the system's ANSI
// code page and UTF-16.
#include "widetext.h"

#include <windows.h>

namespace {
constexpr UINT kTextCodePage = 1251;  // the program's texts, never the system's CP_ACP

// A byte is at most one unit.
TWideText Widen(UINT codePage, const char* text, size_t length) {
  TWideText wide;
  int n = MultiByteToWideChar(codePage, 0, text, static_cast<int>(length), wide.Room(length),
                              static_cast<int>(length));
  wide.Cut(n > 0 ? static_cast<size_t>(n) : 0);
  return wide;
}

// A unit is at most two bytes (a double-byte code page). usedDefault, when given, tells whether
// a character had to become '?'.
TText Narrow(UINT codePage, DWORD flags, const wchar_t* text, int length, BOOL* usedDefault) {
  TText bytes;
  if (length <= 0) return bytes;
  bytes.resize(static_cast<size_t>(length) * 2);
  int n = WideCharToMultiByte(codePage, flags, text, length, &bytes[0], length * 2, nullptr,
                              usedDefault);
  bytes.resize(n > 0 ? static_cast<size_t>(n) : 0);
  return bytes;
}
}  // namespace

TWideText::TWideText(const wchar_t* text, size_t n) {
  if (!n) return;
  fUnits.append(reinterpret_cast<const char*>(text), n * 2);
  fUnits += '\0';
}

const wchar_t* TWideText::c_str() const {
  return fUnits.empty() ? L"" : reinterpret_cast<const wchar_t*>(fUnits.data());
}

TWideText& TWideText::operator+=(const TWideText& other) {
  if (other.empty()) return *this;
  if (empty()) return *this = other;
  fUnits.resize(fUnits.size() - 1);
  fUnits += other.fUnits;
  return *this;
}

wchar_t* TWideText::Room(size_t n) {
  fUnits.clear();
  fUnits.resize(n * 2 + 1);
  return reinterpret_cast<wchar_t*>(&fUnits[0]);
}

void TWideText::Cut(size_t n) {
  if (!n) return fUnits.clear();
  if (n >= size()) return;
  fUnits.resize(n * 2 + 1);
  fUnits[n * 2] = 0;
}

TWideText WideOf(const wchar_t* text) {
  return TWideText(text, static_cast<size_t>(lstrlenW(text)));
}

TWideText operator+(const TWideText& a, const TWideText& b) {
  TWideText r(a);
  return r += b;
}

bool operator==(const TWideText& a, const TWideText& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (a[i] != b[i]) return false;
  return true;
}

TWideText ProgramText(const TText& text) { return Widen(kTextCodePage, text.data(), text.size()); }

TWideText ProgramText(const char* text) { return Widen(kTextCodePage, text, lstrlenA(text)); }

TText ToProgramText(const wchar_t* text, int length) {
  return Narrow(kTextCodePage, 0, text, length, nullptr);
}

TWideText SystemText(const TText& ansi) { return Widen(CP_ACP, ansi.data(), ansi.size()); }

bool ToSystemText(const wchar_t* text, TText& ansi) {
  // Without best fit: "қ" would otherwise quietly become "к", a file that does not exist.
  // UTF-8 as the system's code page spells everything, and takes neither.
  BOOL usedDefault = FALSE;
  bool utf8 = GetACP() == CP_UTF8;
  ansi = Narrow(CP_ACP, utf8 ? 0 : WC_NO_BEST_FIT_CHARS, text, lstrlenW(text),
                utf8 ? nullptr : &usedDefault);
  return !usedDefault;
}
