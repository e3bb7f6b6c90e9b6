#include "messagebox.h"

int ShowMessageBox(TControl* owner, const TWideText& text, const TText& caption, UINT style) {
  return MessageBoxW(owner ? owner->fHandle : nullptr, text.c_str(), TWideText(caption).c_str(),
                     style);
}
