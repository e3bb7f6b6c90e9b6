// The tray program's value in the user's Run key, and the notice that makes it reload.
#include <windows.h>

#include "../wincontrols/storage/convert.h"
#include "../wincontrols/storage/registry.h"
#include "settings.h"

unsigned LoadConfigMessage = 0;

namespace {
constexpr char kRunValueWritten[] = "vorduna.exe";  // value names ignore case
// Task Manager's switch for each Run value (Windows 8 and later), under the same name.
constexpr char kStartupApprovedPath[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\StartupApproved\\Run";
constexpr UINT kNoticeTimeoutMs = 5000;

bool RegValueExists(HKEY key, const char* name) {
  return RegQueryValueExA(key, name, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}

// Twelve bytes: the first is 2 or 6 while the entry is on, 3 or 7 while it is off, then a
// FILETIME. Windows takes a missing value as on.
bool SwitchedOff() {
  BYTE data[12];
  DWORD size = sizeof data;
  return RegGetValueA(HKEY_CURRENT_USER, kStartupApprovedPath, kTrayProgram, RRF_RT_REG_BINARY,
                      nullptr, data, &size) == ERROR_SUCCESS &&
         size && (data[0] & 1);
}
}  // namespace

TText AutostartCommand() { return ProgramFolder() + kTrayProgram; }

bool ReadAutostart() {
  HKEY key = OpenKeyForRead(HKEY_CURRENT_USER, kRunKeyPath);
  // The same path, but for the letter case of Latin letters; quotes or arguments do not count.
  bool on = CompareTextNoCase(ReadRegString(key, kTrayProgram), AutostartCommand()) == 0;
  CloseRegKey(key);
  return on && !SwitchedOff();
}

bool WriteAutostart(bool on) {
  HKEY key = OpenKeyForWrite(HKEY_CURRENT_USER, kRunKeyPath);
  bool ok;
  if (on) {
    ok = WriteRegString(key, kRunValueWritten, AutostartCommand());
    if (ok && SwitchedOff())
      ok = RegDeleteKeyValueA(HKEY_CURRENT_USER, kStartupApprovedPath, kTrayProgram) ==
           ERROR_SUCCESS;
  } else {
    // A value that was not there is not a failure.
    ok = DeleteRegValue(key, kTrayProgram) || !key || !RegValueExists(key, kTrayProgram);
  }
  CloseRegKey(key);
  return ok;
}

void SendReloadNotice() {
  DWORD_PTR answer = 0;
  SendMessageTimeoutA(HWND_BROADCAST, LoadConfigMessage, 0, 0, SMTO_ABORTIFHUNG | SMTO_NORMAL,
                      kNoticeTimeoutMs, &answer);
}
