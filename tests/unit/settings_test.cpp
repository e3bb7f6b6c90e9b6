// The settings store, the save's guarantees, and the settings window built as the program builds
// it.
#include <objbase.h>
#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <vector>

#include "app/startup.h"
#include "settings/elevatedsave.h"
#include "settings/settings.h"
#include "support/test_support.h"
// By a relative path: the build compiles escaped copies of both files, side by side.
#include "../support/window_table.h"
#include "ui/about.h"
#include "ui/catalogues.h"
#include "ui/formrecord.h"
#include "ui/hotkeycheck.h"
#include "ui/settingsview.h"
#include "wincontrols/controls/dpi.h"
#include "wincontrols/controls/geometry.h"
#include "wincontrols/controls/navigation.h"
#include "wincontrols/controls/operations.h"
#include "wincontrols/controls/tabpages.h"
#include "wincontrols/dispatch/dispatch.h"
#include "wincontrols/dispatch/globals.h"
#include "wincontrols/gdi/color.h"
#include "wincontrols/gdi/drawcontext.h"
#include "wincontrols/gdi/gditool.h"
#include "wincontrols/storage/filecalls.h"
#include "wincontrols/storage/registry.h"

namespace {

class SettingsWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    ini = SettingsFilePath();
    DeleteFileA(ini.c_str());
    CreateDirectoryA((TestFolder() + "Skins").c_str(), nullptr);
    for (const char* skin : {"Classic.vsk", "Night.vsk"})
      CopyFileA((WinPath(VCONFIG_DIST_DIR) + "\\Skins\\" + skin).c_str(),
                (TestFolder() + "Skins\\" + skin).c_str(), FALSE);
    HKEY run = OpenKeyForWrite(HKEY_CURRENT_USER, kRunKeyPath);
    DeleteRegValue(run, kTrayProgram);
    CloseRegKey(run);
  }
  void Build(const std::string& file = std::string()) {
    if (!file.empty()) WriteFileBytes(ini, file);
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, ini.c_str());  // drop Wine's cached copy
    BuildSettingsWindow(FormRecord, nullptr);
    r = FormRecord;
  }
  void TearDown() override {
    if (r) {
      TControl* form = r->SettingsForm;
      AppMainWindow = nullptr;
      Release(form);
    }
    FormRecord = nullptr;
    KeyCodeList.clear();
    SkinList.clear();
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    }
  }
  int SkinIndex(const char* file) {
    for (size_t i = 0; i < SkinList.size(); ++i)
      if (lstrcmpiA(SkinList[i].FileName.c_str(), file) == 0) return static_cast<int>(i);
    return -1;
  }
  std::string ini;
  TFormRecord* r = nullptr;
};

const char kDefaultFile[] =
    "[General]\r\nDevice=\r\nBalance=50\r\nSteps=5000\r\n"
    "[View]\r\nSkin=Classic.vsk\r\nBalloonHint=0\r\n"
    "[Mouse]\r\nTray=1\r\nCtrl=0\r\nAlt=0\r\nShift=0\r\nClick=1\r\nDClick=2\r\nMClick=3\r\n"
    "[HotKeys]\r\nUpKey=0\r\nUpMod=0\r\nDownKey=0\r\nDownMod=0\r\nMuteKey=0\r\nMuteMod=0\r\n"
    "[Config]\r\nTabIndex=0\r\n";

}  // namespace

namespace {

// The store alone, with no window.
class Store : public ::testing::Test {
 protected:
  void SetUp() override { DeleteFileA(path.c_str()); }
  void Write(const std::string& bytes) {
    WriteFileBytes(path, bytes);
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, path.c_str());  // drop Wine's cached copy
  }
  std::string path = TestFolder() + "store.ini";
};

// A record as one line, to compare whole records.
std::string Fields(const TSettings& s) {
  std::string out = "Device=" + std::string(s.Device) + " Balance=" + std::to_string(s.Balance) +
                    " Steps=" + std::to_string(s.Steps) + " Skin=" + std::string(s.Skin) +
                    " BalloonHint=" + std::to_string(s.BalloonHint) +
                    " Tray=" + std::to_string(s.Tray) + " Ctrl=" + std::to_string(s.Ctrl) +
                    " Alt=" + std::to_string(s.Alt) + " Shift=" + std::to_string(s.Shift) +
                    " Click=" + std::to_string(s.Click) + " DClick=" + std::to_string(s.DClick) +
                    " MClick=" + std::to_string(s.MClick);
  for (const THotkey& key : s.Hotkeys)
    out += " Key=" + std::to_string(key.code) + "+" + std::to_string(key.mods);
  return out + " TabIndex=" + std::to_string(s.TabIndex) +
         " Autostart=" + std::to_string(s.Autostart);
}

}  // namespace

TEST_F(Store, DefaultsAndTheFileThatSavingMakesOfThem) {
  TSettings defaults = ReadSettings(path);
  EXPECT_EQ(Fields(defaults),
            "Device= Balance=50 Steps=5000 Skin=Classic.vsk BalloonHint=0 Tray=1 Ctrl=0 Alt=0 "
            "Shift=0 Click=1 DClick=2 MClick=3 Key=0+0 Key=0+0 Key=0+0 TabIndex=0 Autostart=0");
  EXPECT_EQ(WriteSettings(path, defaults).error, 0u);
  EXPECT_EQ(ReadFileBytes(path), kDefaultFile)
      << "every key in the fixed order, the hotkeys as HotKeys";
}

TEST_F(Store, OddValuesLetterCaseAndSixteenBitSteps) {
  Write(
      "[general]\r\nsteps=70536\r\nBalance=-5\r\nDevice=Speakers (USB)\r\n[View]\r\nSkin=\r\n"
      "[Mouse]\r\nClick=abc\r\nDClick=7\r\nTray=0\r\nAlt=7\r\n[HOTKEYS]\r\nUPKEY=65\r\nUpMod=22\r\n"
      "[Config]\r\nTabIndex=-1\r\n");
  TSettings s = ReadSettings(path);
  EXPECT_EQ(Fields(s),
            "Device=Speakers (USB) Balance=-5 Steps=5000 Skin= BalloonHint=0 Tray=0 Ctrl=0 Alt=1 "
            "Shift=0 Click=0 DClick=7 MClick=3 Key=65+22 Key=0+0 Key=0+0 TabIndex=-1 Autostart=0")
      << "names in any letter case; the low 16 bits of 70536; an empty value is not the default; "
         "a value that is not a number is 0, a boolean other than 0 is true";
  s.Steps = 70000;
  EXPECT_EQ(WriteSettings(path, s).error, 0u);
  std::string file = ReadFileBytes(path);
  EXPECT_NE(file.find("steps=70000\r\nBalance=-5\r\nDevice=Speakers (USB)\r\n"), std::string::npos)
      << "written whole, the keys as they were: " << file;
  EXPECT_NE(file.find("Skin=\r\n"), std::string::npos) << "an empty text keeps its key";
  EXPECT_NE(file.find("[HOTKEYS]\r\n"), std::string::npos) << "a section keeps its letter case";
}

TEST_F(Store, AutostartValueWithoutLatinCaseAndAnUnwritableFile) {
  HKEY run = OpenKeyForWrite(HKEY_CURRENT_USER, kRunKeyPath);
  ASSERT_TRUE(WriteAutostart(true));
  EXPECT_EQ(ReadRegString(run, kTrayProgram), AutostartCommand());
  std::string upper = AutostartCommand();
  for (char& ch : upper) ch = static_cast<char>(toupper(static_cast<unsigned char>(ch)));
  WriteRegString(run, kTrayProgram, upper);
  EXPECT_TRUE(ReadAutostart()) << "the path but for Latin letter case";
  WriteRegString(run, kTrayProgram, "\"" + AutostartCommand() + "\"");
  EXPECT_FALSE(ReadAutostart()) << "quoted, it is another command";
  EXPECT_TRUE(WriteAutostart(false));
  EXPECT_TRUE(WriteAutostart(false)) << "deleting a missing value is fine";
  EXPECT_EQ(ReadRegString(run, kTrayProgram), "");
  EXPECT_FALSE(ReadAutostart());
  CloseRegKey(run);

  Write("[General]\r\nBalance=7\r\n");
  HANDLE lock = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  TWriteResult locked = WriteSettings(path, TSettings());
  EXPECT_EQ(locked.error, static_cast<DWORD>(ERROR_SHARING_VIOLATION))
      << "a file that cannot be written is told";
  EXPECT_TRUE(locked.untouched);
  CloseHandle(lock);
  EXPECT_EQ(ReadFileBytes(path), "[General]\r\nBalance=7\r\n");
}

namespace {

// One fault in the save's calls to the system: call number gFaultAt fails with gFault, and
// leaves the files as Windows documents for that failure.
TFileCalls gSystem;
int gCalls, gFaultAt;
DWORD gFault;
bool gSwapOnly;        // only the calls that swap the files count
bool gMoveFailsAfter;  // and the move that follows the failed swap fails too
char gFaulted;         // the kind of call that failed: 'c'opy, 'w'rite, 'r'ead, 'f'lush, 'R'eplace,
                       // 'm'ove, 'd'elete

bool Faulted(char kind) {
  if (gSwapOnly && kind != 'R' && kind != 'm') return false;
  if (++gCalls != gFaultAt) return false;
  gFaulted = kind;
  SetLastError(gFault);
  return true;
}
BOOL WINAPI FaultyCopy(LPCSTR a, LPCSTR b, BOOL f) {
  return !Faulted('c') && gSystem.CopyFile(a, b, f);
}
BOOL WINAPI FaultyWrite(LPCSTR s, LPCSTR k, LPCSTR v, LPCSTR f) {
  return !Faulted('w') && gSystem.WriteProfileString(s, k, v, f);
}
DWORD WINAPI FaultyRead(LPCSTR s, LPCSTR k, LPCSTR d, LPSTR to, DWORD n, LPCSTR f) {
  if (!Faulted('r')) return gSystem.ReadProfileString(s, k, d, to, n, f);
  *to = 0;
  return 0;
}
BOOL WINAPI FaultyFlush(HANDLE h) { return !Faulted('f') && gSystem.FlushFileBuffers(h); }
BOOL WINAPI FaultyReplace(LPCSTR replaced, LPCSTR replacement, LPCSTR backup, DWORD flags, LPVOID x,
                          LPVOID y) {
  if (!Faulted('R')) return gSystem.ReplaceFile(replaced, replacement, backup, flags, x, y);
  // With no backup name: 1176, the replaced file is gone; 1177, it is under another name.
  // "Not found": another program removed it between the copy and the swap.
  if (gFault == ERROR_UNABLE_TO_MOVE_REPLACEMENT || gFault == ERROR_FILE_NOT_FOUND)
    DeleteFileA(replaced);
  if (gFault == ERROR_UNABLE_TO_MOVE_REPLACEMENT_2)
    MoveFileA(replaced, (std::string(replaced) + "~RF1a2b.TMP").c_str());
  SetLastError(gFault);
  return FALSE;
}
BOOL WINAPI FaultyMove(LPCSTR a, LPCSTR b, DWORD f) {
  if (gMoveFailsAfter && gFaulted == 'R') {
    SetLastError(ERROR_WRITE_FAULT);
    return FALSE;
  }
  return !Faulted('m') && gSystem.MoveFileEx(a, b, f);
}
BOOL WINAPI FaultyDelete(LPCSTR a) { return !Faulted('d') && gSystem.DeleteFile(a); }

}  // namespace

TEST_F(Store, AFaultAtAnyStepOfTheSaveLeavesTheOldFileOrTheNewOne) {
  // The error; whether it comes from the swap alone (ReplaceFile's own outcomes) or from any
  // call in turn; and whether the save gets through when it comes once from the swap: a file
  // held for a moment is tried again, and after 1176, 1177 and a file gone the copy is whole
  // and goes into place. Last, 1176 and then a move that fails: only the copy is left.
  const struct {
    DWORD error;
    bool swapOnly, passesAtTheSwap, moveFailsAfter;
  } kFaults[] = {{ERROR_WRITE_FAULT, false, false, false},
                 {ERROR_ACCESS_DENIED, false, true, false},
                 {ERROR_SHARING_VIOLATION, true, true, false},
                 {ERROR_UNABLE_TO_REMOVE_REPLACED, true, true, false},
                 {ERROR_UNABLE_TO_MOVE_REPLACEMENT, true, true, false},
                 {ERROR_UNABLE_TO_MOVE_REPLACEMENT_2, true, true, false},
                 {ERROR_FILE_NOT_FOUND, true, true, false},
                 {ERROR_UNABLE_TO_MOVE_REPLACEMENT, true, false, true}};
  const std::string before = "[Tray]\r\nOwn=1\r\n[General]\r\nBalance=7\r\n", copy = path + ".new";
  TSettings wanted;
  wanted.Balance = 33;
  gSystem = FileCalls();
  const TFileCalls faulty = {FaultyCopy,    FaultyWrite, FaultyRead,   FaultyFlush,
                             FaultyReplace, FaultyMove,  FaultyDelete, nullptr};
  int runs = 0;
  for (bool existing : {true, false}) {
    for (const auto& fault : kFaults) {
      for (gFaultAt = 1;; ++gFaultAt) {
        DeleteFileA(path.c_str());
        if (existing) Write(before);
        gCalls = 0;
        gFault = fault.error;
        gSwapOnly = fault.swapOnly;
        gMoveFailsAfter = fault.moveFailsAfter;
        gFaulted = 0;
        FileCallsOverride = &faulty;
        TWriteResult result = WriteSettings(path, wanted);
        FileCallsOverride = nullptr;
        if (!gFaulted) break;  // every call has had its fault
        ++runs;
        SCOPED_TRACE(testing::Message()
                     << (existing ? "a file" : "no file") << ", error " << fault.error
                     << " at call " << gFaultAt << " (" << gFaulted << ")");
        if (fault.moveFailsAfter && gFaulted == 'R') {
          EXPECT_NE(result.error, 0u);
          EXPECT_FALSE(result.untouched) << "the old file is gone: never told it is unchanged";
          WritePrivateProfileStringA(nullptr, nullptr, nullptr, copy.c_str());
          EXPECT_EQ(Fields(ReadSettings(copy)), Fields(wanted)) << "the copy keeps the settings";
          DeleteFileA(copy.c_str());
          continue;
        }
        std::string file = ReadFileBytes(path);
        bool old =
            existing ? file == before : GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES;
        WritePrivateProfileStringA(nullptr, nullptr, nullptr, path.c_str());
        bool saved = !old && Fields(ReadSettings(path)) == Fields(wanted) &&
                     (!existing || file.find("[Tray]\r\nOwn=1\r\n") == 0);
        EXPECT_TRUE(old || saved) << "the old file or the new settings, never neither: " << file;
        EXPECT_EQ(result.error != 0, !saved)
            << "a failure is told exactly when the new settings are not in place";
        EXPECT_TRUE(old || !result.untouched);
        EXPECT_TRUE(gFaulted != 'R' || (result.error == 0) == fault.passesAtTheSwap)
            << "at the swap";
        EXPECT_TRUE(gFaulted == 'd' || GetFileAttributesA(copy.c_str()) == INVALID_FILE_ATTRIBUTES)
            << "no copy left";
        DeleteFileA(copy.c_str());
      }
    }
  }
  EXPECT_GT(runs, 2 * 2 * 40 + 4) << "every call of the save failed once";
}

TEST(HotkeyText, EveryModifierMixAndAnExtendedKeyName) {
  // Indexed by the modifier bits: Alt 1, Ctrl 2, Shift 4, Win 8.
  static const char* const kTexts[16] = {
      "A",           "Alt+A",           "Ctrl+A",           "Ctrl+Alt+A",
      "Shift+A",     "Alt+Shift+A",     "Ctrl+Shift+A",     "Ctrl+Alt+Shift+A",
      "Win+A",       "Alt+Win+A",       "Ctrl+Win+A",       "Ctrl+Alt+Win+A",
      "Shift+Win+A", "Alt+Shift+Win+A", "Ctrl+Shift+Win+A", "Ctrl+Alt+Shift+Win+A"};
  for (int mods = 0; mods < 16; ++mods)
    EXPECT_EQ(HotkeyText({'A', mods}), ProgramText(kTexts[mods]));
  char keypad[64] = "";  // the keypad's 9 has the same scan code without the extended flag
  GetKeyNameTextA(static_cast<LONG>(MapVirtualKeyA(VK_PRIOR, 0) << 16), keypad, sizeof keypad);
  ASSERT_FALSE(KeyName(VK_PRIOR).empty());
  EXPECT_NE(KeyName(VK_PRIOR), SystemText(keypad));
  EXPECT_EQ(HotkeyText({VK_PRIOR, 15}), ProgramText("Ctrl+Alt+Shift+Win+") + KeyName(VK_PRIOR))
      << "Page Up by the name its list shows, not its keypad twin's";
}

TEST_F(SettingsWindow, ShowsARecordAndCollectsItBack) {
  // The skin that the file search finds first, named in lower case: its entry, not a missing
  // file's.
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((TestFolder() + "Skins\\*.vsk").c_str(), &found);
  ASSERT_NE(search, INVALID_HANDLE_VALUE);
  FindClose(search);
  std::string firstSkin = found.cFileName;
  for (char& ch : firstSkin) ch = static_cast<char>(tolower(static_cast<unsigned char>(ch)));
  Build("[View]\r\nSkin=" + firstSkin +
        "\r\n[HotKeys]\r\nUpKey=65\r\nUpMod=6\r\nDownKey=16\r\nDownMod=2\r\n"
        "MuteKey=0\r\nMuteMod=7\r\n[General]\r\nBalance=150\r\nSteps=3000\r\nDevice=USB Headset\r\n"
        "[Mouse]\r\nClick=7\r\n[Config]\r\nTabIndex=3\r\n");
  EXPECT_EQ(GetCurIndex(r->SkinCombo), 0) << "file names ignore letter case";
  EXPECT_EQ(ItemCount(r->SkinCombo), 2);
  ASSERT_FALSE(KeyCodeList.empty());
  ASSERT_NE(GetCurIndex(r->UpKeyCombo), 0);
  EXPECT_EQ(KeyCodeList[GetCurIndex(r->UpKeyCombo) - 1], 65);
  EXPECT_TRUE(IsChecked(r->UpCtrlCheck) && IsChecked(r->UpShiftCheck) && !IsChecked(r->UpAltCheck));
  // Shift (16) is never offered: it gets an item of its own, after the listed keys.
  EXPECT_EQ(GetCurIndex(r->DownKeyCombo), static_cast<int>(KeyCodeList.size()) + 1);
  EXPECT_EQ(GetItemText(r->DownKeyCombo, GetCurIndex(r->DownKeyCombo)),
            ToProgramText(KeyTitle(16)));
  EXPECT_EQ(ItemCount(r->UpKeyCombo), static_cast<int>(KeyCodeList.size()) + 1)
      << "in that group's list alone";
  EXPECT_TRUE(IsChecked(r->DownCtrlCheck));
  EXPECT_FALSE(IsChecked(r->MuteAltCheck)) << "without a key its modifiers stay clear";
  EXPECT_EQ(GetCurIndex(r->DeviceCombo), ItemCount(r->DeviceCombo) - 1);
  EXPECT_EQ(GetText(r->DeviceCombo), "USB Headset (не подключено)")
      << "a device not connected today";
  EXPECT_EQ(GetText(r->BalanceEdit), "100") << "the change handler reacts to loading";
  EXPECT_EQ(GetItemText(r->StepCombo, 0), "3000") << "a step the list lacks comes first";
  EXPECT_EQ(ItemCount(r->StepCombo), 6);
  EXPECT_EQ(GetCurIndex(r->ClickCombo), -1) << "an action outside the list";
  for (int page = 0; page < 5; ++page)
    EXPECT_EQ(GetPage(r->SettingsTabs, page)->fVisible, page == kHotkeysPage) << "page " << page;
  EXPECT_EQ(
      Fields(CollectSettings(r)),
      "Device=USB Headset Balance=100 Steps=3000 Skin=" + firstSkin +
          " BalloonHint=0 Tray=1 Ctrl=0 Alt=0 Shift=0 Click=7 DClick=2 MClick=3 Key=65+6 Key=16+2 "
          "Key=0+0 TabIndex=3 Autostart=0")
      << "what the lists lack is kept";
  SetChecked(r->MuteCtrlCheck, true);  // key "Нет": no modifiers
  SetCurIndex(r->DownKeyCombo, 3);
  SetChecked(r->DownWinCheck, true);
  SetText(r->StepCombo, "123abc");
  SetCurIndex(r->DeviceCombo, 0);
  SetCurIndex(r->SkinCombo, 1);
  TSettings collected = CollectSettings(r);
  EXPECT_EQ(collected.Hotkeys[2], (THotkey{0, 0}));
  EXPECT_EQ(collected.Hotkeys[1], (THotkey{KeyCodeList[2], kModCtrl | kModWin}));
  EXPECT_EQ(collected.Steps, 123);
  EXPECT_EQ(collected.Device, "") << "the primary device chosen";
  EXPECT_EQ(collected.Skin, SkinList[1].FileName);
  TearDown();
  Build(
      "[Config]\r\nTabIndex=-1\r\n[View]\r\nSkin=Dark.vsk\r\n[Mouse]\r\nClick=-1\r\n"
      "[HotKeys]\r\nMuteKey=7\r\nMuteMod=1\r\n");
  EXPECT_EQ(GetCurIndex(r->SettingsTabs), kAboutPage)
      << "a page outside the five keeps the builder's";
  EXPECT_EQ(GetText(r->SkinCombo), "Dark.vsk (файл не найден)") << "a skin file that is gone";
  EXPECT_EQ(GetText(r->MuteKeyCombo), "Код 7") << "a key that the layout names not";
  // The last key of the list, Play/Pause.
  SetCurIndex(r->UpKeyCombo, ItemCount(r->UpKeyCombo) - 1);
  SetChecked(r->UpCtrlCheck, true);
  TSettings kept = CollectSettings(r);
  EXPECT_EQ(kept.Hotkeys[0], (THotkey{VK_MEDIA_PLAY_PAUSE, kModCtrl}));
  EXPECT_EQ(kept.Hotkeys[2], (THotkey{7, kModAlt}));
  EXPECT_EQ(kept.Skin, "Dark.vsk");
  EXPECT_EQ(kept.Click, 0) << "-1 is no action the tray program reads";
}

TEST_F(SettingsWindow, MailLinkSetsUpComBeforeTheShellTakesTheAddress) {
  // The shell's handler of "mailto:" for this test: the suite's stand-in writes down what it
  // gets. The prefix's own handler comes back afterwards.
  std::string log = TestFolder() + "mail.log";
  DeleteFileA(log.c_str());
  HKEY key = nullptr;
  RegCreateKeyExA(HKEY_LOCAL_MACHINE, "Software\\Classes\\mailto\\shell\\open\\command", 0, nullptr,
                  0, KEY_READ | KEY_WRITE, nullptr, &key, nullptr);
  ASSERT_NE(key, nullptr);
  char saved[1024] = "";
  DWORD size = sizeof saved;
  bool had =
      RegQueryValueExA(key, nullptr, nullptr, nullptr, reinterpret_cast<BYTE*>(saved), &size) == 0;
  std::string handler =
      "\"" + WinPath(VCONFIG_E2E_TOOLS_DIR) + "\\peer.exe\" url \"" + log + "\" \"%1\"";
  WriteRegString(key, nullptr, handler);
  Build();
  SendMessageA(GetHandle(r->MailLinkLabel), WM_LBUTTONDOWN, MK_LBUTTON, 0);
  SendMessageA(GetHandle(r->MailLinkLabel), WM_LBUTTONUP, 0, 0);
  std::string got;
  for (int i = 0; i < 300 && got.empty(); ++i, Sleep(50)) got = ReadFileBytes(log);
  if (had) WriteRegString(key, nullptr, saved);
  else RegDeleteValueA(key, nullptr);
  RegCloseKey(key);
  EXPECT_EQ(got, std::string("mailto:") + kMailAddress + "?subject=Vorduna\r\n")
      << "the shell's handler got it";
  HRESULT again = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  EXPECT_EQ(again, S_FALSE) << "the click left the thread in a single-threaded apartment";
  if (SUCCEEDED(again)) CoUninitialize();
}

namespace {

// Windows reports a high-contrast scheme through SystemParametersInfo; Wine 8 never does. Here
// the test answers for the system: the import that the program's code calls is pointed at it.
bool gHighContrast;
BOOL WINAPI AnswerHighContrast(UINT action, UINT, void* param, UINT) {
  if (action != SPI_GETHIGHCONTRAST) return FALSE;
  static_cast<HIGHCONTRASTW*>(param)->dwFlags = gHighContrast ? HCF_HIGHCONTRASTON : 0;
  return TRUE;
}

// Every call of this program to the function at from goes to to.
void RedirectImports(void* from, void* to) {
  auto* base = reinterpret_cast<BYTE*>(GetModuleHandleA(nullptr));
  auto* nt = reinterpret_cast<IMAGE_NT_HEADERS*>(
      base + reinterpret_cast<IMAGE_DOS_HEADER*>(base)->e_lfanew);
  auto* desc = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(
      base + nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT].VirtualAddress);
  for (; desc->Name; ++desc)
    for (auto* slot = reinterpret_cast<void**>(base + desc->FirstThunk); *slot; ++slot)
      if (*slot == from) {
        DWORD old;
        VirtualProtect(slot, sizeof *slot, PAGE_READWRITE, &old);
        *slot = to;
        VirtualProtect(slot, sizeof *slot, old, &old);
      }
}

// The colours a control is drawn in, as it answers its parent's colour request: text, ground.
std::pair<COLORREF, COLORREF> Paint(TControl* c) {
  HDC dc = GetDC(c->fHandle);
  SendMessageW(c->fHandle, kReflectedCtlColorBase + WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
               reinterpret_cast<LPARAM>(c->fHandle));
  std::pair<COLORREF, COLORREF> colors = {GetTextColor(dc), GetBkColor(dc)};
  ReleaseDC(c->fHandle, dc);
  return colors;
}

// The apps' colour mode of Windows 10 and later: AppsUseLightTheme as a DWORD, or as 4 bytes
// of another type, or none; then the broadcast by which Windows tells of a switch.
void SwitchAppsMode(HWND form, DWORD light, DWORD type = REG_DWORD) {
  HKEY key = nullptr;
  RegCreateKeyExA(HKEY_CURRENT_USER,
                  "Software\\Microsoft\\Windows\\CurrentVersion\\Themes\\Personalize", 0, nullptr,
                  0, KEY_SET_VALUE, nullptr, &key, nullptr);
  if (type == REG_NONE) RegDeleteValueA(key, "AppsUseLightTheme");
  else RegSetValueExA(key, "AppsUseLightTheme", 0, type, reinterpret_cast<BYTE*>(&light), 4);
  RegCloseKey(key);
  if (form) SendMessageW(form, WM_SETTINGCHANGE, 0, reinterpret_cast<LPARAM>(L"ImmersiveColorSet"));
}

}  // namespace

TEST_F(SettingsWindow, ColoursFollowTheModeHighContrastFirst) {
  auto* real = reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleA("user32.dll"), "SystemParametersInfoW"));
  auto* answer = reinterpret_cast<void*>(AnswerHighContrast);
  RedirectImports(real, answer);
  const COLORREF blue = RGB(0, 0, 255), lightBlue = RGB(0x60, 0xCD, 0xFF);
  SwitchAppsMode(nullptr, 0);
  gHighContrast = true;
  Build();
  EXPECT_EQ(Paint(r->WebLinkLabel).first, GetSysColor(COLOR_HOTLIGHT))
      << "started in a high-contrast scheme, with the apps' mode dark";
  EXPECT_EQ(Paint(r->AuthorLabel),
            std::make_pair(GetSysColor(COLOR_WINDOWTEXT), GetSysColor(COLOR_BTNFACE)))
      << "every control in the scheme's colours";
  SetCurIndex(r->SettingsTabs, kAboutPage);
  r->SettingsForm->MakeWindow();  // shown, and painted
  Pump();
  HWND form = r->SettingsForm->fHandle;
  gHighContrast = false;
  SendMessageW(form, WM_SETTINGCHANGE, SPI_SETHIGHCONTRAST, 0);
  RECT dirty;
  EXPECT_TRUE(GetUpdateRect(r->MailLinkLabel->fHandle, &dirty, FALSE)) << "repainted";
  EXPECT_EQ(Paint(r->MailLinkLabel).first, lightBlue) << "the scheme off: dark";
  EXPECT_EQ(Paint(r->AuthorLabel), std::make_pair(RGB(255, 255, 255), RGB(0x20, 0x20, 0x20)));
  SwitchAppsMode(form, 0, REG_BINARY);
  EXPECT_EQ(Paint(r->MailLinkLabel).first, blue) << "a value of another type: light";
  SwitchAppsMode(form, 0);
  SwitchAppsMode(form, 0, REG_NONE);
  EXPECT_EQ(Paint(r->MailLinkLabel).first, blue) << "no value (Windows 7 and 8): light";
  SwitchAppsMode(form, 0);
  gHighContrast = true;
  SendMessageW(form, WM_SYSCOLORCHANGE, 0, 0);
  EXPECT_EQ(Paint(r->WebLinkLabel).first, GetSysColor(COLOR_HOTLIGHT)) << "switched while open";
  RedirectImports(answer, real);  // back to the system
  gHighContrast = false;
  SwitchAppsMode(nullptr, 0, REG_NONE);
}

namespace {

// The program's GDI objects, as made and deleted through its imports (which these take over:
// the system's own functions are called through the pointers that GetProcAddress gives).
int gObjects;
template <class F>
F Gdi(const char* name) {
  return reinterpret_cast<F>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("gdi32"), name)));
}
HBRUSH WINAPI CountedBrush(COLORREF color) {
  HBRUSH made = Gdi<decltype(&CreateSolidBrush)>("CreateSolidBrush")(color);
  gObjects += made != nullptr;
  return made;
}
HFONT WINAPI CountedFont(const LOGFONTA* font) {
  HFONT made = Gdi<decltype(&CreateFontIndirectA)>("CreateFontIndirectA")(font);
  gObjects += made != nullptr;
  return made;
}
BOOL WINAPI CountedDelete(HGDIOBJ object) {
  BOOL deleted = Gdi<decltype(&DeleteObject)>("DeleteObject")(object);
  gObjects -= deleted != 0;
  return deleted;
}

}  // namespace

TEST_F(SettingsWindow, TwentySwitchesOfTheModeLeaveNoDrawingObjectBehind) {
  // Wine's GetGuiResources answers 0: the objects are counted where the program makes them.
  const std::pair<void*, void*> counted[] = {
      {Gdi<void*>("CreateSolidBrush"), reinterpret_cast<void*>(CountedBrush)},
      {Gdi<void*>("CreateFontIndirectA"), reinterpret_cast<void*>(CountedFont)},
      {Gdi<void*>("DeleteObject"), reinterpret_cast<void*>(CountedDelete)}};
  for (const auto& c : counted) RedirectImports(c.first, c.second);
  Build();
  r->SettingsForm->MakeWindow();
  HWND form = r->SettingsForm->fHandle;
  // Each page in each mode once, then all again: the second round makes nothing to keep.
  int firstRound = 0;
  for (int i = 0; i < 20; ++i) {
    SetCurIndex(r->SettingsTabs, i % 5);
    SwitchAppsMode(form, i % 2);
    RedrawWindow(form, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    Pump();
    if (i == 9) firstRound = gObjects;
  }
  EXPECT_EQ(gObjects, firstRound) << "GDI objects after 10 switches, and after 20";
  for (const auto& c : counted) RedirectImports(c.second, c.first);
  SwitchAppsMode(nullptr, 0, REG_NONE);
}

namespace {

// The box the program shows meanwhile: what it says, and closed with OK, from the box's own
// message loop.
std::wstring gBoxText;
BOOL CALLBACK CloseBox(HWND w, LPARAM) {
  wchar_t text[512] = L"";
  GetClassNameW(w, text, 512);
  if (lstrcmpW(text, L"#32770")) return TRUE;
  GetDlgItemTextW(w, 0xFFFF, text, 512);
  gBoxText = text;
  PostMessageW(w, WM_COMMAND, IDOK, 0);
  return FALSE;
}
void CALLBACK AnswerBox(HWND, UINT, UINT_PTR, DWORD) {
  EnumThreadWindows(GetCurrentThreadId(), CloseBox, 0);
}

std::wstring gElevatedArgument;
BOOL WINAPI RefuseConsent(SHELLEXECUTEINFOW* run) {
  gElevatedArgument = run->lpParameters;
  SetLastError(ERROR_CANCELLED);
  return FALSE;
}

}  // namespace

TEST_F(SettingsWindow, ARefusedConsentSavesNothingAndSaysSo) {
  // Where only administrators may write, OK goes to a copy started with Windows' consent
  // prompt, which the user refuses here.
  const std::string before = "[General]\r\nBalance=30\r\n";
  Build(before);
  RequireAdministrator(r);
  SetText(r->BalanceEdit, "77");
  TFileCalls refusing = FileCalls();
  refusing.RunElevated = RefuseConsent;
  FileCallsOverride = &refusing;
  UINT_PTR timer = SetTimer(nullptr, 0, 50, AnswerBox);
  r->OkButtonClick(r->OkButton);
  KillTimer(nullptr, timer);
  FileCallsOverride = nullptr;
  std::wstring said = ProgramText(TXT_AdministratorRefused).c_str();
  EXPECT_EQ(gBoxText.substr(0, 20), said.substr(0, 20)) << "a box says that nothing was saved";
  EXPECT_EQ(ReadFileBytes(ini), before) << "nothing written";
  MSG quit;
  EXPECT_FALSE(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE)) << "the window stays";
  EXPECT_EQ(GetText(r->BalanceEdit), "77") << "with the change";
  size_t at = gElevatedArgument.find(L':') + 1;
  ASSERT_GT(at, 1u) << "a copy was asked for";
  std::wstring transfer = gElevatedArgument.substr(at, gElevatedArgument.size() - at - 1);
  EXPECT_EQ(GetFileAttributesW(transfer.c_str()), INVALID_FILE_ATTRIBUTES)
      << "the temporary file is gone";
}

TEST_F(SettingsWindow, BalanceTextRule) {
  Build();
  SetText(r->BalanceEdit, "150");
  EXPECT_EQ(GetText(r->BalanceEdit), "100");
  SetText(r->BalanceEdit, "0050");
  EXPECT_EQ(GetText(r->BalanceEdit), "100");
  SetText(r->BalanceEdit, "");
  EXPECT_EQ(GetText(r->BalanceEdit), "");
  SetText(r->BalanceEdit, "-5");
  EXPECT_EQ(GetText(r->BalanceEdit), "-5");
}

namespace {

using namespace window_table;

const char* ClassOf(TKind kind) {
  switch (kind) {
    case kTabs: return "obj_SysTabControl32";
    case kListCombo:
    case kEditCombo: return "obj_COMBOBOX";
    case kSpin: return "obj_msctls_updown32";
    case kNumberEdit: return "obj_EDIT";
    case kLabel: return "obj_STATIC";
    default: return "obj_BUTTON";
  }
}

// The screen's DPI as Wine reports it to this process (LogPixels when the process started).
int ScreenDpi() {
  HDC screen = GetDC(nullptr);
  int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return dpi;
}

int AtDpi(int length, int dpi) { return MulDiv(length, dpi, 96); }

// A text of the table (Windows-1251) as the window should hold it, whatever the system's code page.
std::wstring Shown(const char* text) {
  wchar_t wide[256] = L"";
  MultiByteToWideChar(1251, 0, text, -1, wide, 256);
  return wide;
}

std::wstring WindowText(HWND w) {
  wchar_t wide[256] = L"";
  GetWindowTextW(w, wide, 256);
  return wide;
}

// The text as the window's font at that DPI measures it, with a font of the test's own.
SIZE Measured(const std::wstring& text, int dpi, bool bold) {
  HDC dc = CreateCompatibleDC(nullptr);
  HFONT font = CreateFontA(-AtDpi(11, dpi), 0, 0, 0, bold ? FW_BOLD : 0, 0, 0, 0, DEFAULT_CHARSET,
                           0, 0, 0, 0, "Tahoma");
  HGDIOBJ old = SelectObject(dc, font);
  SIZE size = {0, 0};
  GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
  SelectObject(dc, old);
  DeleteObject(font);
  DeleteDC(dc);
  return size;
}

LONG FontHeight(HWND w) {
  LOGFONTA font = {};
  HGDIOBJ handle = reinterpret_cast<HGDIOBJ>(SendMessageA(w, WM_GETFONT, 0, 0));
  return handle && GetObjectA(handle, sizeof font, &font) ? font.lfHeight : 0;
}

// Where every control is and in which font, and the window's client size.
std::string Layout(TFormRecord* r) {
  std::string out;
  char line[96];
  for (const TRow& e : kRows) {
    RECT b = GetBounds(r->*e.field);
    wsprintfA(line, "%d,%d %dx%d font %ld\n", b.left, b.top, b.right - b.left, b.bottom - b.top,
              FontHeight(GetHandle(r->*e.field)));
    out += line;
  }
  RECT client;
  GetClientRect(r->SettingsForm->fHandle, &client);
  wsprintfA(line, "client %ldx%ld\n", client.right, client.bottom);
  return out + line;
}

}  // namespace

TEST_F(SettingsWindow, EveryControlAsTheTableSays) {
  // Run again under the code page of an English Windows (the CTest entry layout_cp1252).
  if (const char* acp = getenv("VCONFIG_EXPECT_ACP")) {
    ASSERT_EQ(GetACP(), static_cast<UINT>(atoi(acp)));
  }
  Build();
  ASSERT_EQ(sizeof kRows / sizeof kRows[0], 60u) << "the 60 controls of the window";
  // At 96 DPI the table's numbers are pixels; at another DPI they are scaled (rounding: +-1).
  int dpi = ScreenDpi(), slack = dpi == 96 ? 0 : 1;
  int lastId = 0;
  for (const TRow& e : kRows) {
    TControl* c = r->*e.field;
    HWND w = GetHandle(c);
    SCOPED_TRACE(testing::Message()
                 << "control at " << e.left << "," << e.top << " " << (e.text ? e.text : ""));
    char cls[64];
    GetClassNameA(w, cls, sizeof cls);
    EXPECT_STREQ(cls, ClassOf(e.kind));
    TControl* parent = e.parent ? r->*e.parent : GetPage(r->SettingsTabs, e.page);
    EXPECT_EQ(GetParent(w), GetHandle(parent)) << "parent";
    EXPECT_GT(GetDlgCtrlID(w), lastId) << "identifiers follow the creation order";
    lastId = GetDlgCtrlID(w);
    RECT b = GetBounds(c);
    EXPECT_NEAR(b.left, AtDpi(e.left, dpi), slack);
    EXPECT_NEAR(b.top, AtDpi(e.top, dpi), slack);
    // An automatic size is the text in the window's font plus the kind's room around it.
    SIZE extent = {0, 0};
    if (e.width == kAuto) extent = Measured(WindowText(w), dpi, e.field == &R::TitleLabel);
    int extraW = AtDpi(e.kind == kCheck ? 24 : 1, dpi),
        extraH = AtDpi(e.kind == kCheck ? 6 : 1, dpi);
    if (e.width != kAny) {
      EXPECT_NEAR(b.right - b.left, e.width == kAuto ? extent.cx + extraW : AtDpi(e.width, dpi),
                  slack);
    }
    if (e.height != kAny) {
      EXPECT_NEAR(b.bottom - b.top, e.height == kAuto ? extent.cy + extraH : AtDpi(e.height, dpi),
                  slack);
    }
    if (e.kind != kSpin) {
      EXPECT_EQ(FontHeight(w), -AtDpi(11, dpi)) << "Tahoma at 11 pixels, scaled";
    }
    if (e.text) {
      EXPECT_EQ(GetText(c), e.text);
      EXPECT_TRUE(WindowText(w) == Shown(e.text)) << "the window holds the text in its own letters";
    }
    LONG style = GetWindowLongA(w, GWL_STYLE), ex = GetWindowLongA(w, GWL_EXSTYLE);
    EXPECT_EQ(style & (WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN),
              WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN);
    switch (e.kind) {
      case kGroup: EXPECT_EQ(style & BS_TYPEMASK, BS_GROUPBOX); break;
      case kCheck:
        EXPECT_EQ(style & BS_TYPEMASK, BS_AUTOCHECKBOX);
        EXPECT_TRUE(style & WS_TABSTOP);
        break;
      case kPush: EXPECT_TRUE(style & WS_TABSTOP); break;
      // A combo box draws its sunken edge itself and drops the window's own.
      case kListCombo:
        EXPECT_EQ(style & 3, CBS_DROPDOWNLIST);
        EXPECT_TRUE(c->fExStyle & WS_EX_CLIENTEDGE);
        break;
      case kEditCombo:
        EXPECT_EQ(style & 3, CBS_DROPDOWN);
        EXPECT_TRUE(c->fExStyle & WS_EX_CLIENTEDGE);
        break;
      case kNumberEdit:
        EXPECT_TRUE(style & ES_NUMBER);
        EXPECT_TRUE(ex & WS_EX_CLIENTEDGE);
        EXPECT_FALSE(style & (WS_HSCROLL | WS_VSCROLL));
        break;
      case kLabel: EXPECT_FALSE(ex & WS_EX_CLIENTEDGE); break;
      default: break;
    }
  }
  // Items and current entries.
  EXPECT_EQ(GetCurIndex(r->SettingsTabs), 0) << "the stored page, here the default";
  for (TControl* combo : {r->ClickCombo, r->DClickCombo, r->MClickCombo}) {
    ASSERT_EQ(ItemCount(combo), 5);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(GetItemText(combo, i), kActionItems[i]);
  }
  ASSERT_EQ(ItemCount(r->StepCombo), 5);
  for (int i = 0; i < 5; ++i) EXPECT_EQ(GetItemText(r->StepCombo, i), kStepItems[i]);
  EXPECT_EQ(GetItemText(r->DeviceCombo, 0), "Первичное устройство");
  EXPECT_EQ(ItemCount(r->DeviceCombo), static_cast<int>(MixerDeviceCount()) + 1);
  EXPECT_EQ(GetFontStyle(GetFont(r->TitleLabel)) & kFontBold, kFontBold);
  for (TControl* link : {r->WebLinkLabel, r->MailLinkLabel})
    EXPECT_EQ(ColorToRGB(link->fTextColor), RGB(0, 0, 255)) << "pure blue";
  RECT client;
  GetClientRect(r->SettingsForm->fHandle, &client);
  EXPECT_EQ(client.right, AtDpi(352, dpi));
  EXPECT_EQ(client.bottom, AtDpi(353, dpi));
  EXPECT_TRUE(GetWindowLongA(r->SettingsForm->fHandle, GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_FALSE(GetWindowLongA(r->SettingsForm->fHandle, GWL_STYLE) &
               (WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
  EXPECT_TRUE(r->OkButton->fStyle & BS_DEFPUSHBUTTON);
  // The three key lists: "Нет", then every named key of 8-9, 13 and 20-145 in code order, then
  // the volume and media keys 173 to 179 by the program's own names, whatever the layout says.
  const char* media[] = {"Без звука",  "Тише", "Громче",    "След. трек",
                         "Пред. трек", "Стоп", "Пуск/пауза"};
  ASSERT_GT(KeyCodeList.size(), 40u);
  size_t named = KeyCodeList.size() - 7;
  for (TControl* keys : {r->UpKeyCombo, r->DownKeyCombo, r->MuteKeyCombo}) {
    ASSERT_EQ(ItemCount(keys), static_cast<int>(KeyCodeList.size()) + 1);
    EXPECT_EQ(GetItemText(keys, 0), "Нет");
    for (size_t i = 0; i < KeyCodeList.size(); ++i)
      EXPECT_EQ(GetItemText(keys, static_cast<int>(i) + 1),
                i < named ? ToProgramText(KeyName(KeyCodeList[i])) : TText(media[i - named]));
  }
  for (size_t i = 0; i < KeyCodeList.size(); ++i) {
    uint16_t code = KeyCodeList[i];
    EXPECT_TRUE(i < named ? code == 8 || code == 9 || code == 13 || (code >= 20 && code <= 145)
                          : code == 173 + (i - named))
        << code;
  }
  EXPECT_EQ(ItemCount(r->ClickCombo), 5);
  EXPECT_EQ(ItemCount(r->SkinCombo), 2);
  int classic = SkinIndex("Classic.vsk");
  ASSERT_GE(classic, 0);
  EXPECT_EQ(GetItemText(r->SkinCombo, classic), "Classic (Default)");
  for (size_t i = 1; i < KeyCodeList.size(); ++i) EXPECT_LT(KeyCodeList[i - 1], KeyCodeList[i]);
  // Run at another DPI by the test below, the layout goes back to it.
  char dump[MAX_PATH];
  if (GetEnvironmentVariableA("VCONFIG_LAYOUT_DUMP", dump, MAX_PATH))
    WriteFileBytes(dump, Layout(r));
}

namespace {

// What the user has done in the window: every text, selection and check, the page, the focus.
std::string State(TFormRecord* r) {
  std::string out;
  for (const TRow& e : kRows) {
    TControl* c = r->*e.field;
    out += std::string(GetText(c)) + "|" + std::to_string(GetCurIndex(c)) + "|" +
           std::to_string(SendMessageA(GetHandle(c), BM_GETCHECK, 0, 0)) + "\n";
  }
  return out + "page " + std::to_string(GetCurIndex(r->SettingsTabs)) + " focus " +
         std::to_string(GetDlgCtrlID(GetFocus()));
}

// The window's screen rectangle that Windows would suggest for its client area at dpi.
RECT Suggested(TFormRecord* r, int dpi, int shift) {
  RECT window, client;
  GetWindowRect(r->SettingsForm->fHandle, &window);
  GetClientRect(r->SettingsForm->fHandle, &client);
  int frameW = window.right - window.left - client.right,
      frameH = window.bottom - window.top - client.bottom;
  int left = window.left + shift, top = window.top + shift;
  return {left, top, left + frameW + AtDpi(352, dpi), top + frameH + AtDpi(353, dpi)};
}

}  // namespace

TEST_F(SettingsWindow, AtEveryScaleAndMovedToAScreenOfAnother) {
  // Wine reads the screen's DPI once, as a process starts: the table test runs again in a
  // process of its own at 144 and 192 DPI, with LogPixels set for it and put back after.
  HKEY desktop = nullptr;
  ASSERT_EQ(
      RegOpenKeyExA(HKEY_CURRENT_USER, "Control Panel\\Desktop", 0, KEY_READ | KEY_WRITE, &desktop),
      0);
  DWORD saved = 0, size = sizeof saved;
  bool had = RegQueryValueExA(desktop, "LogPixels", nullptr, nullptr,
                              reinterpret_cast<BYTE*>(&saved), &size) == 0;
  std::string layouts[2];
  const int kDpis[2] = {144, 192};
  for (int i = 0; i < 2; ++i) {
    SCOPED_TRACE(kDpis[i]);
    DWORD dpi = static_cast<DWORD>(kDpis[i]);
    RegSetValueExA(desktop, "LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dpi),
                   sizeof dpi);
    std::string dump = TestFolder() + "layout-" + std::to_string(dpi) + ".txt";
    DeleteFileA(dump.c_str());
    SetEnvironmentVariableA("VCONFIG_LAYOUT_DUMP", dump.c_str());
    char self[MAX_PATH];
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string cmd =
        std::string("\"") + self + "\" --gtest_filter=SettingsWindow.EveryControlAsTheTableSays";
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi = {};
    DWORD code = 1;
    if (CreateProcessA(nullptr, &cmd[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &si, &pi)) {
      WaitForSingleObject(pi.hProcess, 120000);
      GetExitCodeProcess(pi.hProcess, &code);
      CloseHandle(pi.hProcess);
      CloseHandle(pi.hThread);
    }
    SetEnvironmentVariableA("VCONFIG_LAYOUT_DUMP", nullptr);
    EXPECT_EQ(code, 0u) << "the table at " << dpi << " DPI";
    layouts[i] = ReadFileBytes(dump);
  }
  if (had)
    RegSetValueExA(desktop, "LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&saved),
                   sizeof saved);
  else RegDeleteValueA(desktop, "LogPixels");
  RegCloseKey(desktop);
  ASSERT_EQ(ScreenDpi(), 96) << "this process runs at 96 DPI";
  ASSERT_FALSE(layouts[0].empty());

  // Moved to a screen of 144 DPI and back, as Windows tells a per-monitor aware window.
  Build();
  SetCurIndex(r->SettingsTabs, kMousePage);
  SetChecked(r->WheelCtrlCheck, true);
  SetCurIndex(r->ClickCombo, 4);
  SetFocused(r->MClickCombo, true);
  std::string state = State(r), at96 = Layout(r);
  std::vector<HGDIOBJ> fonts;
  for (const TRow& e : kRows)
    fonts.push_back(
        reinterpret_cast<HGDIOBJ>(SendMessageA(GetHandle(r->*e.field), WM_GETFONT, 0, 0)));
  for (int dpi : {144, 96}) {
    SCOPED_TRACE(dpi);
    RECT suggested = Suggested(r, dpi, 10);
    SendMessageA(r->SettingsForm->fHandle, kWmDpiChanged, MAKEWPARAM(dpi, dpi),
                 reinterpret_cast<LPARAM>(&suggested));
    EXPECT_EQ(Layout(r), dpi == 144 ? layouts[0] : at96) << "as a start at that DPI";
    RECT now;
    GetWindowRect(r->SettingsForm->fHandle, &now);
    EXPECT_TRUE(EqualRect(&now, &suggested)) << "in the suggested rectangle";
    EXPECT_EQ(State(r), state) << "nothing the user did is lost";
    if (dpi == 144) {
      for (HGDIOBJ font : fonts) EXPECT_EQ(GetObjectType(font), 0u) << "the old fonts are freed";
    }
  }
  EXPECT_EQ(GetFileAttributesA(ini.c_str()), INVALID_FILE_ATTRIBUTES) << "nothing written";
}

TEST_F(SettingsWindow, TwoDevicesOfOneNameSelectTheLaterAndLetterCaseCounts) {
  // The harness's PulseAudio gives Wine an output and an input mixer of the same name.
  uint32_t count = MixerDeviceCount();
  int first = -1, later = -1;
  for (uint32_t a = 0; a < count && later < 0; ++a)
    for (uint32_t b = a + 1; b < count; ++b)
      if (MixerDeviceName(a) == MixerDeviceName(b)) {
        first = static_cast<int>(a);
        later = static_cast<int>(b);
      }
  if (later < 0)
    GTEST_SKIP() << "this host has no two mixer devices of one name (no PulseAudio null sink)";
  std::string name = MixerDeviceName(static_cast<uint32_t>(first));
  Build("[General]\r\nDevice=" + name + "\r\n");
  EXPECT_EQ(GetCurIndex(r->DeviceCombo), later + 1);
  TearDown();
  for (char& ch : name) ch = static_cast<char>(tolower(static_cast<unsigned char>(ch)));
  ASSERT_NE(name, std::string(MixerDeviceName(static_cast<uint32_t>(first))));
  Build("[General]\r\nDevice=" + name + "\r\n");
  EXPECT_EQ(GetCurIndex(r->DeviceCombo), static_cast<int>(count) + 1)
      << "the match is exact: " << name << " is no device, and is kept";
}
