// A save through a copy of the program with administrator rights, where only administrators
// may write the program's folder (Program Files). The user's copy writes the settings to a new
// file of its own in the user's temporary folder and starts itself, with Windows' consent
// prompt, naming that file in one private argument; the elevated copy takes the file's
// settings and writes "VConfig.ini" beside itself, whole or not at all.
#pragma once
#include <windows.h>

#include "../wincontrols/objects/widetext.h"
#include "settings.h"

// The elevated copy's one argument, in quotes: this, then the transfer file's path and the
// closing quote.
constexpr wchar_t kElevatedSaveArgument[] = L"\"/elevated-save:";

// Whether the file's error says that this user may not write it, and administrator rights
// would help: access denied, or a volume that takes no writing; not a read-only file, nor a
// folder in its place, which no rights make writable.
bool AdministratorWouldHelp(const TText& path, DWORD error);
// Whether this user may write the file, or create it: 0, or the error. Found out by opening
// it for writing (or a new file beside it, deleted as it is closed): nothing is written or
// left behind.
DWORD TryWriting(const TText& path);

// The user's copy: the settings saved by an elevated copy of the program, the owner's window
// painted meanwhile but taking no input. ERROR_CANCELLED when the user refused the consent;
// otherwise what the elevated copy ended with.
TWriteResult SaveAsAdministrator(HWND owner, const TSettings& settings);
// The elevated copy: the transfer file's settings written to "VConfig.ini" beside the program;
// 0, or the Win32 error of what failed. The path from the command line is only ever read.
DWORD SaveTransferredSettings(const TWideText& transfer);
