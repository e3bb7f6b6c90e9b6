// A control's drawing context: measures text in the control's font.
#pragma once
#include <windows.h>

#include "../objects/refobject.h"

class TControl;

class TDrawContext : public TRefObject {
 public:
  TControl* fOwner;  // its font is the context's; none: the system font
};

TDrawContext* NewDrawContext();  // also used by a test
// The control's own context, made on first use.
TDrawContext* GetDrawContext(TControl* c);
// The size of the text in the owner's font, made (or borrowed from its parent) at its DPI.
SIZE TextExtent(TDrawContext* ctx, const char* text, int length);
