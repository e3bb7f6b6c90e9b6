// Bounds, client area, centring, fixed size and topmost.
#include "geometry.h"

#include "../dispatch/dispatch.h"

RECT GetBounds(TControl* c) {
  RECT r = c->fBoundsRect;
  if (c->fHandle) {
    GetWindowRect(c->fHandle, &r);
    if (c->fIsChild && c->fParent) {
      POINT origin = {0, 0};
      if (c->fParent->fHandle) ClientToScreen(c->fParent->fHandle, &origin);
      OffsetRect(&r, -origin.x, -origin.y);
    }
  }
  c->fBoundsRect = r;
  return r;
}

void SetBounds(TControl* c, const RECT& r) {
  RECT old = GetBounds(c);
  if (EqualRect(&r, &old)) return;
  if (r.left != old.left) c->fPosChanged |= kLeftChanged;
  if (r.top != old.top) c->fPosChanged |= kTopChanged;
  c->fBoundsRect = r;
  if (!c->fHandle) return;
  UINT flags = SWP_NOZORDER | SWP_NOACTIVATE;
  bool sameSize =
      r.right - r.left == old.right - old.left && r.bottom - r.top == old.bottom - old.top;
  if (sameSize) flags |= SWP_NOSIZE;
  else if (r.left == old.left && r.top == old.top) flags |= SWP_NOMOVE;
  SetWindowPos(c->fHandle, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top, flags);
  if (c->fRepaintOnResize && !sameSize) Invalidate(c);
}

int GetWidth(TControl* c) {
  RECT r = GetBounds(c);
  return r.right - r.left;
}

int GetHeight(TControl* c) {
  RECT r = GetBounds(c);
  return r.bottom - r.top;
}

// The program's lengths are 96-DPI pixels: kept as given, placed at the window's DPI.
static int Give(TControl* c, TGivenPart part, int length) {
  c->fGiven.part[part] = length;
  c->fGiven.given |= 1u << part;
  return Scaled(c, length);
}

void SetWidth(TControl* c, int w) {
  RECT r = GetBounds(c);
  r.right = r.left + Give(c, kGivenWidth, w);
  SetBounds(c, r);
}

void SetHeight(TControl* c, int h) {
  RECT r = GetBounds(c);
  r.bottom = r.top + Give(c, kGivenHeight, h);
  SetBounds(c, r);
}

// Both edges in one move: each SetWindowPos of a window is a round trip to the server.
static void MoveTo(TControl* c, int x, int y) {
  RECT r = GetBounds(c);
  OffsetRect(&r, x - r.left, y - r.top);
  SetBounds(c, r);
}

TControl* SetPosition(TControl* c, int x, int y) {
  MoveTo(c, Give(c, kGivenLeft, x), Give(c, kGivenTop, y));
  return c;
}

TControl* SetSize(TControl* c, int w, int h) {
  RECT r = GetBounds(c);
  if (w > 0) r.right = r.left + Give(c, kGivenWidth, w);
  if (h > 0) r.bottom = r.top + Give(c, kGivenHeight, h);
  SetBounds(c, r);
  return c;
}

void PlaceAsGiven(TControl* c) {
  const TGivenBounds& g = c->fGiven;
  RECT r = GetBounds(c);
  int w = r.right - r.left, h = r.bottom - r.top;
  if (g.given & (1u << kGivenLeft)) r.left = Scaled(c, g.part[kGivenLeft]);
  if (g.given & (1u << kGivenTop)) r.top = Scaled(c, g.part[kGivenTop]);
  r.right = r.left + (g.given & (1u << kGivenWidth) ? Scaled(c, g.part[kGivenWidth]) : w);
  r.bottom = r.top + (g.given & (1u << kGivenHeight) ? Scaled(c, g.part[kGivenHeight]) : h);
  SetBounds(c, r);
}

TControl* SetClientSize(TControl* c, int w, int h) {
  GetHandle(c);  // the outer size is read from the real window
  RECT r = GetBounds(c);
  RECT client = ClientRect(c);
  if (w > 0) r.right += Scaled(c, w) - (client.right - client.left);
  if (h > 0) r.bottom += Scaled(c, h) - (client.bottom - client.top);
  SetBounds(c, r);
  return c;
}

TControl* CenterControl(TControl* c) {
  RECT area;
  if (c->fIsChild && c->fParent) {
    area = ClientRect(c->fParent);
  } else {
    area = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  }
  GetHandle(c);
  MoveTo(c, (area.right - area.left - GetWidth(c)) / 2,
         (area.bottom - area.top - GetHeight(c)) / 2);
  return c;
}

static bool FixedSizeHandler(TControl* c, TMsg& msg, LRESULT& result) {
  if (!c->fFixedSize) return false;
  if (msg.message == WM_GETMINMAXINFO) {
    result = CallDefault(c, msg);
    auto* info = reinterpret_cast<MINMAXINFO*>(msg.lParam);
    info->ptMinTrackSize = {c->fFixedWidth, c->fFixedHeight};
    info->ptMaxTrackSize = {c->fFixedWidth, c->fFixedHeight};
    return true;
  }
  if (msg.message == WM_NCHITTEST) {
    LRESULT hit = CallDefault(c, msg);
    if (hit >= HTLEFT && hit <= HTBOTTOMRIGHT) {
      result = HTNOWHERE;
      return true;
    }
  }
  return false;
}

bool IsSizeable(TControl* c) { return !c->fFixedSize; }

void SetSizeable(TControl* c, bool sizeable) {
  if (sizeable == IsSizeable(c)) return;
  c->fFixedSize = !sizeable;
  GetHandle(c);
  c->fFixedWidth = GetWidth(c);
  c->fFixedHeight = GetHeight(c);
  AttachProc(c, FixedSizeHandler);
}

void RefreshStyles(TControl* c) {
  if (!c->fHandle) return;
  c->fStyle = static_cast<uint32_t>(GetWindowLongA(c->fHandle, GWL_STYLE));
  c->fExStyle = static_cast<uint32_t>(GetWindowLongA(c->fHandle, GWL_EXSTYLE));
  c->fClassStyle = static_cast<uint32_t>(GetClassLongA(c->fHandle, GCL_STYLE));
}

bool IsStayOnTop(TControl* c) {
  RefreshStyles(c);
  return (c->fExStyle & WS_EX_TOPMOST) != 0;
}

void SetStayOnTop(TControl* c, bool onTop) {
  if (onTop == IsStayOnTop(c)) return;
  if (c->fHandle) {
    SetWindowPos(c->fHandle, onTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
  } else if (onTop) {
    c->fExStyle |= WS_EX_TOPMOST;
  } else {
    c->fExStyle &= ~WS_EX_TOPMOST;
  }
}

TControl* BringToFront(TControl* c) {
  SetWindowPos(GetHandle(c), HWND_TOP, 0, 0, 0, 0,
               SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_SHOWWINDOW | SWP_NOOWNERZORDER);
  return c;
}
