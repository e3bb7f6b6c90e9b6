#pragma once
// The font of a control: bound to it, copied to its children, applied to its window.
#include "../objects/control.h"

class TGdiTool;

// The control's font, made on first use.
TGdiTool* GetFont(TControl* c);
// The font tool of a control reports its changes to it.
void BindFontToControl(TControl* c);
// Sends the font to the window and re-sizes what follows the text.
void ApplyFont(TControl* c);
// A new child's own copy of its parent's font.
void InheritTools(TControl* c, TControl* parent);
