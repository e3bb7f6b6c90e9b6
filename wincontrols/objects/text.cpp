// TText: the layer's byte string.
#include "text.h"

#include <cstdlib>
#include <cstring>

#include "../../runtime/runtime_error.h"

TText::TText(const char* s) {
  if (s) append(s, strlen(s));
}

TText::TText(const char* s, size_t n) { append(s, n); }

TText::TText(TText&& other) noexcept
    : fData(other.fData), fSize(other.fSize), fCapacity(other.fCapacity) {
  other.fData = nullptr;
  other.fSize = other.fCapacity = 0;
}

TText::~TText() { free(fData); }

TText& TText::operator=(const TText& other) {
  if (this != &other) {
    fSize = 0;
    append(other.data(), other.fSize);
  }
  return *this;
}

TText& TText::operator=(TText&& other) noexcept {
  if (this != &other) {
    free(fData);
    fData = other.fData;
    fSize = other.fSize;
    fCapacity = other.fCapacity;
    other.fData = nullptr;
    other.fSize = other.fCapacity = 0;
  }
  return *this;
}

void TText::Reserve(size_t n) {
  if (fData && n <= fCapacity) return;
  size_t grown = fCapacity + fCapacity / 2;
  size_t capacity = n > grown ? n : grown;
  if (capacity < 15) capacity = 15;
  if (capacity + 1 < capacity) RuntimeError(kErrOutOfMemory);
  char* p = static_cast<char*>(realloc(fData, capacity + 1));
  if (!p) RuntimeError(kErrOutOfMemory);
  if (!fData) p[0] = 0;
  fData = p;
  fCapacity = capacity;
}

void TText::resize(size_t n) {
  if (n == fSize) return;
  Reserve(n);
  if (n > fSize) memset(fData + fSize, 0, n - fSize);
  fSize = n;
  fData[n] = 0;
}

TText& TText::append(const char* s, size_t n) {
  if (fSize + n < fSize) RuntimeError(kErrOutOfMemory);
  // The source may lie inside this text: remember its offset across the reallocation.
  bool inside = fData && s >= fData && s < fData + fCapacity + 1;
  size_t offset = inside ? static_cast<size_t>(s - fData) : 0;
  Reserve(fSize + n);
  if (inside) s = fData + offset;
  if (n) memmove(fData + fSize, s, n);
  fSize += n;
  fData[fSize] = 0;
  return *this;
}

TText& TText::operator+=(const char* s) { return append(s, strlen(s)); }

size_t TText::rfind(char ch) const {
  for (size_t i = fSize; i > 0; --i)
    if (fData[i - 1] == ch) return i - 1;
  return npos;
}

size_t TText::find(const char* s) const {
  size_t n = strlen(s);
  if (n > fSize) return npos;
  for (size_t i = 0; i + n <= fSize; ++i)
    if (memcmp(fData + i, s, n) == 0) return i;
  return npos;
}

TText TText::substr(size_t pos, size_t n) const {
  if (pos > fSize) pos = fSize;
  if (n > fSize - pos) n = fSize - pos;
  return TText(data() + pos, n);
}

int TText::compare(const TText& other) const {
  size_t n = fSize < other.fSize ? fSize : other.fSize;
  int c = n ? memcmp(data(), other.data(), n) : 0;
  if (c) return c;
  return fSize < other.fSize ? -1 : fSize > other.fSize ? 1 : 0;
}

TText operator+(const TText& a, const TText& b) {
  TText r(a);
  return r += b;
}
TText operator+(const TText& a, const char* b) {
  TText r(a);
  return r += b;
}
TText operator+(const char* a, const TText& b) {
  TText r(a);
  return r += b;
}
TText operator+(const TText& a, char b) {
  TText r(a);
  return r += b;
}

bool operator==(const TText& a, const TText& b) {
  return a.size() == b.size() && memcmp(a.data(), b.data(), a.size()) == 0;
}
bool operator==(const TText& a, const char* b) {
  size_t n = strlen(b);
  return a.size() == n && memcmp(a.data(), b, n) == 0;
}
