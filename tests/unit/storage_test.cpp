// TIniFile, registry values, conversions and the program folder.
#include <gtest/gtest.h>

#include "support/test_support.h"
#include "wincontrols/storage/convert.h"
#include "wincontrols/storage/registry.h"

TEST(Platform, AnsiCodePageIs1251) {
  EXPECT_EQ(GetACP(), 1251u);
  EXPECT_EQ(std::string("Общие"), std::string("\xCE\xE1\xF9\xE8\xE5"));
}

TEST(Convert, IntegersAndText) {
  EXPECT_EQ(IntToText(0), "0");
  EXPECT_EQ(IntToText(-1), "-1");
  EXPECT_EQ(IntToText(2147483647), "2147483647");
  EXPECT_EQ(IntToText(INT32_MIN), "-2147483648");
  EXPECT_EQ(TextToInt("+7"), 7);
  EXPECT_EQ(TextToInt("-7"), -7);
  EXPECT_EQ(TextToInt(" 7"), 0);
  EXPECT_EQ(TextToInt("7a"), 7);
  EXPECT_EQ(TextToInt("a7"), 0);
  EXPECT_EQ(TextToInt(""), 0);
  EXPECT_EQ(TextToInt("-"), 0);
  EXPECT_EQ(TextToInt("+-5"), 0);
  EXPECT_EQ(TextToInt("4294967301"), 5);
  EXPECT_EQ(TextToInt("2147483648"), INT32_MIN);
}

TEST(Convert, CompareFoldsLatinLettersOnly) {
  EXPECT_EQ(CompareTextNoCase("C:\\Prog\\Vorduna.exe", "c:\\PROG\\vorduna.EXE"), 0);
  EXPECT_NE(CompareTextNoCase("Общие", "ОБЩИЕ"), 0);
  EXPECT_LT(CompareTextNoCase("abc", "abd"), 0);
  EXPECT_LT(CompareTextNoCase("ab", "abc"), 0);
  EXPECT_GT(CompareTextNoCase("b", "A"), 0);
  std::string folder = ProgramFolder();
  EXPECT_EQ(folder.back(), '\\');
  // "қ" is not in Windows-1251: such a folder is reached by its short name, which has no "?".
  TWideText kazakh = ProgramFolderName() + WideOf(L"Дыбыс қосымшасы\\");
  CreateDirectoryW(kazakh.c_str(), nullptr);
  bool spelled = false;
  std::string ansi = SystemPath(kazakh, &spelled);
  EXPECT_TRUE(spelled);
  EXPECT_EQ(ansi.find('?'), std::string::npos) << ansi;
  EXPECT_NE(GetFileAttributesA(ansi.c_str()), INVALID_FILE_ATTRIBUTES) << ansi;
  // Without a short name (a volume that makes none; Wine always makes them): told.
  ansi = SystemPath(ProgramFolderName() + WideOf(L"ещё қ\\"), &spelled);
  EXPECT_FALSE(spelled);
  EXPECT_NE(ansi.find('?'), std::string::npos) << ansi;
}

TEST(Registry, StringValuesOnly) {
  const char* path = "Software\\VConfigTests";
  HKEY created;
  ASSERT_EQ(RegCreateKeyA(HKEY_CURRENT_USER, path, &created), ERROR_SUCCESS);
  RegCloseKey(created);
  HKEY key = OpenKeyForWrite(HKEY_CURRENT_USER, path);
  ASSERT_NE(key, nullptr);
  EXPECT_TRUE(WriteRegString(key, "sz", "C:\\Vorduna.exe"));
  DWORD size = 0;
  RegQueryValueExA(key, "sz", nullptr, nullptr, nullptr, &size);
  EXPECT_EQ(size, 15u) << "the NUL is stored";
  RegSetValueExA(key, "expand", 0, REG_EXPAND_SZ, reinterpret_cast<const BYTE*>("%X%"), 4);
  DWORD number = 5;
  RegSetValueExA(key, "dword", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), 4);
  RegSetValueExA(key, "nonul", 0, REG_SZ, reinterpret_cast<const BYTE*>("abc"), 3);
  EXPECT_EQ(ReadRegString(key, "SZ"), "C:\\Vorduna.exe");
  EXPECT_EQ(ReadRegString(key, "expand"), "");
  EXPECT_EQ(ReadRegString(key, "dword"), "");
  EXPECT_EQ(ReadRegString(key, "nonul"), "abc");
  EXPECT_TRUE(DeleteRegValue(key, "sz"));
  EXPECT_FALSE(DeleteRegValue(key, "sz"));
  CloseRegKey(key);
  EXPECT_EQ(OpenKeyForWrite(HKEY_CURRENT_USER, "Software\\VConfigTests\\Missing"), nullptr)
      << "keys are opened, never created";
  EXPECT_EQ(ReadRegString(nullptr, "x"), "");
  EXPECT_FALSE(WriteRegString(nullptr, "x", "y"));
  RegDeleteKeyA(HKEY_CURRENT_USER, path);
}
