// The tray program's value in the user's Run key, and the notice that makes it reload.
#include <windows.h>

#include "../wincontrols/storage/convert.h"
#include "../wincontrols/storage/registry.h"
#include "settings.h"

unsigned LoadConfigMessage = 0;

namespace {
constexpr UINT kNoticeTimeoutMs = 5000;

bool RegValueExists(HKEY key, const char* name) {
  return RegQueryValueExA(key, name, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}
}  // namespace

TText AutostartCommand() { return ProgramFolder() + kTrayProgram; }

bool ReadAutostart() {
  HKEY key = OpenKeyForRead(HKEY_CURRENT_USER, kRunKeyPath);
  // The same path, but for the letter case of Latin letters; quotes or arguments do not count.
  bool on = CompareTextNoCase(ReadRegString(key, kTrayProgram), AutostartCommand()) == 0;
  CloseRegKey(key);
  return on;
}

bool WriteAutostart(bool on) {
  HKEY key = OpenKeyForWrite(HKEY_CURRENT_USER, kRunKeyPath);
  bool ok;
  if (on) {
    ok = WriteRegString(key, kRunValueWritten, AutostartCommand());
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
