// TText: the layer's byte string (Windows-1251 text, or any bytes). A small value type with the
// few operations the layer and the program need; running out of memory is a fatal run-time
// error. Converts to and from std::string for code that uses the standard library's strings.
#pragma once
#include <cstddef>
#include <string>

class TText {
 public:
  static constexpr size_t npos = static_cast<size_t>(-1);

  TText() = default;
  TText(const char* s);  // NOLINT: texts are written as literals everywhere
  TText(const char* s, size_t n);
  TText(const std::string& s) : TText(s.data(), s.size()) {}  // NOLINT
  TText(const TText& other) : TText(other.data(), other.fSize) {}
  TText(TText&& other) noexcept;
  ~TText();
  TText& operator=(const TText& other);
  TText& operator=(TText&& other) noexcept;

  operator std::string() const { return std::string(data(), fSize); }  // NOLINT

  const char* c_str() const { return fData ? fData : ""; }
  const char* data() const { return c_str(); }
  char* data() { return fData ? fData : const_cast<char*>(""); }
  size_t size() const { return fSize; }
  size_t length() const { return fSize; }
  bool empty() const { return fSize == 0; }
  char& operator[](size_t i) { return fData[i]; }
  char operator[](size_t i) const { return fData[i]; }
  char back() const { return fData[fSize - 1]; }

  void clear() { resize(0); }
  // New bytes are zero.
  void resize(size_t n);
  TText& append(const char* s, size_t n);
  TText& operator+=(const TText& s) { return append(s.data(), s.fSize); }
  TText& operator+=(const char* s);
  TText& operator+=(char ch) { return append(&ch, 1); }
  size_t rfind(char ch) const;
  size_t find(const char* s) const;
  TText substr(size_t pos, size_t n = npos) const;
  int compare(const TText& other) const;

 private:
  void Reserve(size_t n);

  char* fData = nullptr;  // zero-terminated; nil while nothing was ever stored
  size_t fSize = 0;
  size_t fCapacity = 0;
};

TText operator+(const TText& a, const TText& b);
TText operator+(const TText& a, const char* b);
TText operator+(const char* a, const TText& b);
TText operator+(const TText& a, char b);
bool operator==(const TText& a, const TText& b);
bool operator==(const TText& a, const char* b);
inline bool operator==(const char* a, const TText& b) { return b == a; }
inline bool operator!=(const TText& a, const TText& b) { return !(a == b); }
inline bool operator!=(const TText& a, const char* b) { return !(a == b); }
inline bool operator<(const TText& a, const TText& b) { return a.compare(b) < 0; }
