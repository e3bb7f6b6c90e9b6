// A control's drawing context: measures text in the control's font.
#include "drawcontext.h"

#include "../objects/control.h"
#include "../objects/widetext.h"
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
  TWideText wide = ProgramText(TText(text ? text : "", text ? static_cast<size_t>(length) : 0));
  GetTextExtentPoint32W(dc, wide.c_str(), static_cast<int>(wide.size()), &size);
  if (old) SelectObject(dc, old);
  DeleteDC(dc);
  return size;
}
