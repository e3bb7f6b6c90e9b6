// Alignment of children inside their parent, and sizing of a control to its text.
#pragma once
#include "../objects/control.h"

// Docks the control to a side of its parent's client area, or fills what is left (alClient).
// The first call installs RequestRealign as the layer's realign hook (control.h): the layer
// realigns nothing until some control is aligned, so a window with no aligned child pays
// nothing on each resize.
void SetAlign(TControl* c, TAlign align);
// Sizes the label or check box to its text from now on (and at once when on).
TControl* SetAutoSize(TControl* c, bool on);

// The layer's named operations that only this file calls today.
// The realign hook once installed: realigns the control's parent (or the control itself, a
// form), or marks it pending while it cannot be realigned yet.
void RequestRealign(TControl* c);
bool CanRealign(TControl* c);
// Top and bottom children first, then left and right, then the rest (client and none).
void Realign(TControl* c);
void AlignPass(TControl* container, RECT& rest, uint32_t alignSet);  // bit per TAlign value
void AutoSize(TControl* c);
