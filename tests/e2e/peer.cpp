// Stands in for the tray program and for other programs on the desktop during the suite.
//
//   peer notices LOG INI   a top-level window that registers "WM_LOADCONFIG", as the tray
//                          program does; for each notice it appends "notice N" to LOG and
//                          copies INI, as it is at that moment, to LOG.N
//   peer hung READY        a top-level window whose thread stops taking messages
//   peer lock FILE READY   holds FILE open with no sharing, as an editor or a scanner might
//   peer hotkey MODS VK READY  holds the global hotkey (modifier bits, virtual key), as the
//                          tray program or another program would
//   peer url LOG ADDRESS   appends ADDRESS to LOG (registered as the shell's handler of
//                          "http:" and "mailto:" addresses, instead of a browser)
// Each mode that stays writes "ready PID" to its file once it is set up (its window made, the
// file or hotkey held), so that it can be ended by its process id; a window ends on WM_CLOSE.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

std::string Ready() { return "ready " + std::to_string(GetCurrentProcessId()); }

UINT gLoadConfig;
std::string gLog, gIni;
int gNotices;

void Append(const std::string& path, const std::string& text) {
  HANDLE f = CreateFileA(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                         nullptr, OPEN_ALWAYS, 0, nullptr);
  if (f == INVALID_HANDLE_VALUE) return;
  DWORD n;
  WriteFile(f, text.data(), static_cast<DWORD>(text.size()), &n, nullptr);
  CloseHandle(f);
}

LRESULT CALLBACK PeerProc(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == gLoadConfig && gLoadConfig) {
    ++gNotices;
    std::string n = std::to_string(gNotices);
    if (!CopyFileA(gIni.c_str(), (gLog + "." + n).c_str(), FALSE)) Append(gLog + "." + n, "");
    Append(gLog, "notice " + n + "\r\n");
    return 0;
  }
  if (msg == WM_DESTROY) PostQuitMessage(0);
  return DefWindowProcA(w, msg, wp, lp);
}

HWND MakeWindow(const char* title) {
  WNDCLASSA wc = {};
  wc.lpfnWndProc = PeerProc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = "VConfigTestPeer";
  RegisterClassA(&wc);
  return CreateWindowExA(WS_EX_TOOLWINDOW, wc.lpszClassName, title, WS_POPUP, 0, 0, 10, 10, nullptr,
                         nullptr, wc.hInstance, nullptr);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) return 2;
  std::string mode = argv[1];
  if (mode == "url" && argc >= 4) {
    Append(argv[2], std::string(argv[3]) + "\r\n");
    return 0;
  }
  if (mode == "notices" && argc >= 4) {
    gLog = argv[2];
    gIni = argv[3];
    gLoadConfig = RegisterWindowMessageA("WM_LOADCONFIG");
    if (!MakeWindow("peer: notices")) return 1;
    Append(gLog + ".ready", Ready());
  } else if (mode == "lock" && argc >= 4) {
    HANDLE f =
        CreateFileA(argv[2], GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS, 0, nullptr);
    if (f == INVALID_HANDLE_VALUE) return 1;
    Append(argv[3], Ready());
    Sleep(INFINITE);
  } else if (mode == "hotkey" && argc >= 5) {
    if (!RegisterHotKey(nullptr, 1, static_cast<UINT>(atoi(argv[2])),
                        static_cast<UINT>(atoi(argv[3]))))
      return 1;
    Append(argv[4], Ready());
    Sleep(INFINITE);
  } else if (mode == "hung") {
    if (!MakeWindow("peer: hung")) return 1;
    Append(argv[2], Ready());
    Sleep(INFINITE);
  } else {
    return 2;
  }
  MSG m;
  while (GetMessageA(&m, nullptr, 0, 0) > 0) DispatchMessageA(&m);
  return 0;
}
