// Window classes "obj_" + system class, registered once as superclasses; lazy creation.
#include <windows.h>
#include <commctrl.h>

#include "../../runtime/library.h"
#include "../objects/widetext.h"
#include "dispatch.h"
#include "globals.h"

namespace {

// The DPI of the screen a window is on: Windows 10 1607 and later tell it per window; before,
// a DPI-aware program is shown at the system's DPI.
int WindowDpi(HWND window) {
  typedef UINT(WINAPI * TGetDpiForWindow)(HWND);
  auto forWindow = LookUpFunction<TGetDpiForWindow>(GetModuleHandleA("user32"), "GetDpiForWindow");
  UINT dpi = forWindow ? forWindow(window) : 0;
  if (!dpi) {
    HDC screen = GetDC(nullptr);
    dpi = static_cast<UINT>(GetDeviceCaps(screen, LOGPIXELSY));
    ReleaseDC(nullptr, screen);
  }
  return dpi ? static_cast<int>(dpi) : kDesignDpi;
}

// A superclass takes its base's class style without these (0xFFFFBF1F).
constexpr UINT kClassStyleMask =
    ~static_cast<UINT>(CS_OWNDC | CS_CLASSDC | CS_PARENTDC | CS_GLOBALCLASS);
HMODULE gComctl = nullptr;
}  // namespace

TWideText ClassName(const char* baseClassName) {
  return ProgramText(TText("obj_") + (baseClassName ? baseClassName : ""));
}

HWND ParentHandle(TControl* c, bool create) {
  if (!c->fParent) return nullptr;
  return create ? GetHandle(c->fParent) : c->fParent->fHandle;
}

void CreateChildWindows(TControl* c) {
  int32_t n = c->fChildren->Count();
  for (int32_t i = 0; i < n; ++i) {
    auto* child = static_cast<TControl*>(c->fChildren->Get(i));
    if (child) child->MakeWindow();
  }
}

TControl* NewControl(TControl* parent, const char* baseClassName, bool sunken) {
  return InitControl(new TWindowControl(), parent, baseClassName, sunken);
}

bool TWindowControl::MakeWindow() {
  if (fParent && !GetHandle(fParent)) return false;
  if (fHandle) {
    if (fShowPending) {
      CreateChildWindows(this);
      SetVisible(this, true);
      fShowPending = false;
    } else {
      CreateChildWindows(this);
    }
    return true;
  }
  // Unicode windows: what they show does not pass through the system's ANSI code page.
  HINSTANCE module = GetModuleHandleA(nullptr);
  WNDCLASSW wc = {};
  wc.style = fClassStyle;
  wc.lpfnWndProc = fBaseWndProc;
  wc.hInstance = module;
  TWideText className = ClassName(fBaseClassName);
  bool superclass =
      fBaseClassName && GetClassInfoW(module, ProgramText(fBaseClassName).c_str(), &wc);
  if (superclass) {
    wc.hInstance = module;
    wc.style &= kClassStyleMask;
  }
  if (!fBaseWndProc) fBaseWndProc = wc.lpfnWndProc;
  HWND parent = ParentHandle(this, true);
  if (!parent && (fStyle & WS_CHILD)) return false;
  WNDCLASSW existing;
  if (!GetClassInfoW(module, className.c_str(), &existing)) {
    // A superclass keeps its base's cursor. (LoadCursorA costs Wine a look at the display set-up.)
    if (!superclass) wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.lpszClassName = className.c_str();
    wc.lpfnWndProc = SharedWndProc;
    if (!RegisterClassW(&wc)) return false;
  }
  int x = fBoundsRect.left, y = fBoundsRect.top;
  if (!fIsChild && !(fPosChanged & (kLeftChanged | kTopChanged))) x = y = CW_USEDEFAULT;
  int w = fBoundsRect.right - fBoundsRect.left, h = fBoundsRect.bottom - fBoundsRect.top;
  if (w == 0) w = CW_USEDEFAULT;
  if (h == 0) h = CW_USEDEFAULT;
  CreatingControl = this;
  fHandle = CreateWindowExW(fExStyle, className.c_str(), ProgramText(fText).c_str(), fStyle, x, y,
                            w, h, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(fCtlId)),
                            module, nullptr);
  CreatingControl = nullptr;
  // Refused: no children of a window that is not there (each would ask for it again).
  if (!fHandle) {
    if (WindowRefusedHook) WindowRefusedHook(this);
    return false;
  }
  // Focus rectangles and keyboard cues are always shown.
  SendMessageW(fHandle, WM_UPDATEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
  if (ControlOf(fHandle) != this) BindControl(fHandle, this);  // bound by its first message
  if (!fIsChild) {
    SendMessageW(fHandle, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(GetIcon(this)));
    int dpi = WindowDpi(fHandle);
    if (DpiChangeHook) DpiChangeHook(this, dpi);
    else fDpi = static_cast<uint16_t>(dpi);
  }
  if (fAfterCreate) fAfterCreate(this);
  if (FontApplyHook) FontApplyHook(this);
  CreateChildWindows(this);
  return true;
}

HICON GetIcon(TControl* c) {
  if (c->fIcon == kNoIcon) return nullptr;
  if (c->fIcon) return c->fIcon;
  HICON icon;
  if (AppMainWindow && AppMainWindow != c) {
    HICON main = GetIcon(AppMainWindow);
    icon = main ? static_cast<HICON>(CopyImage(main, IMAGE_ICON, 0, 0, 0)) : nullptr;
  } else {
    icon = LoadIconA(GetModuleHandleA(nullptr), "MAINICON");
  }
  c->fIcon = icon;
  return icon;
}

void InitCommonControlsOnce(DWORD classes) {
  InitCommonControls();
  if (!gComctl) gComctl = LoadLibraryA("comctl32");
  typedef BOOL(WINAPI * TInitEx)(const INITCOMMONCONTROLSEX*);
  auto initEx = LookUpFunction<TInitEx>(gComctl, "InitCommonControlsEx");
  if (initEx) {
    INITCOMMONCONTROLSEX icc = {sizeof icc, classes};
    initEx(&icc);
  }
}
