#pragma once
// Bounds, client area, centring, fixed size, topmost; alignment and automatic sizing.
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
bool IsSizeable(TControl* c);
void SetStayOnTop(TControl* c, bool onTop);
bool IsStayOnTop(TControl* c);
void RefreshStyles(TControl* c);
TControl* BringToFront(TControl* c);

void SetAlign(TControl* c, TAlign align);
void RequestRealign(TControl* c);
bool CanRealign(TControl* c);
void Realign(TControl* c);
void AlignPass(TControl* container, RECT& rest, uint32_t alignSet);  // bit per TAlign value

TControl* SetAutoSize(TControl* c, bool on);
void AutoSize(TControl* c);
