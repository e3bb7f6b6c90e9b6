// The real program as a process, its resources, and skins read as data.
#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>

#include "support/test_support.h"
#include "ui/catalogues.h"

namespace {

std::string Exe() { return WinPath(VCONFIG_DIST_DIR) + "\\VConfig.exe"; }

// The process's visible error box.
HWND FindErrorBox(DWORD pid) {
  struct Search {
    DWORD pid;
    HWND found;
  } s = {pid, nullptr};
  EnumWindows(
      [](HWND w, LPARAM p) CALLBACK -> BOOL {
        auto* s = reinterpret_cast<Search*>(p);
        DWORD owner = 0;
        char text[64] = "";
        GetWindowThreadProcessId(w, &owner);
        if (owner == s->pid && IsWindowVisible(w) && GetWindowTextA(w, text, sizeof text) &&
            !lstrcmpA(text, "Error"))
          s->found = w;
        return !s->found;
      },
      reinterpret_cast<LPARAM>(&s));
  return s.found;
}

}  // namespace

TEST(Program, CarriesManifestIconGroupAndVersion) {
  HMODULE exe = LoadLibraryExA(Exe().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(exe, nullptr);
  HRSRC manifest = FindResourceA(exe, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));
  ASSERT_NE(manifest, nullptr);
  std::string text(static_cast<const char*>(LockResource(LoadResource(exe, manifest))),
                   SizeofResource(exe, manifest));
  EXPECT_NE(text.find("Microsoft.Windows.Common-Controls"), std::string::npos);
  EXPECT_NE(text.find("<requestedExecutionLevel level=\"asInvoker\""), std::string::npos);
  // Windows 7, 8, 8.1, 10 and 11 as supported systems: no compatibility mitigations.
  for (const char* id :
       {"35138b9a-5d96-4fbd-8e2d-a2440225f93a", "4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38",
        "1f676c76-80e1-4239-95bb-83d0f6d0da78", "8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a"})
    EXPECT_NE(text.find(std::string("<supportedOS Id=\"{") + id + "}\"/>"), std::string::npos)
        << id;
  // DPI-aware per monitor: nothing of the window is stretched.
  EXPECT_NE(text.find(">true/pm</dpiAware>"), std::string::npos);
  EXPECT_NE(text.find(">PerMonitorV2, PerMonitor</dpiAwareness>"), std::string::npos);
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
  EXPECT_EQ(skin.String1, WideOf(L"Evil"));
  EXPECT_EQ(skin.String2, WideOf(L"Code"));
  EXPECT_EQ(GetFileAttributesA(marker.c_str()), INVALID_FILE_ATTRIBUTES);
  // The same file loaded as a program library does run: the marker proves the test can fail.
  HMODULE lib = LoadLibraryA((TestFolder() + "evil.vsk").c_str());
  ASSERT_NE(lib, nullptr);
  FreeLibrary(lib);
  EXPECT_NE(GetFileAttributesA(marker.c_str()), INVALID_FILE_ATTRIBUTES);
  TSkin text;
  WriteFileBytes(TestFolder() + "text.vsk", "not a library");
  ReadSkinStrings(TestFolder() + "text.vsk", text);
  EXPECT_TRUE(text.String1.empty() && text.String2.empty()) << "its item is \" ()\"";
}

namespace {

struct TFaultReport {
  std::string text;
  DWORD exitCode = 0;
  uintptr_t moduleBase = 0, moduleEnd = 0;
  uintptr_t faultsBegin = 0, faultsEnd = 0;  // where the trigger's faulting functions lie
};

// Runs the fault trigger, reads the error box it shows, answers it and collects the exit code.
TFaultReport RunFault(const char* fault) {
  TFaultReport report;
  std::string exe = TestFolder() + "fault_trigger.exe";
  HMODULE image = LoadLibraryExA(exe.c_str(), nullptr, DONT_RESOLVE_DLL_REFERENCES);
  if (image) {
    auto* dos = reinterpret_cast<IMAGE_DOS_HEADER*>(image);
    auto* nt = reinterpret_cast<IMAGE_NT_HEADERS*>(reinterpret_cast<char*>(image) + dos->e_lfanew);
    report.moduleBase = nt->OptionalHeader.ImageBase;
    report.moduleEnd = report.moduleBase + nt->OptionalHeader.SizeOfImage;
    FreeLibrary(image);
  }
  STARTUPINFOA si = {};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi = {};
  std::string where = TestFolder() + "fault-where.txt";
  DeleteFileA(where.c_str());
  std::string cmd = "\"" + exe + "\" " + fault + " \"" + where + "\"";
  // A start that fails is named in the report, so that it is not taken for a fault that
  // showed nothing and exited with 0.
  if (!CreateProcessA(nullptr, &cmd[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
    report.text = "CreateProcess failed: " + std::to_string(GetLastError());
    return report;
  }
  HWND box = nullptr;
  for (int i = 0; i < 300 && !box && WaitForSingleObject(pi.hProcess, 100) == WAIT_TIMEOUT; ++i)
    box = FindErrorBox(pi.dwProcessId);
  if (box) {
    EnumChildWindows(
        box,
        [](HWND child, LPARAM p) CALLBACK -> BOOL {
          char text[128] = "";
          GetWindowTextA(child, text, sizeof text);
          if (strncmp(text, "Runtime", 7) == 0) *reinterpret_cast<std::string*>(p) = text;
          return TRUE;
        },
        reinterpret_cast<LPARAM>(&report.text));
    PostMessageA(box, WM_COMMAND, IDOK, 0);
  }
  WaitForSingleObject(pi.hProcess, 30000);
  GetExitCodeProcess(pi.hProcess, &report.exitCode);
  CloseHandle(pi.hProcess);
  CloseHandle(pi.hThread);
  std::string range = ReadFileBytes(where);
  char* end = nullptr;
  report.faultsBegin = static_cast<uintptr_t>(strtoull(range.c_str(), &end, 16));
  report.faultsEnd = static_cast<uintptr_t>(strtoull(end, nullptr, 16));
  return report;
}

// "Runtime error N at $" followed by the address as upper-case hexadecimal digits.
uintptr_t ParseAddress(const std::string& text, int code) {
  std::string head = "Runtime error " + std::to_string(code) + " at $";
  if (text.compare(0, head.size(), head) != 0) return 0;
  std::string hex = text.substr(head.size());
  if (hex.size() != sizeof(void*) * 2) return 0;
  for (char c : hex)
    if (!isdigit(static_cast<unsigned char>(c)) && (c < 'A' || c > 'F')) return 0;
  return static_cast<uintptr_t>(strtoull(hex.c_str(), nullptr, 16));
}

}  // namespace

TEST(RuntimeErrors, EachFatalFaultShowsItsNumberAndAddressAndExitsWithIt) {
  // Where: the fault's own function, the program's image (a run-time error raised by the
  // program's code, or the stack probe that the deepest call runs), or anywhere (raised by the
  // system).
  enum { kFaultFunction, kImage, kAnywhere };
  struct {
    const char* fault;
    int code;
    int where;
  } cases[] = {
      {"new", 203, kImage},    {"text", 203, kImage},           {"vector", 203, kImage},
      {"object", 203, kImage}, {"access", 216, kFaultFunction}, {"handler", 216, kFaultFunction},
      {"stack", 202, kImage},  {"divide", 200, kFaultFunction}, {"other", 217, kAnywhere},
      {"window", 217, kImage}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.fault);
    TFaultReport r = RunFault(c.fault);
    EXPECT_EQ(r.exitCode, static_cast<DWORD>(c.code));
    uintptr_t address = ParseAddress(r.text, c.code);
    EXPECT_NE(address, 0u) << "box text: \"" << r.text << "\"";
    if (c.where == kImage) {
      // The fault happened in the program's own code, so that is where the address points.
      EXPECT_GE(address, r.moduleBase);
      EXPECT_LT(address, r.moduleEnd);
    } else if (c.where == kFaultFunction) {
      // Not the handler's own address: the faulting instruction's.
      ASSERT_LT(r.faultsBegin, r.faultsEnd);
      EXPECT_GT(address, r.faultsBegin);
      EXPECT_LT(address, r.faultsEnd);
    }
  }
  TFaultReport clean = RunFault("none");
  EXPECT_EQ(clean.exitCode, 0u);
  EXPECT_EQ(clean.text, "");
}

namespace {

// What the system's loader reads from the same file, for comparison.
std::wstring LoadedString(const std::string& path, UINT id) {
  HMODULE lib = LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  wchar_t buf[255] = L"";
  int n = lib ? LoadStringW(lib, id, buf, 255) : 0;
  if (lib) FreeLibrary(lib);
  return std::wstring(buf, n > 0 ? n : 0);
}

}  // namespace

TEST(Skins, StringsReadFromTheFileMatchTheLoader) {
  std::string dist = WinPath(VCONFIG_DIST_DIR) + "\\Skins\\";
  std::string odd = WinPath(VCONFIG_ODD_SKINS_DIR) + "\\";
  for (std::string path : {dist + "Classic.vsk", dist + "Night.vsk", TestFolder() + "evil.vsk",
                           odd + "OneString.vsk", odd + "LongStrings.vsk"}) {
    SCOPED_TRACE(path);
    TSkin skin;
    ReadSkinStrings(path, skin);
    EXPECT_EQ(std::wstring(skin.String1.c_str()), LoadedString(path, 1));
    EXPECT_EQ(std::wstring(skin.String2.c_str()), LoadedString(path, 2));
    EXPECT_FALSE(skin.String1.empty());
  }
  TSkin lonely;
  ReadSkinStrings(odd + "LongStrings.vsk", lonely);
  EXPECT_EQ(lonely.String1.size(), 254u) << "cut as a 255-byte buffer cuts";
}

TEST(Skins, DamagedFilesGiveEmptyOrWholeStrings) {
  std::string classic = ReadFileBytes(WinPath(VCONFIG_DIST_DIR) + "\\Skins\\Classic.vsk");
  ASSERT_GT(classic.size(), 512u);
  std::string path = TestFolder() + "damaged.vsk";
  int whole = 0;
  // Every length the file can be cut to, then deterministic corruption of single bytes.
  for (size_t n = 0;; n = std::min(classic.size(), n + (n < 1024 ? 1 : 7))) {
    WriteFileBytes(path, classic.substr(0, n));
    TSkin skin;
    ReadSkinStrings(path, skin);
    bool full = skin.String1 == WideOf(L"Classic") && skin.String2 == WideOf(L"Default");
    bool none = skin.String1.empty() && skin.String2.empty();
    bool first = skin.String1 == WideOf(L"Classic") && skin.String2.empty();
    ASSERT_TRUE(full || none || first) << "cut at " << n;
    whole += full;
    if (n == classic.size()) break;
  }
  EXPECT_GT(whole, 0) << "the complete file reads";
  // Two crafted entries of the first string block (strings 0 to 15: "", "Classic", "Default",
  // then 13 empty ones): one that ends a character before "Default" does, one whose data lies
  // outside the resource section. Neither may be read past.
  auto u32 = [&](size_t at) {
    uint32_t v;
    memcpy(&v, &classic[at], 4);
    return v;
  };
  const char kClassic[] = "C\0l\0a\0s\0s\0i\0c\0";
  size_t text = classic.find(std::string(kClassic, sizeof kClassic - 1));
  ASSERT_NE(text, std::string::npos);
  size_t nt = u32(0x3C), table = nt + 24 + (u32(nt + 20) & 0xFFFF);
  uint32_t blockRva = 0, sectionEnd = 0;
  for (size_t s = table; s < table + 40 * (u32(nt + 4) >> 16); s += 40)
    if (u32(s + 20) <= text && text < u32(s + 20) + u32(s + 16)) {
      blockRva = static_cast<uint32_t>(text - 4 - u32(s + 20) + u32(s + 12));
      sectionEnd = u32(s + 12) + u32(s + 16);
    }
  size_t entry = 0;
  for (size_t at = 0; at + 8 <= classic.size() && !entry; at += 4)
    if (u32(at) == blockRva && u32(at + 4) == 60) entry = at;
  ASSERT_NE(entry, 0u) << "the data entry of the block";
  for (uint32_t field : {4u, 0u}) {
    std::string bad = classic;
    uint32_t value =
        field == 4 ? 2 + 16 + 2 + 12 : sectionEnd + 0x100000;  // to "Defaul", or far out
    memcpy(&bad[entry + field], &value, 4);
    WriteFileBytes(path, bad);
    TSkin skin;
    ReadSkinStrings(path, skin);
    EXPECT_EQ(skin.String1, WideOf(field == 4 ? L"Classic" : L""));
    EXPECT_TRUE(skin.String2.empty())
        << (field == 4 ? "a string longer than its entry" : "data outside the section");
  }
  uint32_t seed = 12345;
  for (int i = 0; i < 400; ++i) {
    std::string bad = classic;
    for (int k = 0; k < 3; ++k) {
      seed = seed * 1103515245u + 12345u;
      bad[(seed >> 8) % bad.size()] = static_cast<char>(seed >> 24);
    }
    WriteFileBytes(path, bad);
    TSkin skin;
    ReadSkinStrings(path, skin);  // must simply return
    EXPECT_LE(skin.String1.size(), 254u);
  }
}
