// TControl's set-up, visibility, styles, window handle on demand and destruction; the layer's
// hooks, empty until the floors above fill them.
#include "control.h"

namespace {
constexpr COLORREF kClrBtnFace = kSystemColor | COLOR_BTNFACE;
constexpr uint32_t kDefaultFormStyle =  // 0x16CF0000
    WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
constexpr uint32_t kDefaultExStyle = WS_EX_CONTROLPARENT;

bool NoHandlers(TControl*, TMsg&, LRESULT&) { return false; }
}  // namespace

void NoControlProc(TControl*) {}
// Empty until the floors above fill them: the program then has no data to set up at start.
TControlProc RealignHook;
TControlProc FontApplyHook;
TControlProc WindowRefusedHook;
void (*InheritToolsHook)(TControl* c, TControl* parent);
void (*DpiChangeHook)(TControl* form, int dpi);

int ControlDpi(TControl* c) {
  TControl* form = ParentForm(c);
  return form && form->fDpi ? form->fDpi : kDesignDpi;
}

int Scaled(TControl* c, int length) {
  int dpi = ControlDpi(c);
  return dpi == kDesignDpi ? length : MulDiv(length, dpi, kDesignDpi);
}

void TControl::Init() {
  fHandlerChain = NoHandlers;
  fOnTextChanged = NoControlProc;
  f3DLook = true;
  fSunken = true;
  fTextColor = kClrWindowText;
  fColor = kClrBtnFace;
  fSpacing = 2;
  fClassStyle = CS_OWNDC;
  fStyle = kDefaultFormStyle;
  fExStyle = kDefaultExStyle;
  fVisible = true;
  fMsgHandlers = NewList(4);
  fChildren = NewList(4);
}

void TControl::InitWithParent(TControl* parent) {
  Init();
  if (parent) fColor = parent->fColor;
  ChangeParent(this, parent);
}

bool TControl::MakeWindow() { return false; }

LRESULT TControl::HandleMessage(TMsg& msg) {
  return DefWindowProcW(msg.hwnd, msg.message, msg.wParam, msg.lParam);
}

TControl* InitControl(TControl* c, TControl* parent, const char* baseClassName, bool sunken) {
  c->InitWithParent(parent);
  c->fBaseClassName = baseClassName;
  if (parent) {
    c->fNavKeyHandler = parent->fNavKeyHandler;
    c->f3DLook = parent->f3DLook;
    c->fSpacing = parent->fSpacing;
    c->fTextColor = parent->fTextColor;
    c->fColor = parent->fColor;
    c->fSunken = parent->f3DLook ? sunken : false;
    if (InheritToolsHook) InheritToolsHook(c, parent);
  }
  return c;
}

void ChangeParent(TControl* c, TControl* parent) {
  if (c->fParent == parent) return;
  if (TControl* old = c->fParent) {
    old->fChildren->Remove(c);
    RemoveFromReleaseList(old, c);
  }
  c->fParent = parent;
  if (!parent) return;
  parent->fChildren->Add(c);
  AddToReleaseList(parent, c);
  if (c->fHandle) SetParent(c->fHandle, GetHandle(parent));
}

TControl* ParentForm(TControl* c) {
  while (c && c->fIsChild) c = c->fParent;
  return c;
}

void SetVisible(TControl* c, bool visible) {
  if (visible) c->fStyle |= WS_VISIBLE;
  else c->fStyle &= ~WS_VISIBLE;
  c->fVisible = visible;
  if (!c->fHandle) return;
  if (visible) {
    if (RealignHook) RealignHook(c);
    ShowWindow(c->fHandle, SW_SHOW);
  } else {
    c->fShowPending = false;
    ShowWindow(c->fHandle, SW_HIDE);
    if (RealignHook) RealignHook(c);
  }
}

bool IsVisible(TControl* c) {
  if (!c->fIsChild && c->fHandle) c->fVisible = IsWindowVisible(c->fHandle) != 0;
  return c->fVisible;
}

void SetVisibleExplicit(TControl* c, bool visible) {
  c->fVisibleSet = true;
  SetVisible(c, visible);
}

// One of the window's two style words: stored, and applied where the window exists (the frame
// is drawn anew).
static void SetStyleWord(TControl* c, uint32_t& word, int index, uint32_t value) {
  if (word == value) return;
  word = value;
  if (!c->fHandle) return;
  SetWindowLongW(c->fHandle, index, static_cast<LONG>(value));
  SetWindowPos(c->fHandle, nullptr, 0, 0, 0, 0,
               SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  Invalidate(c);
}

void SetStyle(TControl* c, uint32_t style) { SetStyleWord(c, c->fStyle, GWL_STYLE, style); }

void SetExStyle(TControl* c, uint32_t exStyle) {
  SetStyleWord(c, c->fExStyle, GWL_EXSTYLE, exStyle);
}

void SetControlIcon(TControl* c, HICON icon) {
  if (c->fIcon == icon) return;
  c->fIcon = icon;
  HICON send = icon == kNoIcon ? nullptr : icon;
  HICON old =
      reinterpret_cast<HICON>(Perform(c, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(send)));
  if (old && old != send) DestroyIcon(old);
}

void Invalidate(TControl* c) {
  // A window that is not on the screen is painted whole when it shows: nothing to mark.
  if (c->fHandle && IsWindowVisible(c->fHandle)) InvalidateRect(c->fHandle, nullptr, TRUE);
}

bool IsEnabled(TControl* c) {
  if (c->fHandle) return IsWindowEnabled(c->fHandle) != 0;
  return !(c->fStyle & WS_DISABLED);
}

bool IsShowing(TControl* c) {
  bool shown = c->fVisible || c->fShowPending;
  if (c->fIsChild && c->fParent) return shown && IsVisible(c->fParent) && IsShowing(c->fParent);
  return shown;
}

HWND GetHandle(TControl* c) {
  if (!c->fHandle) {
    if (!c->fVisibleSet) {
      // Needed early: made hidden, shown by the parent's creation pass.
      SetVisible(c, false);
      c->MakeWindow();
      c->fShowPending = true;
    } else {
      c->MakeWindow();
    }
  }
  return c->fHandle;
}

LRESULT Perform(TControl* c, UINT message, WPARAM wParam, LPARAM lParam) {
  return SendMessageW(GetHandle(c), message, wParam, lParam);
}

RECT ClientRect(TControl* c) {
  RECT r = c->fBoundsRect;
  if (GetHandle(c)) GetClientRect(c->fHandle, &r);
  r.top += c->fMarginTop;
  r.bottom -= c->fMarginBottom;
  r.left += c->fMarginLeft;
  r.right -= c->fMarginRight;
  return r;
}

void TControl::Destroy(bool freeMemory) {
  TControl* form = ParentForm(this);
  if (form && form->fFocusedControl == this) form->fFocusedControl = nullptr;
  if (fHandle) ShowWindow(fHandle, SW_HIDE);
  BaseDestroy();
  if (!fDestroying) {
    fDestroying = true;
    Release(fDrawContext);
    fDrawContext = nullptr;
    if (fHandle) {
      if (fIcon && fIcon != kNoIcon) DestroyIcon(fIcon);
      if (IsWindow(fHandle)) {
        BindControl(fHandle, nullptr);
        DestroyWindow(fHandle);
      }
      fHandle = nullptr;
    }
    if (fBkBrush) DeleteObject(fBkBrush);
    fBkBrush = nullptr;
    fText.clear();
    if (fParent) {
      fParent->fChildren->Remove(this);
      RemoveFromReleaseList(fParent, this);
      if (fParent->fFocusedControl == this) fParent->fFocusedControl = nullptr;
    }
    Release(fChildren);
    fChildren = nullptr;
    Release(fMsgHandlers);
    fMsgHandlers = nullptr;
    BaseDestroy();
  }
  if (freeMemory) delete this;
}
