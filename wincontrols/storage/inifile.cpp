// TIniFile: one section of an INI file at a time, read or written by its mode, and read back.
#include "inifile.h"

#include <windows.h>

#include "convert.h"
#include "filecalls.h"

namespace {
constexpr DWORD kStrBufferSize = 4096;
// Shared by the two readers below (one thread, neither calls the other): off the stack, their
// frames stay under the 4 KB guard page, and no stack probe is needed.
char ReadBuffer[kStrBufferSize];

void Fail(TIniFile* ini, DWORD error) {
  if (!ini->WriteFailures++) ini->Error = error;
}

// What reading gives for a value written as text: without the blanks around it, and without
// the quotes around it.
TText AsRead(const TText& text) {
  size_t first = 0, end = text.size();
  while (first < end && (text[first] == ' ' || text[first] == '\t')) ++first;
  while (end > first && (text[end - 1] == ' ' || text[end - 1] == '\t')) --end;
  if (end - first >= 2 && (text[first] == '"' || text[first] == '\'') &&
      text[end - 1] == text[first]) {
    ++first;
    --end;
  }
  return text.substr(first, end - first);
}

void Verify(TIniFile* ini, const char* key, const TText& text) {
  char* buffer = ReadBuffer;
  // A default that no written value is: a missing key never passes.
  DWORD n = FileCalls().ReadProfileString(ini->Section.c_str(), key, "\x01", buffer, kStrBufferSize,
                                          ini->FileName.c_str());
  if (TText(buffer, n) != AsRead(text)) Fail(ini, kErrNotVerified);
}

void Write(TIniFile* ini, const char* key, const TText& text) {
  if (!key) key = "";
  if (ini->Verifying) return Verify(ini, key, text);
  // Empty texts go as "", never as null: a null value would delete the key.
  if (!FileCalls().WriteProfileString(ini->Section.c_str(), key, text.c_str(),
                                      ini->FileName.c_str()))
    Fail(ini, GetLastError());
}
}  // namespace

TIniFile* NewIniFile(const TText& fileName) {
  TIniFile* ini = NewObject<TIniFile>();
  ini->FileName = fileName;
  return ini;
}

void FlushIniFile(TIniFile* ini) {
  // Answers false by design.
  FileCalls().WriteProfileString(nullptr, nullptr, nullptr, ini->FileName.c_str());
}

bool KeyExists(TIniFile* ini, const char* key) {
  char buffer[2];
  // A default that no stored value is.
  GetPrivateProfileStringA(ini->Section.c_str(), key, "\x01", buffer, sizeof buffer,
                           ini->FileName.c_str());
  return buffer[0] != '\x01';
}

void TIniFile::Destroy(bool freeMemory) {
  FileName.clear();
  Section.clear();
  TRefObject::Destroy(freeMemory);
}

int32_t ExchangeInt(TIniFile* ini, const char* key, int32_t value) {
  if (ini->Writing) {
    Write(ini, key, IntToText(value));
    return value;
  }
  return static_cast<int32_t>(
      GetPrivateProfileIntA(ini->Section.c_str(), key ? key : "", value, ini->FileName.c_str()));
}

bool ExchangeBool(TIniFile* ini, const char* key, bool value) {
  if (ini->Writing) {
    Write(ini, key, value ? "1" : "0");
    return value;
  }
  return GetPrivateProfileIntA(ini->Section.c_str(), key ? key : "", value ? 1 : 0,
                               ini->FileName.c_str()) != 0;
}

TText ExchangeStr(TIniFile* ini, const char* key, const TText& value) {
  if (ini->Writing) {
    Write(ini, key, value);
    return value;
  }
  char* buffer = ReadBuffer;
  DWORD n = GetPrivateProfileStringA(ini->Section.c_str(), key ? key : "", value.c_str(), buffer,
                                     kStrBufferSize, ini->FileName.c_str());
  return n ? TText(buffer) : TText();
}
