#include "controltools.h"

#include "gditool.h"

namespace {

void FontChanged(void* data, TGdiTool* tool) {
  auto* c = static_cast<TControl*>(data);
  c->fTextColor = tool->fDesc.fToolColor;
  if (FontApplyHook) FontApplyHook(c);
  Invalidate(c);
}

}  // namespace

void BindFontToControl(TControl* c) {
  c->fFont->fOnChange.code = FontChanged;
  c->fFont->fOnChange.data = c;
  FontChanged(c, c->fFont);
}

void InheritTools(TControl* c, TControl* parent) {
  if (parent->fFont) {
    c->fFont = CopyTool(parent->fFont);
    AddToReleaseList(c, c->fFont);
    BindFontToControl(c);
  }
}

TGdiTool* GetFont(TControl* c) {
  if (!c->fFont) {
    // Fonts reach controls from here on: switch on what they need.
    FontApplyHook = ApplyFont;
    InheritToolsHook = InheritTools;
    c->fFont = NewFont();
    c->fFont->fDpi = static_cast<uint16_t>(ControlDpi(c));
    AddToReleaseList(c, c->fFont);
    SetToolColor(c->fFont, c->fTextColor);
    c->fFont->fOnChange.code = FontChanged;
    c->fFont->fOnChange.data = c;
  }
  return c->fFont;
}

void ApplyFont(TControl* c) {
  if (!c->fFont) return;
  if (c->fHandle) {
    c->fTextColor = c->fFont->fDesc.fToolColor;
    // Redrawn at once only when on the screen; a hidden window paints whole when it shows.
    SendMessageW(c->fHandle, WM_SETFONT, reinterpret_cast<WPARAM>(GetToolHandle(c->fFont)),
                 IsWindowVisible(c->fHandle));
  }
  c->fOnTextChanged(c);
}
