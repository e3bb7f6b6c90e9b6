// The combo box's inner edit and list, its deferred selection change and drop-down height.
#pragma once
#include "../objects/control.h"

void SubclassComboInnerWindows(TControl* combo);
void SizeComboDropDown(TControl* combo);
bool ComboHandler(TControl* combo, TMsg& msg, LRESULT& result);
