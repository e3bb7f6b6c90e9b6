#pragma once
// The font and brush of a control: bound to it, copied to its children, applied to its window.
#include "../objects/control.h"

class TGdiTool;

// The control's font, made on first use.
TGdiTool* GetFont(TControl* c);
// Font and brush tools of a control report their changes to it.
void BindFontToControl(TControl* c);
void BindBrushToControl(TControl* c);
// Sends the font to the window and re-sizes what follows the text.
void ApplyFont(TControl* c);
// A new child's own copies of its parent's font and brush.
void InheritTools(TControl* c, TControl* parent);
