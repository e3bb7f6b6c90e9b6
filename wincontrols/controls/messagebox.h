// A message box of the program, in UTF-16 like its windows.
#pragma once
#include <windows.h>

#include "../objects/control.h"
#include "../objects/widetext.h"

// Over the control's window (none: a box of its own); the text may carry names that the
// system gave in their own characters. The button pressed (IDOK, IDYES ...).
int ShowMessageBox(TControl* owner, const TWideText& text, const TText& caption, UINT style);
