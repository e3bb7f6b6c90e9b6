// Bounds, client area, centring, fixed size and topmost.
#pragma once
// Bounds are the window's own pixels. The setters below them (SetWidth to SetClientSize) take
// 96-DPI pixels, as the program writes them, and place the control at its window's DPI.
#include "../objects/control.h"

RECT GetBounds(TControl* c);
void SetBounds(TControl* c, const RECT& r);
int GetWidth(TControl* c);
int GetHeight(TControl* c);
void SetWidth(TControl* c, int w);
void SetHeight(TControl* c, int h);
TControl* SetPosition(TControl* c, int x, int y);
TControl* SetSize(TControl* c, int w, int h);
// Places the control again from what the setters were given, at its DPI now.
void PlaceAsGiven(TControl* c);
TControl* SetClientSize(TControl* c, int w, int h);
TControl* CenterControl(TControl* c);
void SetSizeable(TControl* c, bool sizeable);
void SetStayOnTop(TControl* c, bool onTop);
bool IsStayOnTop(TControl* c);  // also read by the layout test
TControl* BringToFront(TControl* c);

// The layer's named operations that only this floor's own file calls today.
bool IsSizeable(TControl* c);
// Reads the window's styles back into the control's fields.
void RefreshStyles(TControl* c);
