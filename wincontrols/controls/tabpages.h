// Pages of the tab control: panels stacked in its display area, one visible at a time.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include "../objects/control.h"

// The tab control with a page for each text of texts: one after the other, each ended by a
// NUL, the last one by two.
TControl* NewTabControl(TControl* parent, const char* texts);

TControl* GetPage(TControl* tabs, int index);

// The layer's named operations that only this file calls today.
TControl* InsertPage(TControl* tabs, int index, const char* text);
