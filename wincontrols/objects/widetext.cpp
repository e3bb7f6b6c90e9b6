#include "widetext.h"

#include <windows.h>

namespace {
constexpr UINT kTextCodePage = 1251;  // the program's texts, never the system's CP_ACP

TWideText Widen(UINT codePage, const TText& text) {
  if (text.empty()) return TWideText();
  int n = MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  TText units;
  units.resize(static_cast<size_t>(n > 0 ? n : 0) * 2);
  if (n > 0)
    MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()),
                        reinterpret_cast<wchar_t*>(&units[0]), n);
  return TWideText(reinterpret_cast<const wchar_t*>(units.data()), units.size() / 2);
}
}  // namespace

TWideText::TWideText(const TText& text) : TWideText(Widen(kTextCodePage, text)) {}

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
  if (n >= size()) return;
  if (!n) return fUnits.clear();
  fUnits.resize(n * 2 + 1);
  fUnits[n * 2] = 0;
}

TWideText WideOf(const wchar_t* text) { return TWideText(text, static_cast<size_t>(lstrlenW(text))); }

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

TText NarrowText(const wchar_t* text, int length) {
  if (length <= 0) return TText();
  int n = WideCharToMultiByte(kTextCodePage, 0, text, length, nullptr, 0, nullptr, nullptr);
  TText bytes;
  bytes.resize(static_cast<size_t>(n > 0 ? n : 0));
  if (n > 0) WideCharToMultiByte(kTextCodePage, 0, text, length, &bytes[0], n, nullptr, nullptr);
  return bytes;
}

TWideText SystemText(const TText& ansi) { return Widen(CP_ACP, ansi); }

bool ToSystemText(const wchar_t* text, TText& ansi) {
  // Without best fit: "қ" would otherwise quietly become "к", a file that does not exist.
  // UTF-8 as the system's code page spells everything, and takes neither.
  BOOL usedDefault = FALSE;
  bool utf8 = GetACP() == CP_UTF8;
  DWORD flags = utf8 ? 0 : WC_NO_BEST_FIT_CHARS;
  BOOL* used = utf8 ? nullptr : &usedDefault;
  int n = WideCharToMultiByte(CP_ACP, flags, text, -1, nullptr, 0, nullptr, used);
  ansi.resize(static_cast<size_t>(n > 1 ? n : 1));
  if (n > 0) WideCharToMultiByte(CP_ACP, flags, text, -1, &ansi[0], n, nullptr, used);
  ansi.resize(ansi.size() - 1);  // the terminating NUL
  return n > 0 && !usedDefault;
}
