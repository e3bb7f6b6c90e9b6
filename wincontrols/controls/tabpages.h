#pragma once
// Pages of the tab control: panels stacked in its display area, one visible at a time.
#include "../objects/control.h"

TControl* InsertPage(TControl* tabs, int index, const char* text, int image);
TControl* GetPage(TControl* tabs, int index);
bool PageHandler(TControl* tabs, TMsg& msg, LRESULT& result);
