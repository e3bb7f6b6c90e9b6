// The font of a control: made on first use, copied to its children, applied to its window.
#pragma once
#include "../objects/control.h"

class TGdiTool;

// The control's font, made on first use. The first call fills the layer's FontApplyHook and
// InheritToolsHook (control.h): from then on a window gets its font when it is made, and a new
// child a copy of its parent's.
TGdiTool* GetFont(TControl* c);
