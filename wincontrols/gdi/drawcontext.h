#pragma once
// A control's drawing context: its font, for measuring text.
#include <windows.h>

#include "../objects/refobject.h"

class TControl;
class TGdiTool;

class TDrawContext : public TRefObject {
 public:
  void Destroy(bool freeMemory) override;

  TControl* fOwner;
  TGdiTool* fFontTool;  // a copy of the owner's font, or none
};

TDrawContext* NewDrawContext();
// The control's own context, made on first use.
TDrawContext* GetDrawContext(TControl* c);
// The size of the text in the context's font.
SIZE TextExtent(TDrawContext* ctx, const char* text, int length);
