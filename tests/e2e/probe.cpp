// The suite's automation client: finds the settings window from outside, as any UI-automation
// tool would (class "obj_Form", caption), reads its controls by identifier and acts on them
// with the messages such a tool sends.
//
// It reads commands from its input, one a line with the arguments separated by tabs, and
// answers each with its output and then a line of its own: "\x04", the exit code (0 done,
// 1 window, box or control missing, 2 bad arguments), a tab and why it failed. One client
// serves a whole suite: a Wine process started for each question costs more than most answers.
//
//   dump                 one line per control: id, class, visible, enabled, check,
//                        selection, item count, screen rectangle, text, selected item
//   window               the settings window's screen rectangle
//   items ID             the items of a combo box, one per line
//   click ID             posts BM_CLICK to a button
//   clicks ID N          sends BM_CLICK N times, each after the last one's handler ended
//   handles              the program's kernel handles (Wine's GetGuiResources answers 0 for
//                        GDI and USER objects: settings_test counts the program's own)
//   settext ID TEXT      WM_SETTEXT (a combo box passes it to its edit)
//   select ID INDEX      CB_SETCURSEL plus the CBN_SELCHANGE a user's choice sends
//   check ID 0|1         BM_SETCHECK
//   page INDEX           selects a tab with its notifications, as a click does
//   focus                the identifier of the control with the keyboard focus
//   box                  the title and text of a message box of the program, if shown
//   answer [yes|no]      presses OK, or Yes or No, in that message box
//   close                WM_CLOSE to the settings window
//   sysclose             what the window's close button sends (SC_CLOSE)
//   tabs                 the texts of the tab control's tabs, one per line
//   setting AREA         WM_SETTINGCHANGE to every top-level window, with AREA as Windows
//                        names what changed ("ImmersiveColorSet": the apps' colour mode)
//   watch MS             for MS milliseconds, every window of the program's class that shows
//                        besides the settings window shown at the start, one line each
//   cover 1|0            a window of this client's own in front of every other, or none
//   front                1 when the settings window is the foreground window, else 0
//   utf8 0|1             texts read with the ANSI messages and printed in this process's code
//                        page (0, the start), or read with the wide ones and printed in UTF-8,
//                        whatever the code page of either program (1)
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

const char kCaption[] = "Vorduna: Настройки";

HWND FindForm() {
  wchar_t caption[64] = L"";
  MultiByteToWideChar(1251, 0, kCaption, -1, caption, 64);
  HWND w = FindWindowW(L"obj_Form", caption);
  return w && IsWindowVisible(w) ? w : nullptr;
}

HWND FindControl(HWND form, int id) {
  struct Search {
    int id;
    HWND found;
  } s = {id, nullptr};
  EnumChildWindows(
      form,
      [](HWND w, LPARAM p) CALLBACK -> BOOL {
        auto* s = reinterpret_cast<Search*>(p);
        if (GetDlgCtrlID(w) == s->id) s->found = w;
        return s->found == nullptr;
      },
      reinterpret_cast<LPARAM>(&s));
  return s.found;
}

bool gUtf8 = false;

std::string Printed(const wchar_t* w) {
  char buf[4096] = "";
  WideCharToMultiByte(gUtf8 ? CP_UTF8 : CP_ACP, 0, w, -1, buf, sizeof buf, nullptr, nullptr);
  return buf;
}

std::string Text(HWND w) {
  if (gUtf8) {
    wchar_t wide[1024] = L"";
    SendMessageW(w, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(wide));
    return Printed(wide);
  }
  char buf[1024] = "";
  SendMessageA(w, WM_GETTEXT, sizeof buf, reinterpret_cast<LPARAM>(buf));
  return buf;
}

// Asked in UTF-16: Wine does not convert CB_GETLBTEXT between processes in ANSI.
std::string ItemText(HWND combo, int index) {
  LRESULT len = SendMessageW(combo, CB_GETLBTEXTLEN, index, 0);
  if (len < 0) return std::string();
  std::wstring w(static_cast<size_t>(len) + 1, L'\0');
  SendMessageW(combo, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(&w[0]));
  return Printed(w.c_str());
}

// A tab's text lives in the other process: the item and its buffer are lent there.
std::string TabText(HWND tabs, int index) {
  DWORD pid = 0;
  GetWindowThreadProcessId(tabs, &pid);
  HANDLE process =
      OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
  if (!process) return std::string();
  struct TLent {
    TCITEMW item;
    wchar_t text[256];
  } lent = {};
  auto* remote = static_cast<TLent*>(
      VirtualAllocEx(process, nullptr, sizeof lent, MEM_COMMIT, PAGE_READWRITE));
  lent.item.mask = TCIF_TEXT;
  lent.item.pszText = remote->text;
  lent.item.cchTextMax = 256;
  WriteProcessMemory(process, remote, &lent, sizeof lent, nullptr);
  SendMessageW(tabs, TCM_GETITEMW, index, reinterpret_cast<LPARAM>(&remote->item));
  ReadProcessMemory(process, remote, &lent, sizeof lent, nullptr);
  VirtualFreeEx(process, remote, 0, MEM_RELEASE);
  CloseHandle(process);
  return Printed(lent.text);
}

bool IsCombo(const char* cls) { return strstr(cls, "COMBOBOX") || strstr(cls, "ComboBox"); }
bool IsButton(const char* cls) { return strstr(cls, "BUTTON") || strstr(cls, "Button"); }
bool IsTab(const char* cls) { return strstr(cls, "SysTabControl32") != nullptr; }

BOOL CALLBACK DumpOne(HWND w, LPARAM) {
  char cls[64] = "";
  GetClassNameA(w, cls, sizeof cls);
  int check = -1, sel = -1, count = -1;
  std::string selText;
  if (IsButton(cls)) check = static_cast<int>(SendMessageA(w, BM_GETCHECK, 0, 0));
  if (IsCombo(cls)) {
    sel = static_cast<int>(SendMessageA(w, CB_GETCURSEL, 0, 0));
    count = static_cast<int>(SendMessageA(w, CB_GETCOUNT, 0, 0));
    if (sel >= 0) selText = ItemText(w, sel);
  }
  if (IsTab(cls)) {
    sel = static_cast<int>(SendMessageA(w, TCM_GETCURSEL, 0, 0));
    count = static_cast<int>(SendMessageA(w, TCM_GETITEMCOUNT, 0, 0));
  }
  RECT r;
  GetWindowRect(w, &r);
  printf("%d\t%s\t%d\t%d\t%d\t%d\t%d\t%ld,%ld,%ld,%ld\t%s\t%s\n", GetDlgCtrlID(w), cls,
         IsWindowVisible(w) ? 1 : 0, IsWindowEnabled(w) ? 1 : 0, check, sel, count, r.left, r.top,
         r.right, r.bottom, Text(w).c_str(), selText.c_str());
  return TRUE;
}

HWND FindBox(HWND form) {
  DWORD pid = 0;
  GetWindowThreadProcessId(form, &pid);
  struct Search {
    DWORD pid;
    HWND found;
  } s = {pid, nullptr};
  EnumWindows(
      [](HWND w, LPARAM p) CALLBACK -> BOOL {
        auto* s = reinterpret_cast<Search*>(p);
        DWORD owner = 0;
        GetWindowThreadProcessId(w, &owner);
        char cls[16] = "";
        GetClassNameA(w, cls, sizeof cls);
        if (owner == s->pid && IsWindowVisible(w) && !strcmp(cls, "#32770")) s->found = w;
        return s->found == nullptr;
      },
      reinterpret_cast<LPARAM>(&s));
  return s.found;
}

// The system handle table (Wine does not count GetProcessHandleCount): entries of one process.
struct THandleEntry {
  ULONG ownerPid;
  BYTE objectType;
  BYTE flags;
  USHORT value;
  void* object;
  ULONG access;
};
struct THandleTable {
  ULONG count;
  THandleEntry entries[1];
};

long KernelHandles(DWORD pid) {
  typedef LONG(WINAPI * QueryFn)(ULONG, void*, ULONG, ULONG*);
  auto query = reinterpret_cast<QueryFn>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtQuerySystemInformation")));
  if (!query) return -1;
  std::string buf(1 << 16, '\0');
  for (;;) {
    ULONG needed = 0;
    LONG status = query(16, &buf[0], static_cast<ULONG>(buf.size()), &needed);
    if (status == 0) break;
    if (buf.size() > (64u << 20)) return -1;
    buf.resize(buf.size() * 2 > needed ? buf.size() * 2 : needed);
  }
  auto* table = reinterpret_cast<THandleTable*>(&buf[0]);
  long n = 0;
  for (ULONG i = 0; i < table->count; ++i)
    if (table->entries[i].ownerPid == pid) ++n;
  return n;
}

// Why the last command failed, for the one who asked.
std::string gWhy;

int Fail(int code, const std::string& why) {
  gWhy = why;
  return code;
}

// One command; argv[0] is its name.
int Command(int argc, char** argv) {
  if (argc < 1) return Fail(2, "no command");
  std::string cmd = argv[0];
  if (cmd == "watch" && argc == 2) {
    struct Watch {
      HWND shown, seen[16];
      int count;
    } w = {FindForm(), {}, 0};
    for (DWORD end = GetTickCount() + atoi(argv[1]); GetTickCount() < end; Sleep(5))
      EnumWindows(
          [](HWND h, LPARAM p) CALLBACK -> BOOL {
            auto* w = reinterpret_cast<Watch*>(p);
            char cls[16] = "";
            GetClassNameA(h, cls, sizeof cls);
            bool known = h == w->shown;
            for (int i = 0; i < w->count; ++i) known = known || w->seen[i] == h;
            if (!known && IsWindowVisible(h) && !strcmp(cls, "obj_Form") && w->count < 16)
              w->seen[w->count++] = h;
            return TRUE;
          },
          reinterpret_cast<LPARAM>(&w));
    for (int i = 0; i < w.count; ++i) printf("%p\n", static_cast<void*>(w.seen[i]));
    return 0;
  }
  if (cmd == "cover" && argc == 2) {
    static HWND cover;
    if (cover) DestroyWindow(cover);
    cover = nullptr;
    if (!atoi(argv[1])) return 0;
    cover = CreateWindowExA(WS_EX_TOPMOST, "STATIC", "cover", WS_POPUP | WS_VISIBLE, 0, 0, 200, 200,
                            nullptr, nullptr, nullptr, nullptr);
    return cover && SetForegroundWindow(cover) ? 0 : Fail(1, "no window in front");
  }
  if (cmd == "setting" && argc == 2) {
    wchar_t area[64] = L"";
    MultiByteToWideChar(CP_ACP, 0, argv[1], -1, area, 64);
    DWORD_PTR answer;
    SendMessageTimeoutW(HWND_BROADCAST, WM_SETTINGCHANGE, 0, reinterpret_cast<LPARAM>(area),
                        SMTO_ABORTIFHUNG, 5000, &answer);
    return 0;
  }
  HWND form = FindForm();
  if (!form) return Fail(1, "no settings window");
  if (cmd == "dump") {
    EnumChildWindows(form, DumpOne, 0);
    return 0;
  }
  if (cmd == "close") return PostMessageA(form, WM_CLOSE, 0, 0) ? 0 : Fail(1, "PostMessage failed");
  if (cmd == "sysclose")
    return PostMessageA(form, WM_SYSCOMMAND, SC_CLOSE, 0) ? 0 : Fail(1, "PostMessage failed");
  if (cmd == "handles") {
    DWORD pid = 0;
    GetWindowThreadProcessId(form, &pid);
    long handles = KernelHandles(pid);
    if (handles < 0) return Fail(1, "the system handle table could not be read");
    printf("%ld\n", handles);
    return 0;
  }
  if (cmd == "front") {
    printf("%d\n", GetForegroundWindow() == form);
    return 0;
  }
  if (cmd == "window") {
    RECT r;
    GetWindowRect(form, &r);
    printf("%ld,%ld,%ld,%ld\n", r.left, r.top, r.right, r.bottom);
    return 0;
  }
  if (cmd == "focus") {
    DWORD thread = GetWindowThreadProcessId(form, nullptr);
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(thread, &info)) return Fail(1, "GetGUIThreadInfo failed");
    HWND focus = info.hwndFocus;
    char cls[64] = "";
    if (focus) GetClassNameA(GetParent(focus), cls, sizeof cls);
    if (IsCombo(cls)) focus = GetParent(focus);  // the edit inside a combo box
    printf("%d\n", focus ? GetDlgCtrlID(focus) : 0);
    return 0;
  }
  if (cmd == "box" || cmd == "answer") {
    HWND box = FindBox(form);
    if (!box) return Fail(1, "no message box");
    if (cmd == "answer") {
      WPARAM button = argc < 2 ? IDOK : strcmp(argv[1], "yes") == 0 ? IDYES : IDNO;
      PostMessageA(box, WM_COMMAND, button, 0);
      return 0;
    }
    printf("%s\n", Text(box).c_str());
    EnumChildWindows(
        box,
        [](HWND w, LPARAM) CALLBACK -> BOOL {
          char cls[16] = "";
          GetClassNameA(w, cls, sizeof cls);
          if (!strcmp(cls, "Static") || !strcmp(cls, "STATIC")) {
            std::string t = Text(w);
            if (!t.empty()) printf("%s\n", t.c_str());
          }
          return TRUE;
        },
        0);
    HWND owner = GetWindow(box, GW_OWNER);
    printf("owner=%s\n", owner == form ? "form" : "other");
    return 0;
  }
  if ((cmd == "page" && argc == 2) || cmd == "tabs") {
    HWND tabs = nullptr;
    EnumChildWindows(
        form,
        [](HWND w, LPARAM p) CALLBACK -> BOOL {
          char cls[64] = "";
          GetClassNameA(w, cls, sizeof cls);
          if (IsTab(cls)) *reinterpret_cast<HWND*>(p) = w;
          return !IsTab(cls);
        },
        reinterpret_cast<LPARAM>(&tabs));
    if (!tabs) return Fail(1, "no tab control");
    if (cmd == "tabs") {
      int n = static_cast<int>(SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0));
      for (int i = 0; i < n; ++i) printf("%s\n", TabText(tabs, i).c_str());
      return 0;
    }
    // Moving the focus of a tab control without buttons selects the tab, with the
    // TCN_SELCHANGING and TCN_SELCHANGE notifications of a click.
    SendMessageA(tabs, TCM_SETCURFOCUS, atoi(argv[1]), 0);
    return 0;
  }
  if (argc < 2) return Fail(2, "no control named");
  HWND w = FindControl(form, static_cast<int>(strtol(argv[1], nullptr, 0)));
  if (!w) return Fail(1, std::string("no control ") + argv[1]);
  if (cmd == "items") {
    int n = static_cast<int>(SendMessageA(w, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < n; ++i) printf("%s\n", ItemText(w, i).c_str());
    return 0;
  }
  if (cmd == "click") return PostMessageA(w, BM_CLICK, 0, 0) ? 0 : Fail(1, "PostMessage failed");
  if (cmd == "clicks" && argc == 3) {
    for (int i = atoi(argv[2]); i > 0; --i) SendMessageA(w, BM_CLICK, 0, 0);
    return 0;
  }
  if (cmd == "settext" && argc == 3) {
    SendMessageA(w, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(argv[2]));
    return 0;
  }
  if (cmd == "select" && argc == 3) {
    SendMessageA(w, CB_SETCURSEL, atoi(argv[2]), 0);
    SendMessageA(GetParent(w), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(w), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(w));
    return 0;
  }
  if (cmd == "check" && argc == 3) {
    SendMessageA(w, BM_SETCHECK, atoi(argv[2]) ? BST_CHECKED : BST_UNCHECKED, 0);
    return 0;
  }
  return Fail(2, "unknown command or arguments: " + cmd);
}

// Commands from the input, one a line, each answered by its output and a line "\x04CODE\tWHY".
int Serve() {
  char line[8192];
  while (fgets(line, sizeof line, stdin)) {
    line[strcspn(line, "\r\n")] = '\0';
    char* args[16];
    int n = 0;
    for (char* p = line; n < 16;) {
      args[n++] = p;
      p = strchr(p, '\t');
      if (!p) break;
      *p++ = '\0';
    }
    gWhy.clear();
    int code;
    if (!strcmp(args[0], "utf8") && n == 2) {
      gUtf8 = atoi(args[1]) != 0;
      code = 0;
    } else {
      code = Command(n, args);
    }
    printf("\x04%d\t%s\n", code, gWhy.c_str());
    fflush(stdout);
  }
  return 0;
}

}  // namespace

int main() { return Serve(); }
