#include "inifile.h"

#include <windows.h>

#include "convert.h"

namespace {
constexpr DWORD kStrBufferSize = 4096;

void Write(TIniFile* ini, const char* key, const TText& text) {
  // Empty texts go as "", never as null: a null value would delete the key.
  if (!WritePrivateProfileStringA(ini->Section.c_str(), key ? key : "", text.c_str(),
                                  ini->FileName.c_str()))
    ++ini->WriteFailures;
}
}  // namespace

TIniFile* NewIniFile(const TText& fileName) {
  TIniFile* ini = NewObject<TIniFile>();
  ini->FileName = fileName;
  return ini;
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
  char buffer[kStrBufferSize];
  DWORD n = GetPrivateProfileStringA(ini->Section.c_str(), key ? key : "", value.c_str(), buffer,
                                     kStrBufferSize, ini->FileName.c_str());
  return n ? TText(buffer) : TText();
}
