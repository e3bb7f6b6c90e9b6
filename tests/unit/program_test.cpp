// The real program as a process, its resources, and skins read as data.
#include <gtest/gtest.h>

#include "support/test_support.h"
#include "ui/catalogues.h"

namespace {

std::string Exe() { return WinPath(VCONFIG_DIST_DIR) + "\\VConfig.exe"; }

HWND FindSettingsWindow(DWORD pid) {
  struct Search { DWORD pid; HWND found; } s = {pid, nullptr};
  EnumWindows([](HWND w, LPARAM p) -> BOOL {
    auto* s = reinterpret_cast<Search*>(p);
    DWORD owner = 0;
    GetWindowThreadProcessId(w, &owner);
    char cls[32];
    GetClassNameA(w, cls, sizeof cls);
    if (owner == s->pid && lstrcmpA(cls, "obj_Form") == 0 && IsWindowVisible(w)) {
      s->found = w;
      return FALSE;
    }
    return TRUE;
  }, reinterpret_cast<LPARAM>(&s));
  return s.found;
}

PROCESS_INFORMATION Start(const std::string& folder) {
  STARTUPINFOA si = {};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi = {};
  std::string cmd = "\"" + folder + "VConfig.exe\" ignored arguments";
  CreateProcessA(nullptr, &cmd[0], nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &si, &pi);
  return pi;
}

}  // namespace

TEST(Program, SecondCopyEndsByItselfAndWritesNothing) {
  std::string folder = TestFolder() + "copy\\";
  CreateDirectoryA(folder.c_str(), nullptr);
  CopyFileA(Exe().c_str(), (folder + "VConfig.exe").c_str(), FALSE);
  DeleteFileA((folder + "VConfig.ini").c_str());
  PROCESS_INFORMATION first = Start(folder);
  ASSERT_NE(first.hProcess, nullptr);
  HWND window = nullptr;
  for (int i = 0; i < 300 && !window; ++i, Sleep(100)) window = FindSettingsWindow(first.dwProcessId);
  ASSERT_NE(window, nullptr);
  HANDLE mutex = OpenMutexA(SYNCHRONIZE, FALSE, "VConfigMutex");
  EXPECT_NE(mutex, nullptr) << "the mutex exists while the first copy runs";
  if (mutex) CloseHandle(mutex);
  PROCESS_INFORMATION second = Start(folder);
  ASSERT_EQ(WaitForSingleObject(second.hProcess, 30000), WAIT_OBJECT_0);
  DWORD code = 1;
  GetExitCodeProcess(second.hProcess, &code);
  EXPECT_EQ(code, 0u);
  EXPECT_EQ(WaitForSingleObject(first.hProcess, 0), static_cast<DWORD>(WAIT_TIMEOUT)) << "the first copy runs on";
  EXPECT_EQ(GetFileAttributesA((folder + "VConfig.ini").c_str()), INVALID_FILE_ATTRIBUTES);
  PostMessageA(window, WM_CLOSE, 0, 0);
  ASSERT_EQ(WaitForSingleObject(first.hProcess, 30000), WAIT_OBJECT_0);
  GetExitCodeProcess(first.hProcess, &code);
  EXPECT_EQ(code, 0u);
  EXPECT_EQ(GetFileAttributesA((folder + "VConfig.ini").c_str()), INVALID_FILE_ATTRIBUTES)
      << "closing the window writes nothing";
  for (HANDLE h : {first.hProcess, first.hThread, second.hProcess, second.hThread}) CloseHandle(h);
}

TEST(Program, CarriesManifestIconGroupAndVersion) {
  HMODULE exe = LoadLibraryExA(Exe().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(exe, nullptr);
  HRSRC manifest = FindResourceA(exe, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));
  ASSERT_NE(manifest, nullptr);
  std::string text(static_cast<const char*>(LockResource(LoadResource(exe, manifest))),
                   SizeofResource(exe, manifest));
  EXPECT_NE(text.find("Microsoft.Windows.Common-Controls"), std::string::npos);
  EXPECT_NE(text.find("asInvoker"), std::string::npos);
  HRSRC group = FindResourceA(exe, "MAINICON", MAKEINTRESOURCEA(14));
  ASSERT_NE(group, nullptr);
  auto* dir = static_cast<const WORD*>(LockResource(LoadResource(exe, group)));
  EXPECT_EQ(dir[2], 3) << "16, 32 and 48 pixels";
  HRSRC version = FindResourceA(exe, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(16));
  ASSERT_NE(version, nullptr);
  std::string block(static_cast<const char*>(LockResource(LoadResource(exe, version))),
                    SizeofResource(exe, version));
  const char product[] = "V\0o\0r\0d\0u\0n\0a\0";  // version strings are UTF-16
  EXPECT_NE(block.find(std::string(product, sizeof product - 1)), std::string::npos);
  FreeLibrary(exe);
}

TEST(Skins, ReadAsDataWithoutRunningTheirCode) {
  std::string marker = TestFolder() + "skin-ran.txt";
  DeleteFileA(marker.c_str());
  SetEnvironmentVariableA("VCONFIG_SKIN_MARKER", marker.c_str());
  TSkin skin;
  ReadSkinStrings(TestFolder() + "evil.vsk", skin);
  EXPECT_EQ(skin.String1, "Evil");
  EXPECT_EQ(skin.String2, "Code");
  EXPECT_EQ(GetFileAttributesA(marker.c_str()), INVALID_FILE_ATTRIBUTES);
  // The same file loaded as a program library does run: the marker proves the test can fail.
  HMODULE lib = LoadLibraryA((TestFolder() + "evil.vsk").c_str());
  ASSERT_NE(lib, nullptr);
  FreeLibrary(lib);
  EXPECT_NE(GetFileAttributesA(marker.c_str()), INVALID_FILE_ATTRIBUTES);
  TSkin text;
  WriteFileBytes(TestFolder() + "text.vsk", "not a library");
  ReadSkinStrings(TestFolder() + "text.vsk", text);
  EXPECT_EQ(text.String1 + " (" + text.String2 + ")", " ()");
}
