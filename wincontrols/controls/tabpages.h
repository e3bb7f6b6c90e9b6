#pragma once
// Pages of the tab control: panels stacked in its display area, one visible at a time.
#include <windows.h>
#include <commctrl.h>

#include "../objects/control.h"

// The tab control with a page for each text of texts: one after the other, each ended by a
// NUL, the last one by two.
TControl* NewTabControl(TControl* parent, const char* texts);

TControl* InsertPage(TControl* tabs, int index, const char* text);
TControl* GetPage(TControl* tabs, int index);
bool PageHandler(TControl* tabs, TMsg& msg, LRESULT& result);
