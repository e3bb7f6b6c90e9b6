// One section of an INI file at a time; each value operation reads or writes by the mode.
#pragma once
#include <windows.h>

#include <cstdint>
#include "../objects/text.h"

#include "../objects/refobject.h"

class TIniFile : public TRefObject {
 public:
  void Destroy(bool freeMemory) override;

  bool Writing;
  // With Writing: each value is read back from the file and compared with the one given,
  // instead of being written.
  bool Verifying;
  TText FileName;
  TText Section;
  // Writes that failed since creation (a file the user cannot write), or values that read back
  // otherwise than they were given; Error is the first failure's Win32 error.
  int32_t WriteFailures;
  DWORD Error;
};

// A value written but not found so in the file (Wine reports success for a write that did not
// fit on the disk).
constexpr DWORD kErrNotVerified = ERROR_WRITE_FAULT;

TIniFile* NewIniFile(const TText& fileName);
// Writes what the profile functions hold of the file to it, and forgets it: the next read
// comes from the disk.
void FlushIniFile(TIniFile* ini);
bool KeyExists(TIniFile* ini, const char* key);
int32_t ExchangeInt(TIniFile* ini, const char* key, int32_t value);
bool ExchangeBool(TIniFile* ini, const char* key, bool value);
TText ExchangeStr(TIniFile* ini, const char* key, const TText& value);
