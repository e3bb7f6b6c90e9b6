// Colours (a system colour index or an RGB value) and the background brush of a control.
#include "color.h"

#include "../objects/control.h"
#include "palette.h"

COLORREF ColorToRGB(COLORREF color) {
  return (color & kSystemColor) ? SystemColor(static_cast<int>(color & ~kSystemColor)) : color;
}

HBRUSH GetBackgroundBrush(TControl* c) {
  TControl* owner = c;
  while (owner->fParent && owner->fParent->fColor == owner->fColor) owner = owner->fParent;
  COLORREF rgb = ColorToRGB(owner->fColor);
  if (owner->fBkBrush && owner->fBkBrushColor != rgb) {
    DeleteObject(owner->fBkBrush);
    owner->fBkBrush = nullptr;
  }
  if (!owner->fBkBrush) {
    owner->fBkBrushColor = rgb;
    owner->fBkBrush = CreateSolidBrush(rgb);
  }
  return owner->fBkBrush;
}
