// A save through a copy of the program with administrator rights.
#include "elevatedsave.h"

#include <shellapi.h>

#include <cstring>

#include "../wincontrols/dispatch/messageloop.h"
#include "../wincontrols/storage/convert.h"
#include "../wincontrols/storage/filecalls.h"

bool AdministratorWouldHelp(const TText& path, DWORD error) {
  DWORD attributes = GetFileAttributesA(path.c_str());
  return (error == ERROR_ACCESS_DENIED || error == ERROR_WRITE_PROTECT) &&
         (attributes == INVALID_FILE_ATTRIBUTES ||
          !(attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)));
}

DWORD TryWriting(const TText& path) {
  bool exists = GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
  HANDLE f = CreateFileA((exists ? path : path + ".new").c_str(), GENERIC_WRITE,
                         FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                         exists ? OPEN_EXISTING : CREATE_NEW,
                         exists ? 0 : FILE_FLAG_DELETE_ON_CLOSE, nullptr);
  if (f == INVALID_HANDLE_VALUE) return GetLastError();
  CloseHandle(f);
  return 0;
}

TWriteResult SaveAsAdministrator(HWND owner, const TSettings& settings) {
  TWriteResult result = {ERROR_PATH_NOT_FOUND, true};
  // The one argument, quoted as a whole: the switch, then the transfer file's whole path (the
  // elevated copy has a temporary folder of its own, another user's where this one is no
  // administrator).
  wchar_t folder[MAX_PATH], self[MAX_PATH], argument[MAX_PATH + 24];
  memcpy(argument, kElevatedSaveArgument, sizeof kElevatedSaveArgument);
  wchar_t* transfer = argument + lstrlenW(argument);
  if (!GetTempPathW(MAX_PATH, folder) || !GetTempFileNameW(folder, L"vcf", 0, transfer))
    return result;
  TText path = SystemPath(WideOf(transfer), nullptr);
  result = WriteSettings(path, settings);
  lstrcatW(transfer, L"\"");
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  SHELLEXECUTEINFOW run = {};
  run.cbSize = sizeof run;
  run.fMask = SEE_MASK_NOCLOSEPROCESS;
  run.hwnd = owner;
  run.lpVerb = L"runas";
  run.lpFile = self;
  run.lpParameters = argument;
  if (!result.error) {
    if (!FileCalls().RunElevated(&run)) {
      result.error = GetLastError();
    } else {
      EnableWindow(owner, FALSE);
      while (MsgWaitForMultipleObjects(1, &run.hProcess, FALSE, INFINITE, QS_ALLINPUT) !=
             WAIT_OBJECT_0)
        ProcessMessages();
      EnableWindow(owner, TRUE);
      GetExitCodeProcess(run.hProcess, &result.error);
      CloseHandle(run.hProcess);
      // Whether a failed copy left the file as it was, it cannot say.
      result.untouched = false;
    }
  }
  DeleteFileA(path.c_str());
  return result;
}

DWORD SaveTransferredSettings(const TWideText& transfer) {
  TSettings settings;
  DWORD error = ReadTransfer(SystemPath(transfer, nullptr), settings);
  return error ? error : WriteSettings(SettingsFilePath(), settings).error;
}
