// What the suites share: folders and files of a test, and the window of the program.
#include "support/test_support.h"

#include <fstream>
#include <sstream>

#include "wincontrols/controls/constructors.h"
#include "wincontrols/storage/convert.h"

void Pump() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

std::string WinPath(const std::string& path) {
  // Only a Unix path (the suites under Wine) needs the drive Wine maps / to.
  std::string p = path.compare(0, 1, "/") == 0 ? "Z:" + path : path;
  for (char& ch : p)
    if (ch == '/') ch = '\\';
  return p;
}

std::string TestFolder() { return ProgramFolder(); }

std::string ReadFileBytes(const std::string& path) {
  HANDLE f = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                         OPEN_EXISTING, 0, nullptr);
  if (f == INVALID_HANDLE_VALUE) return std::string();
  std::string bytes;
  char buf[4096];
  DWORD n;
  while (ReadFile(f, buf, sizeof buf, &n, nullptr) && n) bytes.append(buf, n);
  CloseHandle(f);
  return bytes;
}

void WriteFileBytes(const std::string& path, const std::string& bytes) {
  HANDLE f = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  DWORD n;
  WriteFile(f, bytes.data(), static_cast<DWORD>(bytes.size()), &n, nullptr);
  CloseHandle(f);
}

TScopedForm::TScopedForm() : form(NewForm(nullptr, "test")) {}
TScopedForm::~TScopedForm() { Release(form); }
