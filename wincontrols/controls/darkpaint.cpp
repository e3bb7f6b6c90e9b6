// The controls that the system draws light whatever colours they are given (the themed tab
// strip, buttons, check and group boxes, up-down arrows, a combo box's face), drawn by the
// program while the window is dark. Only WM_PAINT is taken: the control's role, state and
// keys stay the system's. Glyphs (a tick, an arrow) are the system's classic ones, drawn
// black on white and inverted.
#include "darkpaint.h"

#include <windows.h>
#include <commctrl.h>

#include "../dispatch/dispatch.h"
#include "../gdi/palette.h"

namespace {

const char kDarkPrevProc[] = "DARK_PREV_PROC";

// r filled, or framed with a line of one pixel, in a colour of the palette (a system colour
// index).
void Fill(HDC dc, const RECT* r, int color, bool frame = false) {
  HBRUSH brush = CreateSolidBrush(SystemColor(color));
  (frame ? FrameRect : FillRect)(dc, r, brush);
  DeleteObject(brush);
}

// r with an edge of width pixels round a face; r is left at the face.
void Box(HDC dc, RECT* r, int face, int width = 1, int edge = COLOR_BTNSHADOW) {
  Fill(dc, r, edge);
  InflateRect(r, -width, -width);
  Fill(dc, r, face);
}

// A classic glyph (DrawFrameControl's kind and state), light on dark, in a frame of the
// palette's line.
void Glyph(HDC dc, RECT* r, UINT kind, UINT state) {
  DrawFrameControl(dc, r, kind, state | DFCS_FLAT);
  InvertRect(dc, r);
  Fill(dc, r, COLOR_BTNSHADOW, true);
}

// Light text in the window's font, on what is there.
void Pen(HDC dc, HWND w) {
  SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(w, WM_GETFONT, 0, 0)));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, SystemColor(COLOR_BTNTEXT));
}

// The window's text (a button's caption, with its underlined access letter; a drop-down
// list's chosen item); with DT_CALCRECT only measured.
void Caption(HDC dc, HWND w, RECT* r, UINT format) {
  wchar_t text[128];
  SendMessageW(w, WM_GETTEXT, 128, reinterpret_cast<LPARAM>(text));
  Pen(dc, w);
  DrawTextW(dc, text, -1, r, format | DT_SINGLELINE);
}

// Two arrow buttons, the first up (or left, across) and the second down (or right).
void PaintUpDown(HDC dc, RECT* r, bool across) {
  RECT second = *r;
  if (across) second.left = r->right = (r->left + r->right) / 2;
  else second.top = r->bottom = (r->top + r->bottom) / 2;
  Glyph(dc, r, DFC_SCROLL, across ? DFCS_SCROLLLEFT : DFCS_SCROLLUP);
  Glyph(dc, &second, DFC_SCROLL, across ? DFCS_SCROLLRIGHT : DFCS_SCROLLDOWN);
}

// Windows of the system's own inside a control (the tab control's arrows, a combo box's
// list) are no controls of the program: their window procedure is taken over, once, when
// their control first paints dark.
LRESULT CallTakenOver(HWND w, UINT message, WPARAM wParam, LPARAM lParam) {
  auto prev = reinterpret_cast<WNDPROC>(GetPropA(w, kDarkPrevProc));
  if (message == WM_NCDESTROY) RemovePropA(w, kDarkPrevProc);  // the window's last message
  return prev ? CallWindowProcW(prev, w, message, wParam, lParam) : 0;
}

void TakeOver(HWND w, WNDPROC proc) {
  if (!w || GetPropA(w, kDarkPrevProc)) return;
  SetPropA(w, kDarkPrevProc,
           reinterpret_cast<HANDLE>(
               SetWindowLongPtrW(w, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(proc))));
  InvalidateRect(w, nullptr, FALSE);
}

LRESULT CALLBACK TabArrowsProc(HWND w, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_PAINT && ColorMode == kDarkMode) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(w, &ps);
    GetClientRect(w, &ps.rcPaint);
    PaintUpDown(dc, &ps.rcPaint, true);
    EndPaint(w, &ps);
    return 0;
  }
  return CallTakenOver(w, message, wParam, lParam);
}

// A list draws its chosen item in the system's colours for a selection, also outside
// WM_PAINT (as the mouse moves over it): after each message the item is drawn again in the
// palette's, a lighter ground.
LRESULT CALLBACK ListProc(HWND w, UINT message, WPARAM wParam, LPARAM lParam) {
  static bool drawing;  // the drawing's own messages
  LRESULT result = CallTakenOver(w, message, wParam, lParam);
  if (ColorMode != kDarkMode || drawing || message == WM_NCDESTROY || !IsWindowVisible(w))
    return result;
  RECT r;
  LRESULT chosen = CallTakenOver(w, LB_GETCURSEL, 0, 0);
  if (CallTakenOver(w, LB_GETITEMRECT, chosen, reinterpret_cast<LPARAM>(&r)) != LB_ERR) {
    drawing = true;
    wchar_t text[256] = L"";
    if (CallTakenOver(w, LB_GETTEXTLEN, chosen, 0) < 256)
      CallTakenOver(w, LB_GETTEXT, chosen, reinterpret_cast<LPARAM>(text));
    HDC dc = GetDC(w);
    Fill(dc, &r, COLOR_HIGHLIGHT);
    Pen(dc, w);
    DrawTextW(dc, text, -1, &r, DT_SINGLELINE | DT_NOPREFIX);
    ReleaseDC(w, dc);
    drawing = false;
  }
  return result;
}

void PaintTabs(HWND w, HDC dc, RECT* r) {
  Fill(dc, r, COLOR_BTNFACE);
  SendMessageW(w, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(r));
  InflateRect(r, 1, 1);
  Box(dc, r, COLOR_BTNFACE);  // the pages cover its inside
  Pen(dc, w);
  int selected = static_cast<int>(SendMessageW(w, TCM_GETCURSEL, 0, 0));
  for (int i = static_cast<int>(SendMessageW(w, TCM_GETITEMCOUNT, 0, 0)); i-- > 0;) {
    wchar_t text[64];
    TCITEMW item = {};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = 64;
    SendMessageW(w, TCM_GETITEMW, i, reinterpret_cast<LPARAM>(&item));
    SendMessageW(w, TCM_GETITEMRECT, i, reinterpret_cast<LPARAM>(r));
    if (i == selected) InflateRect(r, 2, 2);
    Box(dc, r, i == selected ? COLOR_WINDOW : COLOR_BTNFACE);
    DrawTextW(dc, text, -1, r, DT_CENTER | DT_SINGLELINE | DT_VCENTER);
  }
  // The arrows are the one child that is not a page.
  for (HWND arrows = GetWindow(w, GW_CHILD); arrows; arrows = GetWindow(arrows, GW_HWNDNEXT))
    if (!ControlOf(arrows)) TakeOver(arrows, TabArrowsProc);
}

void PaintCombo(TControl* c, HDC dc, RECT* r) {
  COMBOBOXINFO info = {};
  info.cbSize = sizeof info;
  SendMessageW(c->fHandle, CB_GETCOMBOBOXINFO, 0, reinterpret_cast<LPARAM>(&info));
  TakeOver(info.hwndList, ListProc);
  Fill(dc, r, COLOR_WINDOW);
  // The button at the right, as wide as a scroll bar; the field beside it.
  RECT button = *r;
  button.left = r->right -= GetSystemMetrics(SM_CXVSCROLL);
  Glyph(dc, &button, DFC_SCROLL, DFCS_SCROLLCOMBOBOX);
  // A list to pick from shows its choice itself; in the other kind an edit shows it.
  if ((c->fStyle & CBS_DROPDOWNLIST) != CBS_DROPDOWNLIST) return;
  InflateRect(r, -Scaled(c, 2), -Scaled(c, 2));
  Caption(dc, c->fHandle, r, DT_VCENTER | DT_NOPREFIX);
  if (GetFocus() == c->fHandle) DrawFocusRect(dc, r);
}

// Push buttons, check boxes and group boxes.
void PaintButton(TControl* c, HDC dc, RECT* r) {
  HWND w = c->fHandle;
  LRESULT state = SendMessageW(w, BM_GETSTATE, 0, 0);
  int type = static_cast<int>(c->fStyle & BS_TYPEMASK);
  if (type <= BS_DEFPUSHBUTTON) {
    // The default button keeps its mark: an edge of two pixels in the links' colour.
    Box(dc, r, (state & BST_PUSHED) ? COLOR_HIGHLIGHT : COLOR_WINDOW, 1 + type,
        type ? kLinkColorIndex : COLOR_BTNSHADOW);
    if (c->fShield) {
      // The system's shield before the caption, as the system draws it on a light button.
      int size = GetSystemMetrics(SM_CXSMICON);
      DrawIconEx(dc, r->left + Scaled(c, 3), (r->top + r->bottom - size) / 2,
                 LoadIconA(nullptr, IDI_SHIELD), size, size, 0, nullptr, DI_NORMAL);
      r->left += size;
    }
    Caption(dc, w, r, DT_CENTER | DT_VCENTER);
    InflateRect(r, -2, -2);
  } else {
    Fill(dc, r, COLOR_BTNFACE);
    RECT text = {Scaled(c, type == BS_GROUPBOX ? 8 : 17), 0, r->right, 0};
    Caption(dc, w, &text, DT_CALCRECT);
    if (type == BS_GROUPBOX) {
      // The frame, broken by the caption.
      r->top = text.bottom / 2;
      Box(dc, r, COLOR_BTNFACE);
      Fill(dc, &text, COLOR_BTNFACE);
    } else {
      int size = Scaled(c, 13);
      RECT box = {0, (r->bottom - size) / 2, size, 0};
      box.bottom = box.top + size;
      // The menu's tick, black on white, turned light on dark.
      Fill(dc, &box, COLOR_BTNTEXT);
      if (state & BST_CHECKED) DrawFrameControl(dc, &box, DFC_MENU, DFCS_MENUCHECK);
      InvertRect(dc, &box);
      Fill(dc, &box, COLOR_BTNSHADOW, true);
      OffsetRect(&text, 0, (r->bottom - text.bottom) / 2);
    }
    Caption(dc, w, &text, 0);
    *r = text;
  }
  if (state & BST_FOCUS) DrawFocusRect(dc, r);
}

}  // namespace

bool DarkPainter(TControl* c, TMsg& msg, LRESULT& result) {
  if (ColorMode != kDarkMode || msg.message != WM_PAINT) return false;
  HWND w = c->fHandle;
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(w, &ps);
  RECT r;
  GetClientRect(w, &r);
  switch (c->fBaseClassName[0]) {  // the system class, which each kind's constructor names
    case 'B': PaintButton(c, dc, &r); break;  // BUTTON
    case 'C': PaintCombo(c, dc, &r); break;   // COMBOBOX
    case 'S': PaintTabs(w, dc, &r); break;    // SysTabControl32
    default: PaintUpDown(dc, &r, false);      // msctls_updown32
  }
  EndPaint(w, &ps);
  result = 0;
  return true;
}
