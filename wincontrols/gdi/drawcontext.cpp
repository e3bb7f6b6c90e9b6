#include "drawcontext.h"

#include "../objects/control.h"
#include "gditool.h"

TDrawContext* NewDrawContext() { return NewObject<TDrawContext>(); }

TDrawContext* GetDrawContext(TControl* c) {
  if (c->fDrawContext) return static_cast<TDrawContext*>(c->fDrawContext);
  TDrawContext* ctx = NewDrawContext();
  ctx->fOwner = c;
  c->fDrawContext = ctx;
  return ctx;
}

SIZE TextExtent(TDrawContext* ctx, const char* text, int length) {
  // Measuring needs no window: a memory context compatible with the screen gives the same
  // extents, and unlike a window's own context it costs no round trip to the server.
  SIZE size = {0, 0};
  HDC dc = CreateCompatibleDC(nullptr);
  TGdiTool* font = ctx->fOwner ? ctx->fOwner->fFont : nullptr;
  HGDIOBJ old = font ? SelectObject(dc, GetToolHandle(font)) : nullptr;
  GetTextExtentPoint32A(dc, text ? text : "", text ? length : 0, &size);
  if (old) SelectObject(dc, old);
  DeleteDC(dc);
  return size;
}
