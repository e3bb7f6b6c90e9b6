// The font of a control: made on first use, copied to its children, applied to its window.
#include "controltools.h"

#include "gditool.h"

namespace {

// Sends the font to the window and re-sizes what follows the text.
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

void FontChanged(void* data, TGdiTool* tool) {
  auto* c = static_cast<TControl*>(data);
  c->fTextColor = tool->fDesc.fToolColor;
  if (FontApplyHook) FontApplyHook(c);
  Invalidate(c);
}

// The font tool of a control reports its changes to it.
void BindFontToControl(TControl* c) {
  c->fFont->fOnChange.code = FontChanged;
  c->fFont->fOnChange.data = c;
  FontChanged(c, c->fFont);
}

// A new child's own copy of its parent's font.
void InheritTools(TControl* c, TControl* parent) {
  if (parent->fFont) {
    c->fFont = CopyTool(parent->fFont);
    AddToReleaseList(c, c->fFont);
    BindFontToControl(c);
  }
}

}  // namespace

TGdiTool* GetFont(TControl* c) {
  if (!c->fFont) {
    // Fonts reach controls from here on: the object floor cannot call up to this one, so it
    // is handed the two steps that fonts need.
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
