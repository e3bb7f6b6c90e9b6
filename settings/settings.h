#pragma once
// The settings store: "VConfig.ini" beside the program and the autostart value.
#include "../wincontrols/objects/text.h"

class TFormRecord;
class TIniFile;

constexpr char kSettingsFileName[] = "VConfig.ini";
constexpr char kRunKeyPath[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr char kTrayProgram[] = "Vorduna.exe";
constexpr char kRunValueWritten[] = "vorduna.exe";  // value names ignore case

// The id registered for "WM_LOADCONFIG" by the start-up preparation; 0 until registered.
extern unsigned LoadConfigMessage;

// The open settings file while loading or saving runs.
extern TIniFile* SettingsIni;

TText SettingsFilePath();
TText AutostartCommand();

// Puts every stored value into its control.
void LoadSettings(TFormRecord* r);

enum TSaveResult : unsigned { kSaveOk = 0, kSaveFileFailed = 1, kSaveAutostartFailed = 2 };
// Writes every control back; reports what could not be written.
unsigned SaveSettings(TFormRecord* r);

// "WM_LOADCONFIG" to every top-level window; a hung window does not hold us up.
void SendReloadNotice();

// Save, notice, and a message box when something was not written. True when all was saved.
bool ApplySettings(TFormRecord* r);
