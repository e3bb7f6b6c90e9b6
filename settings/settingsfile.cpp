// "VConfig.ini": the sections and keys in the one order that loading reads and saving writes.
#include "../wincontrols/storage/convert.h"
#include "../wincontrols/storage/filereplace.h"
#include "../wincontrols/storage/inifile.h"
#include "settings.h"

namespace {

constexpr char kSettingsFileName[] = "VConfig.ini";

// Key and modifier names of each hotkey.
constexpr char kHotkeyKeys[kHotkeyCount][2][8] = {
    {"UpKey", "UpMod"}, {"DownKey", "DownMod"}, {"MuteKey", "MuteMod"}};

// Reads into the record, the record's values being the defaults, or writes it, by the mode.
void Exchange(TIniFile* ini, TSettings& s) {
  ini->Section = "General";
  s.Device = ExchangeStr(ini, "Device", s.Device);
  s.Balance = ExchangeInt(ini, "Balance", s.Balance);
  s.Steps = ExchangeInt(ini, "Steps", s.Steps);
  ini->Section = "View";
  s.Skin = ExchangeStr(ini, "Skin", s.Skin);
  s.BalloonHint = ExchangeBool(ini, "BalloonHint", s.BalloonHint);
  ini->Section = "Mouse";
  s.Tray = ExchangeBool(ini, "Tray", s.Tray);
  s.Ctrl = ExchangeBool(ini, "Ctrl", s.Ctrl);
  s.Alt = ExchangeBool(ini, "Alt", s.Alt);
  s.Shift = ExchangeBool(ini, "Shift", s.Shift);
  s.Click = ExchangeInt(ini, "Click", s.Click);
  s.DClick = ExchangeInt(ini, "DClick", s.DClick);
  s.MClick = ExchangeInt(ini, "MClick", s.MClick);
  // Read as "Hotkeys", written as "HotKeys": section names ignore case, and a file made by
  // saving has the second.
  ini->Section = ini->Writing ? "HotKeys" : "Hotkeys";
  for (int i = 0; i < kHotkeyCount; ++i) {
    s.Hotkeys[i].code = ExchangeInt(ini, kHotkeyKeys[i][0], s.Hotkeys[i].code);
    s.Hotkeys[i].mods = ExchangeInt(ini, kHotkeyKeys[i][1], s.Hotkeys[i].mods);
  }
  ini->Section = "Config";
  s.TabIndex = ExchangeInt(ini, "TabIndex", s.TabIndex);
}

}  // namespace

TText SettingsFilePath() { return ProgramFolder() + kSettingsFileName; }

TSettings ReadSettings(const TText& path) {
  TSettings settings;
  TIniFile* ini = NewIniFile(path);
  Exchange(ini, settings);
  ini->Section = "View";
  settings.SkinInFile = KeyExists(ini, "Skin");
  Release(ini);
  settings.Steps &= 0xFFFF;  // only the low 16 bits count
  return settings;
}

DWORD ReadTransfer(const TText& path, TSettings& settings) {
  HANDLE f =
      CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (f == INVALID_HANDLE_VALUE) return GetLastError();
  LARGE_INTEGER size;
  bool small = GetFileSizeEx(f, &size) && size.QuadPart <= kMaxTransferSize;
  CloseHandle(f);
  if (!small) return ERROR_FILE_TOO_LARGE;
  TIniFile* ini = NewIniFile(path);
  Exchange(ini, settings);
  // Every key there, and as this program writes it: anything else is no file of the user's
  // copy.
  ini->Writing = ini->Verifying = true;
  Exchange(ini, settings);
  DWORD error = ini->WriteFailures ? ERROR_INVALID_DATA : 0;
  Release(ini);
  return error;
}

TWriteResult WriteSettings(const TText& path, const TSettings& settings) {
  TWriteResult result = {0, true};
  TText file = StartReplacement(path, result.error);
  if (file.empty()) return result;
  TSettings written = settings;
  TIniFile* ini = NewIniFile(file);
  ini->Writing = true;
  Exchange(ini, written);
  FlushIniFile(ini);
  // Read back from the disk: a write reported as done may not have reached it.
  ini->Verifying = true;
  Exchange(ini, written);
  FlushIniFile(ini);
  result.error = ini->WriteFailures ? ini->Error : 0;
  Release(ini);
  if (!result.error) return FinishReplacement(file, path);
  AbandonReplacement(file, path);
  result.untouched = file != path;
  return result;
}
