// The settings store: every value that the tray program reads from "VConfig.ini" beside the
// program, and its autostart value, as a plain record. The store knows no window.
#pragma once
#include <cstdint>

#include "../wincontrols/objects/text.h"
#include "../wincontrols/storage/filereplace.h"

// The user's autostart list, and the tray program's value in it (also read by the tests).
constexpr char kRunKeyPath[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr char kTrayProgram[] = "Vorduna.exe";

// A key and its modifier bits, as the tray program registers them; code 0 is no hotkey.
struct THotkey {
  int32_t code;
  int32_t mods;
};
inline bool operator==(const THotkey& a, const THotkey& b) {
  return a.code == b.code && a.mods == b.mods;
}

// Modifier bits as the tray program registers them
constexpr int32_t kModAlt = 1;
constexpr int32_t kModCtrl = 2;
constexpr int32_t kModShift = 4;
constexpr int32_t kModWin = 8;

// Volume up, volume down, sound off/on.
constexpr int kHotkeyCount = 3;

// The channel balance: 0 to kMaxBalance, kDefaultBalance where the file has none.
constexpr int32_t kMaxBalance = 100;
constexpr int32_t kDefaultBalance = 50;

struct TSettings {
  // [General]
  TText Device;  // a mixer device by name; empty is the primary device
  int32_t Balance = kDefaultBalance;
  int32_t Steps = 5000;  // read as its low 16 bits, written whole
  // [View]
  TText Skin = "Classic.vsk";  // a file of the Skins folder
  bool SkinInFile = false;     // read from the file, not the default
  bool BalloonHint = false;
  // [Mouse]
  bool Tray = true;                               // the wheel over the tray icon
  bool Ctrl = false, Alt = false, Shift = false;  // the wheel with these keys
  int32_t Click = 1, DClick = 2, MClick = 3;      // tray actions by number
  // [Hotkeys]
  THotkey Hotkeys[kHotkeyCount] = {};
  // [Config]
  int32_t TabIndex = 0;  // the page shown
  // Not in the file: the tray program's value in the user's Run key.
  bool Autostart = false;
};

// The id registered for "WM_LOADCONFIG" by the start-up preparation; 0 until registered.
extern unsigned LoadConfigMessage;

// "VConfig.ini" in the program's folder.
TText SettingsFilePath();
// The Run value this copy writes: the tray program's path beside it (also read by the tests).
TText AutostartCommand();

// The file's values; a missing file, section or key gives the default.
TSettings ReadSettings(const TText& path);
using TWriteResult = TReplaceResult;
// The settings of a file written by WriteSettings (an elevated copy's transfer file, below):
// 0, or why it is not such a file (missing, unreadable, over kMaxTransferSize, a key missing or
// otherwise than this program writes it). The record's values stand for what is not read.
constexpr LONGLONG kMaxTransferSize = 65536;  // 64 KiB
DWORD ReadTransfer(const TText& path, TSettings& settings);
// Every key, in the fixed order, into a copy of the file that then takes its place; the keys
// and sections of others, comments, letter case and order stay as the profile functions leave
// them. Only a copy whose every key reads back as written is used.
TWriteResult WriteSettings(const TText& path, const TSettings& settings);

// Whether the tray program beside this one starts at logon: the Run value names it, and Task
// Manager has not switched it off.
bool ReadAutostart();
// Sets the Run value, and takes back a switch-off of Task Manager's; or removes the Run value.
// False when that could not be done.
bool WriteAutostart(bool on);

// "WM_LOADCONFIG" to every top-level window; a hung window does not hold us up.
void SendReloadNotice();
