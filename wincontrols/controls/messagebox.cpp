// A message box of the program, in UTF-16 like its windows.
#include "messagebox.h"

int ShowMessageBox(TControl* owner, const TWideText& text, const TText& caption, UINT style) {
  return MessageBoxW(owner ? owner->fHandle : nullptr, text.c_str(), ProgramText(caption).c_str(),
                     style);
}
