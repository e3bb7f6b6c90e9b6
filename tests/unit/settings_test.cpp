#include <gtest/gtest.h>

#include "app/startup.h"
#include "settings/settings.h"
#include "support/test_support.h"
#include "ui/catalogues.h"
#include "ui/formrecord.h"
#include "wincontrols/controls/operations.h"
#include "wincontrols/controls/geometry.h"
#include "wincontrols/dispatch/dispatch.h"
#include "wincontrols/dispatch/globals.h"
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
      if (SkinList[i].FileName == file) return static_cast<int>(i);
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

TEST_F(SettingsWindow, NoFileShowsDefaultsAndSavesTheCompleteFile) {
  Build();
  EXPECT_EQ(GetCurIndex(r->DeviceCombo), 0);
  EXPECT_EQ(GetText(r->DeviceCombo), "Первичное устройство");
  EXPECT_EQ(GetText(r->BalanceEdit), "50");
  EXPECT_EQ(GetText(r->StepCombo), "5000 (нормально)");
  EXPECT_EQ(GetCurIndex(r->SkinCombo), SkinIndex("Classic.vsk") > 0 ? SkinIndex("Classic.vsk") : 0);
  EXPECT_FALSE(IsChecked(r->BalloonHintCheck));
  EXPECT_TRUE(IsChecked(r->WheelOverIconCheck));
  EXPECT_EQ(GetText(r->ClickCombo), "Стандартный регулятор*");
  EXPECT_EQ(GetText(r->DClickCombo), "Стандартный микшер");
  EXPECT_EQ(GetText(r->MClickCombo), "Выкл. / вкл. звук");
  EXPECT_EQ(GetText(r->UpKeyCombo), "Нет");
  EXPECT_EQ(GetCurIndex(r->SettingsTabs), 0);
  EXPECT_FALSE(IsChecked(r->AutostartCheck));
  SetCurIndex(r->SkinCombo, SkinIndex("Classic.vsk"));
  EXPECT_EQ(SaveSettings(r), static_cast<unsigned>(kSaveOk));
  EXPECT_EQ(ReadFileBytes(ini), kDefaultFile);
}

TEST_F(SettingsWindow, StepsMatchByLeadingNumber) {
  Build("[General]\r\nSteps=3000\r\n");
  EXPECT_EQ(GetCurIndex(r->StepCombo), 0);
  EXPECT_EQ(GetItemText(r->StepCombo, 0), "3000");
  EXPECT_EQ(ItemCount(r->StepCombo), 6);
  TearDown();
  Build("[General]\r\nSteps=70536\r\n");
  EXPECT_EQ(GetText(r->StepCombo), "5000 (нормально)");
  TearDown();
  Build("[General]\r\nSteps=0\r\n");
  EXPECT_EQ(GetText(r->StepCombo), "0");
}

TEST_F(SettingsWindow, SkinHotkeysBalanceAndPage) {
  Build("[View]\r\nSkin=night.vsk\r\n[HotKeys]\r\nUpKey=65\r\nUpMod=6\r\nDownKey=16\r\nDownMod=2\r\n"
        "MuteKey=0\r\nMuteMod=7\r\n[General]\r\nBalance=150\r\n[Config]\r\nTabIndex=3\r\n");
  EXPECT_EQ(GetCurIndex(r->SkinCombo), 0) << "letter case of file names counts";
  ASSERT_FALSE(KeyCodeList.empty());
  EXPECT_NE(GetCurIndex(r->UpKeyCombo), 0);
  EXPECT_EQ(KeyCodeList[GetCurIndex(r->UpKeyCombo) - 1], 65);
  EXPECT_TRUE(IsChecked(r->UpCtrlCheck));
  EXPECT_TRUE(IsChecked(r->UpShiftCheck));
  EXPECT_FALSE(IsChecked(r->UpAltCheck));
  EXPECT_EQ(GetCurIndex(r->DownKeyCombo), 0) << "Shift (16) is never offered";
  EXPECT_FALSE(IsChecked(r->DownCtrlCheck));
  EXPECT_FALSE(IsChecked(r->MuteAltCheck));
  EXPECT_EQ(GetText(r->BalanceEdit), "100");
  EXPECT_EQ(GetCurIndex(r->SettingsTabs), 3);
  EXPECT_TRUE(IsWindowVisible(GetHandle(r->UpKeyGroup)) || r->UpKeyGroup->fShowPending);
}

TEST_F(SettingsWindow, OutOfRangePageKeepsTheAboutPage) {
  Build("[Config]\r\nTabIndex=-1\r\n[Mouse]\r\nClick=7\r\n");
  EXPECT_EQ(GetCurIndex(r->SettingsTabs), kAboutPage);
  EXPECT_EQ(GetCurIndex(r->ClickCombo), -1);
  SaveSettings(r);
  SCOPED_TRACE(ReadFileBytes(ini));
  EXPECT_NE(ReadFileBytes(ini).find("Click=-1\r\n"), std::string::npos);
  EXPECT_NE(ReadFileBytes(ini).find("TabIndex=4\r\n"), std::string::npos);
}

TEST_F(SettingsWindow, SavingHotkeysStepsAndAutostart) {
  Build();
  SetChecked(r->UpCtrlCheck, true);  // key "Нет": no modifiers written
  SetCurIndex(r->DownKeyCombo, 3);
  SetChecked(r->DownCtrlCheck, true);
  SetChecked(r->DownWinCheck, true);
  SetText(r->StepCombo, "123abc");
  SetChecked(r->AutostartCheck, true);
  EXPECT_EQ(SaveSettings(r), static_cast<unsigned>(kSaveOk));
  std::string file = ReadFileBytes(ini);
  EXPECT_NE(file.find("UpKey=0\r\nUpMod=0\r\n"), std::string::npos);
  EXPECT_NE(file.find("DownKey=" + std::to_string(KeyCodeList[2]) + "\r\nDownMod=10\r\n"),
            std::string::npos);
  EXPECT_NE(file.find("Steps=123\r\n"), std::string::npos);
  HKEY run = OpenKeyForRead(HKEY_CURRENT_USER, kRunKeyPath);
  EXPECT_EQ(ReadRegString(run, kTrayProgram), AutostartCommand());
  CloseRegKey(run);
  SetChecked(r->AutostartCheck, false);
  EXPECT_EQ(SaveSettings(r), static_cast<unsigned>(kSaveOk));
  EXPECT_EQ(SaveSettings(r), static_cast<unsigned>(kSaveOk)) << "deleting a missing value is fine";
  run = OpenKeyForRead(HKEY_CURRENT_USER, kRunKeyPath);
  EXPECT_EQ(ReadRegString(run, kTrayProgram), "");
  CloseRegKey(run);
}

TEST_F(SettingsWindow, AutostartCheckComparesPathsWithoutLatinCase) {
  HKEY run = OpenKeyForWrite(HKEY_CURRENT_USER, kRunKeyPath);
  std::string upper = AutostartCommand();
  for (char& ch : upper) ch = static_cast<char>(toupper(static_cast<unsigned char>(ch)));
  WriteRegString(run, kTrayProgram, upper);
  Build();
  EXPECT_TRUE(IsChecked(r->AutostartCheck));
  TearDown();
  WriteRegString(run, kTrayProgram, "\"" + AutostartCommand() + "\"");
  Build();
  EXPECT_FALSE(IsChecked(r->AutostartCheck));
  DeleteRegValue(run, kTrayProgram);
  CloseRegKey(run);
}

TEST_F(SettingsWindow, UnwritableFileIsReported) {
  Build();
  WriteFileBytes(ini, "[General]\r\nBalance=7\r\n");
  HANDLE lock = CreateFileA(ini.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  EXPECT_TRUE(SaveSettings(r) & kSaveFileFailed);
  CloseHandle(lock);
  EXPECT_EQ(ReadFileBytes(ini), "[General]\r\nBalance=7\r\n");
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

struct TExpected {
  TControl* TFormRecord::*field;
  const char* cls;
  int left, top, width, height;  // -1: not checked
  const char* text;
};

TEST_F(SettingsWindow, ControlsStandWhereTheTableSays) {
  Build();
  const TExpected rows[] = {
      {&TFormRecord::SettingsTabs, "obj_SysTabControl32", 8, 8, 336, 304, nullptr},
      {&TFormRecord::DeviceGroup, "obj_BUTTON", 12, 14, 304, 60, "Устройство для управления"},
      {&TFormRecord::DeviceCombo, "obj_COMBOBOX", 40, 24, 224, -1, "Первичное устройство"},
      {&TFormRecord::BalanceEdit, "obj_EDIT", 40, 24, 32, 19, "50"},
      {&TFormRecord::BalanceSpin, "obj_msctls_updown32", 72, 24, 16, 19, nullptr},
      {&TFormRecord::StepRangeLabel, "obj_STATIC", 168, 28, -1, -1, "(от 0 до 65535)"},
      {&TFormRecord::AutostartCheck, "obj_BUTTON", 12, 230, 152, 22, "Автозагрузка программы"},
      {&TFormRecord::UpWinCheck, "obj_BUTTON", 161, 24, -1, -1, "Win"},
      {&TFormRecord::UpKeyCombo, "obj_COMBOBOX", 208, 23, 74, -1, "Нет"},
      {&TFormRecord::DownKeyCombo, "obj_COMBOBOX", 206, 23, 74, -1, "Нет"},
      {&TFormRecord::OkButton, "obj_BUTTON", 112, 320, 75, 25, "&OK"},
      {&TFormRecord::CancelButton, "obj_BUTTON", 192, 320, 75, 25, "&Отмена"},
      {&TFormRecord::ApplyButton, "obj_BUTTON", 272, 320, 75, 25, "&Применить"},
  };
  for (const TExpected& e : rows) {
    TControl* c = r->*e.field;
    char cls[64];
    GetClassNameA(GetHandle(c), cls, sizeof cls);
    SCOPED_TRACE(cls);
    EXPECT_STREQ(cls, e.cls);
    RECT b = GetBounds(c);
    EXPECT_EQ(b.left, e.left);
    EXPECT_EQ(b.top, e.top);
    if (e.width >= 0) {
      EXPECT_EQ(b.right - b.left, e.width);
    }
    if (e.height >= 0) {
      EXPECT_EQ(b.bottom - b.top, e.height);
    }
    if (e.text) {
      EXPECT_EQ(GetText(c), e.text);
    }
    EXPECT_TRUE(c->fStyle & WS_CLIPSIBLINGS);
  }
  RECT client;
  GetClientRect(r->SettingsForm->fHandle, &client);
  EXPECT_EQ(client.right, 352);
  EXPECT_EQ(client.bottom, 353);
  EXPECT_TRUE(GetWindowLongA(r->SettingsForm->fHandle, GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_FALSE(GetWindowLongA(r->SettingsForm->fHandle, GWL_STYLE) & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
  EXPECT_TRUE(r->OkButton->fStyle & BS_DEFPUSHBUTTON);
  EXPECT_EQ(ItemCount(r->UpKeyCombo), static_cast<int>(KeyCodeList.size()) + 1);
  EXPECT_EQ(ItemCount(r->ClickCombo), 5);
  EXPECT_EQ(ItemCount(r->SkinCombo), 2);
  int classic = SkinIndex("Classic.vsk");
  ASSERT_GE(classic, 0);
  EXPECT_EQ(GetItemText(r->SkinCombo, classic), "Classic (Default)");
  for (size_t i = 1; i < KeyCodeList.size(); ++i) EXPECT_LT(KeyCodeList[i - 1], KeyCodeList[i]);
}
