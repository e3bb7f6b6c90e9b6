#pragma once
// One section of an INI file at a time; each value operation reads or writes by the mode.
#include <cstdint>
#include "../objects/text.h"

#include "../objects/refobject.h"

class TIniFile : public TRefObject {
 public:
  void Destroy(bool freeMemory) override;

  bool Writing;
  TText FileName;
  TText Section;
  // Profile writes that failed since creation (a file the user cannot write).
  int32_t WriteFailures;
};

TIniFile* NewIniFile(const TText& fileName);
int32_t ExchangeInt(TIniFile* ini, const char* key, int32_t value);
bool ExchangeBool(TIniFile* ini, const char* key, bool value);
TText ExchangeStr(TIniFile* ini, const char* key, const TText& value);
