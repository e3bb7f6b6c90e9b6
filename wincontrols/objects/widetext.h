// TWideText: a text as the system's wide ("W") functions take it, UTF-16, and every conversion
// of the program. Bytes have a code page, and each conversion names it at the call:
// - the program's own texts are Windows-1251 TText, whatever code page the system uses for
//   non-Unicode programs: ProgramText on their way to a window, ToProgramText back;
// - paths and other texts of the ANSI functions are in the system's code page (CP_ACP):
//   SystemText and ToSystemText.
#pragma once
#include <cstddef>

#include "text.h"

class TWideText {
 public:
  TWideText() = default;
  // n units of UTF-16 as they are.
  TWideText(const wchar_t* text, size_t n);

  const wchar_t* c_str() const;
  size_t size() const { return fUnits.empty() ? 0 : fUnits.size() / 2; }
  bool empty() const { return fUnits.empty(); }
  wchar_t operator[](size_t i) const { return c_str()[i]; }
  TWideText& operator+=(const TWideText& other);
  // Room for n units and a NUL, zero-filled, for a function of the system to fill; then the
  // length that it filled.
  wchar_t* Room(size_t n);
  void Cut(size_t n);

 private:
  TText fUnits;  // the UTF-16 units as bytes, plus one NUL: with the TText's own, a wide NUL
};

TWideText operator+(const TWideText& a, const TWideText& b);
// Keeps what the system wrote up to its first NUL.
TWideText WideOf(const wchar_t* text);
bool operator==(const TWideText& a, const TWideText& b);
inline bool operator!=(const TWideText& a, const TWideText& b) { return !(a == b); }

// A text of the program's own, in Windows-1251, as UTF-16.
TWideText ProgramText(const TText& text);
TWideText ProgramText(const char* text);
// UTF-16 to Windows-1251; a character that code page lacks becomes '?'.
TText ToProgramText(const wchar_t* text, int length);
inline TText ToProgramText(const TWideText& text) {
  return ToProgramText(text.c_str(), static_cast<int>(text.size()));
}

// A text of the system's ANSI functions (a path, say), in the system's own code page, as
// UTF-16.
TWideText SystemText(const TText& ansi);
// The other way; false when the code page cannot spell every character (the text then has '?').
bool ToSystemText(const wchar_t* text, TText& ansi);
