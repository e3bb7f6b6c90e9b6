// A window moved to a screen of another DPI is laid out again there.
#include "dpi.h"

#include "../gdi/gditool.h"
#include "geometry.h"

namespace {

// Parents before children: a child's font borrows its parent's handle once both are remade.
void Rescale(TControl* c, int from, int to) {
  // Margins were made at the old scale; a tab control's come again with its next size.
  for (int32_t* margin : {&c->fMarginTop, &c->fMarginBottom, &c->fMarginLeft, &c->fMarginRight})
    *margin = MulDiv(*margin, to, from);
  if (c->fFont) SetToolDpi(c->fFont, to);  // applied to the window, the text sizes follow
  if (c->fIsChild && c->fAlign == alNone) PlaceAsGiven(c);  // aligned ones: by their parent
  int32_t n = c->fChildren ? c->fChildren->Count() : 0;
  for (int32_t i = 0; i < n; ++i) Rescale(static_cast<TControl*>(c->fChildren->Get(i)), from, to);
}

}  // namespace

void ChangeDpi(TControl* form, int dpi) {
  int from = ControlDpi(form);
  form->fDpi = static_cast<uint16_t>(dpi);
  if (dpi != from) Rescale(form, from, dpi);
}

bool DpiChangedHandler(TControl* form, TMsg& msg, LRESULT& result) {
  if (msg.message != kWmDpiChanged || !msg.lParam) return false;
  RECT r = *reinterpret_cast<const RECT*>(msg.lParam);
  ChangeDpi(form, LOWORD(msg.wParam));
  // A fixed size goes with the scale, or the move would be held to the old one.
  form->fFixedWidth = r.right - r.left;
  form->fFixedHeight = r.bottom - r.top;
  SetWindowPos(form->fHandle, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
               SWP_NOZORDER | SWP_NOACTIVATE);
  result = 0;
  return true;
}
