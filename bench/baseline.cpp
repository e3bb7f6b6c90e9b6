// The start-up baseline: the settings window built by hand with CreateWindowExA and nothing
// else, from the window table that the layout test holds the program to
// (tests/support/window_table.h): the same 60 controls in the same order and places, with the
// same texts and items (mixer devices, key names of the program's key ranges, skins, tray
// actions), the same font, shown always on top in the screen's centre. Its controls take the
// same identifiers, so a harness can wait for the last one. It reads no settings and answers no
// control.
#include <windows.h>
#include <commctrl.h>
#include <mmsystem.h>

#include "runtime/benchmarks.h"
// By a relative path: the build compiles escaped copies of both files, side by side.
#include "../tests/support/window_table.h"
#include "ui/catalogues.h"

namespace {

using namespace window_table;

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

void Add(HWND combo, const char* item) {
  SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
}

// Every named key of the program's key ranges, named as the program names them, then the
// volume and media keys by the program's names.
void AddKeys(HWND combo) {
  Add(combo, "Нет");
  for (const TKeyRange& range : kKeyRanges) {
    for (int code = range.first; code <= range.last; ++code) {
      LONG lParam = static_cast<LONG>(MapVirtualKeyA(code, 0) << 16);
      if ((code >= VK_PRIOR && code <= VK_DOWN) || code == VK_INSERT || code == VK_DELETE)
        lParam |= 0x1000000;  // the extended flag: the navigation keys, not their keypad twins
      char name[64];
      if (GetKeyNameTextA(lParam, name, sizeof name) > 0) Add(combo, name);
    }
  }
  for (const char* name : kMediaKeyNames) Add(combo, name);
}

void AddDevices(HWND combo) {
  Add(combo, "Первичное устройство");
  for (UINT i = 0, n = mixerGetNumDevs(); i < n; ++i) {
    MIXERCAPSA caps = {};
    mixerGetDevCapsA(i, &caps, sizeof caps);
    Add(combo, caps.szPname);
  }
  BenchMark("devices");
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
  if (search != INVALID_HANDLE_VALUE) {
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
  }
  BenchMark("skins");
}

bool IsKeyList(const TRow& row) {
  return row.field == &R::UpKeyCombo || row.field == &R::DownKeyCombo ||
         row.field == &R::MuteKeyCombo;
}

// A list's items, and the item the table names selected (the first where it names none).
void Fill(HWND combo, const TRow& row) {
  if (row.field == &R::DeviceCombo) {
    AddDevices(combo);
  } else if (row.field == &R::SkinCombo) {
    AddSkins(combo);
  } else if (row.field == &R::StepCombo) {
    for (const char* item : kStepItems) Add(combo, item);
  } else if (IsKeyList(row)) {
    AddKeys(combo);
  } else {
    for (const char* item : kActionItems) Add(combo, item);
  }
  LRESULT selected = row.text ? SendMessageA(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                             reinterpret_cast<LPARAM>(row.text))
                              : 0;
  SendMessageA(combo, CB_SETCURSEL, selected == CB_ERR ? 0 : selected, 0);
}

// One control of the table, made as the program makes it. before: the control made just
// before it (the balance field's up-down control, for the field).
HWND Build(HWND parent, const TRow& row, HWND before) {
  int x = row.left, y = row.top, w = row.width, h = row.height == kAny ? 22 : row.height;
  switch (row.kind) {
    case kTabs:
      return Make(parent, WC_TABCONTROLA, "", WS_TABSTOP | WS_CLIPCHILDREN | TCS_FOCUSNEVER, x, y,
                  w, h);
    case kGroup: return Make(parent, "BUTTON", row.text, BS_GROUPBOX, x, y, w, h);
    case kListCombo:
    case kEditCombo: {
      DWORD kind = row.kind == kListCombo ? CBS_DROPDOWNLIST : CBS_DROPDOWN;
      HWND combo =
          Make(parent, "COMBOBOX", "", kind | CBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP, x, y,
               w, h, WS_EX_CLIENTEDGE);
      Fill(combo, row);
      return combo;
    }
    case kSpin:
      return Make(parent, UPDOWN_CLASSA, "", UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_ARROWKEYS, x, y,
                  w, h);
    case kNumberEdit: {
      HWND edit =
          Make(parent, "EDIT", row.text, ES_NUMBER | WS_TABSTOP, x, y, w, h, WS_EX_CLIENTEDGE);
      SendMessageA(before, UDM_SETBUDDY, reinterpret_cast<WPARAM>(edit), 0);
      SendMessageA(before, UDM_SETRANGE32, 0, 100);
      return edit;
    }
    case kLabel: return Text(parent, "STATIC", row.text, 0, x, y, 1, 1);
    case kCheck:
      if (w == kAuto)
        return Text(parent, "BUTTON", row.text, BS_AUTOCHECKBOX | WS_TABSTOP, x, y, 24, 6);
      return Make(parent, "BUTTON", row.text, BS_AUTOCHECKBOX | WS_TABSTOP, x, y, w, h);
    case kPush:
    default: {
      DWORD style = row.field == &R::OkButton ? BS_DEFPUSHBUTTON : 0;
      return Make(parent, "BUTTON", row.text, style | WS_TABSTOP, x, y, w, h);
    }
  }
}

// The tab control's pages, the last one shown, as the program starts.
void AddPages(HWND tabs, HWND (&pages)[5]) {
  for (int p = 0; p < 5; ++p) {
    TCITEMA item = {};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<char*>(kPageTitles[p]);
    SendMessageA(tabs, TCM_INSERTITEMA, p, reinterpret_cast<LPARAM>(&item));
    pages[p] = Make(tabs, "STATIC", "", WS_CLIPCHILDREN, 4, 24, 328, 276);
    if (p != 4) ShowWindow(pages[p], SW_HIDE);
  }
  SendMessageA(tabs, TCM_SETCURSEL, 4, 0);
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

  constexpr int kCount = sizeof kRows / sizeof kRows[0];
  HWND made[kCount] = {};
  HWND pages[5] = {};
  for (int i = 0; i < kCount; ++i) {
    const TRow& row = kRows[i];
    HWND parent = row.parent ? form : pages[row.page];
    for (int j = 0; j < i; ++j)
      if (kRows[j].field == row.parent) parent = made[j];
    made[i] = Build(parent, row, i > 0 ? made[i - 1] : nullptr);
    if (row.kind == kTabs) AddPages(made[i], pages);
    if (row.field == &R::TitleLabel) {
      HFONT bold =
          CreateFontA(-11, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Tahoma");
      SendMessageA(made[i], WM_SETFONT, reinterpret_cast<WPARAM>(bold), FALSE);
    }
    if (IsKeyList(row) && row.field == &R::MuteKeyCombo) BenchMark("keys");
  }
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
