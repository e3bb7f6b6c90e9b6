// The start-up baseline: the settings window built by hand with CreateWindowExA and nothing
// else: the same 60 controls in the same order and places, with the same texts and items
// (mixer devices, key names, skins, tray actions), the same font, shown always on top in the
// screen's centre. Its controls take the same identifiers, so a harness can wait for the last
// one. It reads no settings and answers no control.
#include <windows.h>
#include <commctrl.h>
#include <mmsystem.h>

#include <cstring>
#include <initializer_list>

#include "generated/version.h"
#include "runtime/benchmarks.h"

namespace {

HFONT gFont;
int gNextId = 0x8000;

HWND Make(HWND parent, const char* cls, const char* text, DWORD style, int x, int y, int w, int h,
          DWORD exStyle = 0) {
  HWND wnd = CreateWindowExA(
      exStyle, cls, text, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | style, x, y, w, h, parent,
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(gNextId++)), nullptr, nullptr);
  SendMessageA(wnd, WM_SETFONT, reinterpret_cast<WPARAM>(gFont), FALSE);
  return wnd;
}

// Labels and check boxes size themselves to their text, as in the program.
HWND Text(HWND parent, const char* cls, const char* text, DWORD style, int x, int y, int extraW,
          int extraH) {
  HDC dc = GetDC(parent);
  HGDIOBJ old = SelectObject(dc, gFont);
  SIZE size = {};
  GetTextExtentPoint32A(dc, text, lstrlenA(text), &size);
  SelectObject(dc, old);
  ReleaseDC(parent, dc);
  return Make(parent, cls, text, style, x, y, size.cx + extraW, size.cy + extraH);
}

HWND Label(HWND p, const char* t, int x, int y) { return Text(p, "STATIC", t, 0, x, y, 1, 1); }
HWND Check(HWND p, const char* t, int x, int y) {
  return Text(p, "BUTTON", t, BS_AUTOCHECKBOX | WS_TABSTOP, x, y, 24, 6);
}
HWND Group(HWND p, const char* t, int x, int y, int w, int h) {
  return Make(p, "BUTTON", t, BS_GROUPBOX, x, y, w, h);
}
HWND Combo(HWND p, DWORD kind, int x, int y, int w) {
  return Make(p, "COMBOBOX", "", kind | CBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP, x, y, w, 22,
              WS_EX_CLIENTEDGE);
}
void Add(HWND combo, const char* item) {
  SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
}

void AddKeys(HWND combo) {
  Add(combo, "Нет");
  static const int kRanges[][2] = {{8, 9}, {13, 13}, {20, 145}};
  for (const auto& range : kRanges) {
    for (int code = range[0]; code <= range[1]; ++code) {
      LONG lParam = static_cast<LONG>(MapVirtualKeyA(code, 0) << 16);
      if ((code >= 33 && code <= 40) || code == 45 || code == 46) lParam |= 0x1000000;
      char name[64];
      if (GetKeyNameTextA(lParam, name, sizeof name) > 0) Add(combo, name);
    }
  }
  SendMessageA(combo, CB_SETCURSEL, 0, 0);
}

void AddSkins(HWND combo) {
  char folder[MAX_PATH];
  DWORD n = GetModuleFileNameA(nullptr, folder, MAX_PATH);
  while (n > 0 && folder[n - 1] != '\\') --n;
  folder[n] = 0;
  char pattern[MAX_PATH + 16];
  lstrcpyA(pattern, folder);
  lstrcatA(pattern, "Skins\\*.vsk");
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA(pattern, &found);
  if (search == INVALID_HANDLE_VALUE) return;
  do {
    char path[MAX_PATH * 2];
    lstrcpyA(path, folder);
    lstrcatA(path, "Skins\\");
    lstrcatA(path, found.cFileName);
    HMODULE lib =
        LoadLibraryExA(path, nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    char s1[255] = "", s2[255] = "", item[520];
    if (lib) {
      LoadStringA(lib, 1, s1, sizeof s1);
      LoadStringA(lib, 2, s2, sizeof s2);
      FreeLibrary(lib);
    }
    lstrcpyA(item, s1);
    lstrcatA(item, " (");
    lstrcatA(item, s2);
    lstrcatA(item, ")");
    Add(combo, item);
  } while (FindNextFileA(search, &found));
  FindClose(search);
  SendMessageA(combo, CB_SETCURSEL, 0, 0);
}

void AddActions(HWND combo, int current) {
  for (const char* a :
       {"Нет", "Стандартный регулятор*", "Стандартный микшер", "Выкл. / вкл. звук", "Настройки"})
    Add(combo, a);
  SendMessageA(combo, CB_SETCURSEL, current, 0);
}

void HotkeyGroup(HWND page, const char* caption, int top, int winLeft, int comboLeft) {
  HWND g = Group(page, caption, 12, top, 304, 60);
  Check(g, "Ctrl", 24, 24);
  Check(g, "Alt", 69, 24);
  Check(g, "Shift", 110, 24);
  Check(g, "Win", winLeft, 24);
  AddKeys(Combo(g, CBS_DROPDOWNLIST, comboLeft, 23, 74));
}

LRESULT CALLBACK FormProc(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_DESTROY) PostQuitMessage(0);
  return DefWindowProcA(w, msg, wp, lp);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_WIN95_CLASSES};
  InitCommonControlsEx(&icc);
  gFont = CreateFontA(-11, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Tahoma");
  WNDCLASSA wc = {};
  wc.lpfnWndProc = FormProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  wc.lpszClassName = "Baseline_Form";
  RegisterClassA(&wc);
  DWORD style = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
  RECT r = {0, 0, 352, 353};
  AdjustWindowRectEx(&r, style, FALSE, WS_EX_TOPMOST);
  int w = r.right - r.left, h = r.bottom - r.top;
  HWND form = CreateWindowExA(WS_EX_TOPMOST, wc.lpszClassName, "Vorduna: Настройки", style,
                              (GetSystemMetrics(SM_CXSCREEN) - w) / 2,
                              (GetSystemMetrics(SM_CYSCREEN) - h) / 2, w, h, nullptr, nullptr,
                              instance, nullptr);
  BenchMark("window");
  SendMessageA(form, WM_SETFONT, reinterpret_cast<WPARAM>(gFont), FALSE);

  HWND tabs =
      Make(form, WC_TABCONTROLA, "", WS_TABSTOP | WS_CLIPCHILDREN | TCS_FOCUSNEVER, 8, 8, 336, 304);
  const char* titles[] = {"Общие", "Вид", "Мышь", "Горячие клавиши", "О программе..."};
  HWND pages[5];
  for (int i = 0; i < 5; ++i) {
    TCITEMA item = {};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<char*>(titles[i]);
    SendMessageA(tabs, TCM_INSERTITEMA, i, reinterpret_cast<LPARAM>(&item));
    pages[i] = Make(tabs, "STATIC", "", WS_CLIPCHILDREN, 4, 24, 328, 276);
    if (i != 4) ShowWindow(pages[i], SW_HIDE);
  }
  SendMessageA(tabs, TCM_SETCURSEL, 4, 0);

  HWND g = Group(pages[0], "Устройство для управления", 12, 14, 304, 60);
  HWND devices = Combo(g, CBS_DROPDOWNLIST, 40, 24, 224);
  Add(devices, "Первичное устройство");
  for (UINT i = 0, n = mixerGetNumDevs(); i < n; ++i) {
    MIXERCAPSA caps = {};
    mixerGetDevCapsA(i, &caps, sizeof caps);
    Add(devices, caps.szPname);
  }
  SendMessageA(devices, CB_SETCURSEL, 0, 0);
  BenchMark("devices");
  g = Group(pages[0], "Баланс каналов", 12, 86, 304, 60);
  HWND spin =
      Make(g, UPDOWN_CLASSA, "", UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_ARROWKEYS, 72, 24, 16, 19);
  HWND balance = Make(g, "EDIT", "50", ES_NUMBER | WS_TABSTOP, 40, 24, 32, 19, WS_EX_CLIENTEDGE);
  SendMessageA(spin, UDM_SETBUDDY, reinterpret_cast<WPARAM>(balance), 0);
  SendMessageA(spin, UDM_SETRANGE32, 0, 100);
  g = Group(pages[0], "Шаг изменения громкости", 12, 158, 304, 60);
  Label(g, "(от 0 до 65535)", 168, 28);
  HWND steps = Combo(g, CBS_DROPDOWN, 40, 24, 120);
  for (const char* s : {"500 (очень медленно)", "2500 (медленно)", "5000 (нормально)",
                        "7500 (быстро)", "10000 (очень быстро)"})
    Add(steps, s);
  SendMessageA(steps, CB_SETCURSEL, 2, 0);
  Make(pages[0], "BUTTON", "Автозагрузка программы", BS_AUTOCHECKBOX | WS_TABSTOP, 12, 230, 152,
       22);

  g = Group(pages[1], "Скин индикатора в трее", 12, 14, 304, 60);
  AddSkins(Combo(g, CBS_DROPDOWNLIST, 40, 24, 224));
  BenchMark("skins");
  Check(pages[1], "Всплывающая подсказка", 12, 94);

  g = Group(pages[2], "Управление громкостью", 12, 14, 304, 80);
  Label(g, "Колесико мыши +", 16, 49);
  Check(g, "Колесико мыши над значком в трее", 16, 23);
  Check(g, "Ctrl", 115, 48);
  Check(g, "Alt", 160, 48);
  Check(g, "Shift", 200, 48);
  g = Group(pages[2], "Действия над иконкой в трее", 12, 110, 304, 152);
  Label(g, "Одиночный клик:", 16, 28);
  Label(g, "Двойной клик:", 16, 60);
  Label(g, "Средняя кнопка:", 16, 92);
  Label(g, "* Только для первичного устройства", 16, 120);
  AddActions(Combo(g, CBS_DROPDOWNLIST, 116, 24, 164), 1);
  AddActions(Combo(g, CBS_DROPDOWNLIST, 116, 56, 164), 2);
  AddActions(Combo(g, CBS_DROPDOWNLIST, 116, 88, 164), 3);

  HotkeyGroup(pages[3], "Увеличить громкость", 14, 161, 208);
  HotkeyGroup(pages[3], "Уменьшить громкость", 94, 160, 206);
  HotkeyGroup(pages[3], "Выкл. / вкл. звук", 174, 160, 206);
  BenchMark("keys");

  Label(pages[4], "Автор: команда проекта Vorduna", 12, 62);
  Label(pages[4], "© 2026 проект Vorduna", 84, 248);
  Label(pages[4], "Иконки: команда проекта Vorduna", 12, 80);
  HFONT bold = CreateFontA(-11, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Tahoma");
  HWND title = Label(pages[4], "Vorduna", 12, 14);
  SendMessageA(title, WM_SETFONT, reinterpret_cast<WPARAM>(bold), FALSE);
  Label(pages[4], "Версия " VCONFIG_VERSION_TEXT, 12, 30);
  g = Group(pages[4], "Координаты", 12, 110, 304, 86);
  Label(g, "нет", 103, 60);
  Label(g, "ICQ:", 24, 56);
  Label(g, "vorduna@example.org", 103, 40);
  Label(g, "E-Mail/Jabber:", 24, 40);
  Label(g, "vorduna.example.org", 103, 24);
  Label(g, "Web:", 24, 24);

  Make(form, "BUTTON", "&OK", BS_DEFPUSHBUTTON | WS_TABSTOP, 112, 320, 75, 25);
  Make(form, "BUTTON", "&Отмена", WS_TABSTOP, 192, 320, 75, 25);
  Make(form, "BUTTON", "&Применить", WS_TABSTOP, 272, 320, 75, 25);
  BenchMark("controls");
  ShowWindow(form, SW_SHOWNORMAL);
  BenchMark("shown");

  MSG msg;
  bool ready = !BenchMarksOn();
  while (true) {
    if (!ready && !PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
      BenchMark("ready");  // the first batch, painting included, is done
      ready = true;
    }
    if (GetMessageA(&msg, nullptr, 0, 0) <= 0) break;
    if (IsDialogMessageA(form, &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return 0;
}
