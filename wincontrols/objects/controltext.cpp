// The text of a control: kept in the object, mirrored in its window once that exists. The
// window holds it in UTF-16, whatever code page the system gives non-Unicode programs.
#include "control.h"
#include "widetext.h"

const TText& GetText(TControl* c) {
  if (c->fHandle) {
    int length = GetWindowTextLengthW(c->fHandle);
    TWideText text;
    int got = length > 0
                  ? GetWindowTextW(c->fHandle, text.Room(static_cast<size_t>(length)), length + 1)
                  : 0;
    c->fText = ToProgramText(text.c_str(), got);
  }
  return c->fText;
}

void SetText(TControl* c, const TText& text) {
  c->fText = text;
  if (c->fHandle)
    SendMessageW(c->fHandle, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(ProgramText(text).c_str()));
  if (!c->fIsLabel) Invalidate(c);
  c->fOnTextChanged(c);
}
