#include "drawcontext.h"

#include "../objects/control.h"
#include "color.h"
#include "gditool.h"

namespace {

HDC ControlDC(void* data, TDrawContext* ctx) {
  if (ctx->fDC) return ctx->fDC;
  HWND wnd = GetHandle(static_cast<TControl*>(data));
  HDC dc = wnd ? GetDC(wnd) : nullptr;
  if (dc) SetDC(ctx, dc);
  return dc;
}

void DeselectOnChange(void* data, TGdiTool*) { Deselect(static_cast<TDrawContext*>(data)); }

void WatchTools(TDrawContext* ctx) {
  for (TGdiTool* t : {ctx->fBrushTool, ctx->fPenTool, ctx->fFontTool}) {
    if (!t) continue;
    t->fOnChange.code = DeselectOnChange;
    t->fOnChange.data = ctx;
  }
}

}  // namespace

TDrawContext* NewDrawContext(HDC dc) {
  TDrawContext* ctx = NewObject<TDrawContext>();
  if (dc) SetDC(ctx, dc);
  return ctx;
}

TDrawContext* GetDrawContext(TControl* c) {
  if (c->fDrawContext) return static_cast<TDrawContext*>(c->fDrawContext);
  TDrawContext* ctx = NewDrawContext(nullptr);
  ctx->fGetDC.code = ControlDC;
  ctx->fGetDC.data = c;
  ctx->fOwner = c;
  if (c->fFont) ctx->fFontTool = Assign(nullptr, c->fFont);
  if (c->fBrush) ctx->fBrushTool = Assign(nullptr, c->fBrush);
  c->fDrawContext = ctx;
  return ctx;
}

void TDrawContext::Destroy(bool freeMemory) {
  SetDC(this, nullptr);
  Release(fBrushTool);
  Release(fPenTool);
  Release(fFontTool);
  fBrushTool = fPenTool = fFontTool = nullptr;
  TRefObject::Destroy(freeMemory);
}

void Deselect(TDrawContext* ctx) {
  if (!ctx->fDC || !(ctx->fSelected & (kPenSelected | kBrushSelected | kFontSelected))) return;
  static HGDIOBJ pen = GetStockObject(BLACK_PEN);
  static HGDIOBJ brush = GetStockObject(NULL_BRUSH);
  static HGDIOBJ font = GetStockObject(SYSTEM_FONT);
  SelectObject(ctx->fDC, pen);
  SelectObject(ctx->fDC, brush);
  SelectObject(ctx->fDC, font);
  ctx->fSelected &= ~(kPenSelected | kBrushSelected | kFontSelected);
}

void SetDC(TDrawContext* ctx, HDC dc) {
  if (dc == ctx->fDC) return;
  if (HDC old = ctx->fDC) {
    Deselect(ctx);
    if (ctx->fGetDC.code == ControlDC)
      ReleaseDC(ctx->fOwner ? ctx->fOwner->fHandle : nullptr, old);
    else
      DeleteDC(old);
    ctx->fDC = nullptr;
    ctx->fSelected &= ~kHasDC;
  }
  if (dc) {
    ctx->fSelected |= kHasDC;
    ctx->fDC = dc;
    MoveToEx(dc, ctx->fPenPos.x, ctx->fPenPos.y, nullptr);
  }
}

HDC RequiredState(TDrawContext* ctx, uint8_t needs) {
  uint8_t missing = needs & ~ctx->fSelected & 0x0F;
  if (missing & kHasDC) {
    HDC dc = ctx->fGetDC.IsSet() ? ctx->fGetDC.code(ctx->fGetDC.data, ctx) : ctx->fDC;
    if (!dc) return nullptr;
    if (!ctx->fDC) SetDC(ctx, dc);
  }
  HDC dc = ctx->fDC;
  bool ownTool = false;
  if (missing & kFontSelected) {
    if (ctx->fFontTool) {
      SelectObject(dc, GetToolHandle(ctx->fFontTool));
      SetTextColor(dc, ColorToRGB(ctx->fFontTool->fDesc.fToolColor));
      ownTool = true;
    } else if (ctx->fOwner) {
      SetTextColor(dc, ColorToRGB(ctx->fOwner->fTextColor));
    }
  }
  if (missing & kBrushSelected) {
    if (ctx->fBrushTool) {
      SelectObject(dc, GetToolHandle(ctx->fBrushTool));
      SetBkColor(dc, ColorToRGB(ctx->fBrushTool->fDesc.fToolColor));
      SetBkMode(dc, OPAQUE);
      ownTool = true;
    } else if (ctx->fOwner) {
      SetBkColor(dc, ColorToRGB(ctx->fOwner->fColor));
      SetBkMode(dc, OPAQUE);
    }
  }
  if (ownTool) WatchTools(ctx);
  ctx->fSelected |= missing;
  return ctx->fDC;
}

SIZE TextExtent(TDrawContext* ctx, const char* text, int length) {
  SIZE size = {0, 0};
  HDC temp = nullptr;
  if (!ctx->fDC) {
    // Measuring needs no window: a memory context compatible with the screen gives the same
    // extents, and unlike a window's own context it costs no round trip to the server.
    temp = CreateCompatibleDC(nullptr);
    ctx->fDC = temp;
    ctx->fSelected = kHasDC;
  }
  RequiredState(ctx, kHasDC | kFontSelected);
  GetTextExtentPoint32A(ctx->fDC, text ? text : "", text ? length : 0, &size);
  if (temp) {
    Deselect(ctx);
    ctx->fDC = nullptr;
    ctx->fSelected = 0;
    DeleteDC(temp);
  }
  return size;
}
