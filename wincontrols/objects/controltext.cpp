// The text of a control: kept in the object, mirrored in its window once that exists.
#include "control.h"

const TText& GetText(TControl* c) {
  if (c->fHandle) {
    int length = GetWindowTextLengthA(c->fHandle);
    c->fText.resize(length > 0 ? length : 0);
    if (length > 0) {
      int got = GetWindowTextA(c->fHandle, &c->fText[0], length + 1);
      c->fText.resize(got > 0 ? got : 0);
    }
  }
  return c->fText;
}

void SetText(TControl* c, const TText& text) {
  c->fText = text;
  if (c->fHandle) SendMessageA(c->fHandle, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(c->fText.c_str()));
  if (!c->fIsLabel) Invalidate(c);
  c->fOnTextChanged(c);
}

