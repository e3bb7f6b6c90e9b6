// Message handlers that the constructors attach to controls: cursor, background, and the
// common controls' notifications.
#include <windows.h>
#include <commctrl.h>

#include "../gdi/color.h"
#include "dispatch.h"
#include "globals.h"

namespace {

bool CursorHandler(TControl* c, TMsg& msg, LRESULT& result) {
  if (msg.message != WM_SETCURSOR || GetCapture() || LOWORD(msg.lParam) != HTCLIENT || !c->fCursor)
    return false;
  SetCursor(c->fCursor);
  result = 1;
  return true;
}

}  // namespace

void SetControlCursor(TControl* c, HCURSOR cursor) {
  AttachProc(c, CursorHandler);
  if (c->fCursor == cursor) return;
  c->fCursor = cursor;
  if (!c->fHandle || !cursor) return;
  POINT pt;
  GetCursorPos(&pt);
  ScreenToClient(c->fHandle, &pt);
  RECT r = ClientRect(c);
  if (PtInRect(&r, pt)) SetCursor(cursor);
}

bool BackgroundEraser(TControl* c, TMsg& msg, LRESULT& result) {
  if (msg.message != WM_ERASEBKGND) return false;
  CreateChildWindows(c);
  HDC dc = reinterpret_cast<HDC>(msg.wParam);
  SetBkMode(dc, OPAQUE);
  SetBkColor(dc, ColorToRGB(c->fColor));
  SetBrushOrgEx(dc, 0, 0, nullptr);
  RECT r;
  GetClientRect(c->fHandle, &r);
  FillRect(dc, &r, GetBackgroundBrush(c));
  result = 1;
  return false;
}

bool NotifyReflector(TControl*, TMsg& msg, LRESULT& result) {
  if (msg.message != WM_NOTIFY) return false;
  auto* hdr = reinterpret_cast<NMHDR*>(msg.lParam);
  TControl* from = hdr ? ControlOf(hdr->hwndFrom) : nullptr;
  if (!from) return false;
  // The child's own handlers see the notification as if it were theirs.
  TMsg reflected = msg;
  reflected.hwnd = from->fHandle;
  return from->fHandlerChain(from, reflected, result);
}

bool CommonNotifyHandler(TControl* c, TMsg& msg, LRESULT&) {
  if (msg.message != WM_NOTIFY) return false;
  auto* hdr = reinterpret_cast<NMHDR*>(msg.lParam);
  if (!hdr) return false;
  switch (hdr->code) {
    case static_cast<UINT>(NM_CLICK):
    case static_cast<UINT>(NM_RCLICK):
      if (!c->fOnClick.IsSet()) return false;
      c->fOnClick.code(c->fOnClick.data, c);
      return true;
    default: return false;
  }
}
