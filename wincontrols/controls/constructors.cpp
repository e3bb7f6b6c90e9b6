// The constructors of every kind of control: a control fully described, its window made on
// demand.
#include "constructors.h"

#include <windows.h>
#include <commctrl.h>

#include "../dispatch/dispatch.h"
#include "../dispatch/globals.h"
#include "../gdi/palette.h"
#include "colormode.h"
#include "combobox.h"
#include "darkpaint.h"
#include "dpi.h"
#include "geometry.h"
#include "navigation.h"
#include "operations.h"

namespace {

// Child controls take identifiers in the order they are made, from here on: the window's
// identifiers tell the creation order (and the Tab order) to an automation client.
constexpr uint16_t kFirstControlId = 0x8000;

constexpr uint32_t kButtonStyle =  // 0x50015000
    WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_NOTIFY | BS_PUSHLIKE;
constexpr uint32_t kCheckBoxStyle =  // 0x50014003
    WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_NOTIFY | BS_AUTOCHECKBOX;
constexpr uint32_t kLabelStyle =  // 0x5000018C
    WS_CHILD | WS_VISIBLE | SS_NOTIFY | SS_NOPREFIX | SS_LEFTNOWORDWRAP;
constexpr uint32_t kGroupBoxStyle =  // 0x56000007
    WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | BS_GROUPBOX;
constexpr uint32_t kEditStyle =  // 0x50810000, and a single line that scrolls as typed
    WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL | ES_AUTOVSCROLL;
constexpr uint32_t kComboStyle =  // 0x50210200
    WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | CBS_HASSTRINGS | CBS_AUTOHSCROLL;
constexpr DWORD kAllCommonControls = ICC_WIN95_CLASSES;  // 0xFF

// A fast second click arrives as a double click: make it a click again.
bool DoubleClickHandler(TControl*, TMsg& msg, LRESULT&) {
  if (msg.message == WM_LBUTTONDBLCLK) msg.message = WM_LBUTTONDOWN;
  return false;
}

}  // namespace

TControl* ChildConstruct(TControl* parent, const char* baseClass, uint32_t style,
                         const TKindTable* kind, bool sunken) {
  TControl* c = NewControl(parent, baseClass, sunken);
  if (kind) c->fKind = *kind;
  c->fIsChild = true;
  c->fStyle = style | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
  c->fVisible = (style & WS_VISIBLE) != 0;
  c->fTabStop = (style & WS_TABSTOP) != 0;
  if (parent) {
    c->fBoundsRect.left = Scaled(parent, parent->fSpacing) + parent->fMarginLeft;
    c->fBoundsRect.top = Scaled(parent, parent->fSpacing) + parent->fMarginTop;
    SetSize(c, 64, 64);
    if (TControl* form = ParentForm(parent)) c->fTabOrder = ++form->fTabOrder;
    c->fCursor = parent->fCursor;
  }
  c->fFocusKeys = kFocusTab | kFocusLeftRight | kFocusUpDown | kFocusPage;
  if (c->fSunken) {
    c->fStyle &= ~WS_BORDER;
    c->fExStyle |= WS_EX_CLIENTEDGE;
  }
  if (style & WS_TABSTOP) {
    TControl* form = ParentForm(c);
    if (form && form != c && !form->fFocusedControl) form->fFocusedControl = c;
  }
  c->fCtlId = kFirstControlId + ControlsMade++;
  AttachProc(c, ChildNotifyHandler);
  return c;
}

constexpr char kFormClass[] = "Form";  // a window of the layer's own, no system class

TControl* NewForm(TControl* parent, const char* caption) {
  ReadColorMode();
  TControl* c = NewControl(parent, kFormClass, true);
  c->fClassStyle |= CS_DBLCLKS;
  AttachProc(c, FormFocusHandler);
  AttachProc(c, DpiChangedHandler);
  // The window floor makes a top-level window and learns its DPI, but laying the controls out
  // at it is this floor's work: the window floor calls it through its hook.
  DpiChangeHook = ChangeDpi;
  AttachProc(c, BackgroundEraser);
  AttachProc(c, ColorModeHandler);
  SetText(c, caption ? caption : "");
  c->fIsFormKind = true;
  return c;
}

HWND FindFormWindow(const char* caption) {
  return FindWindowW(ClassName(kFormClass).c_str(), ProgramText(caption).c_str());
}

TControl* NewButton(TControl* parent, const char* caption) {
  TControl* c = ChildConstruct(parent, "BUTTON", kButtonStyle, &ButtonKind, false);
  c->fWantsEnter = true;
  SetSize(c, 64, 22);
  SetText(c, caption ? caption : "");
  AttachProc(c, DoubleClickHandler);
  AttachProc(c, DarkPainter);
  return c;
}

TControl* NewCheckBox(TControl* parent, const char* caption) {
  TControl* c = NewButton(parent, caption);
  SetSize(c, 72, 22);
  c->fStyle = kCheckBoxStyle | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;  // as every child
  // Room for the box and its gap: 13 + 11 pixels at 96 DPI, scaled with the rest, as Windows
  // draws the box at the window's DPI.
  c->fKind.AutoSizeExtraX = 24;
  c->fWantsEnter = false;
  return c;
}

TControl* NewLabel(TControl* parent, const char* caption) {
  TControl* c = ChildConstruct(parent, "STATIC", kLabelStyle, &StaticKind, false);
  c->fIsLabel = true;
  c->fRepaintOnResize = true;
  SetSize(c, 64, 22);
  SetText(c, caption ? caption : "");
  return c;
}

TControl* NewPanel(TControl* parent) {
  TControl* c = ChildConstruct(parent, "STATIC", kLabelStyle, &StaticKind, false);
  SetSize(c, 100, 100);
  c->fExStyle |= WS_EX_CONTROLPARENT;
  return c;
}

TControl* NewGroupBox(TControl* parent, const char* caption) {
  TControl* c = ChildConstruct(parent, "BUTTON", kGroupBoxStyle, &ButtonKind, false);
  c->fExStyle |= WS_EX_CONTROLPARENT;
  SetText(c, caption ? caption : "");
  SetSize(c, 100, 100);
  c->fMarginTop = Scaled(c, 22);
  c->fMarginBottom = c->fMarginLeft = c->fMarginRight = Scaled(c, 2);
  c->fTabStop = false;
  AttachProc(c, BackgroundEraser);
  AttachProc(c, DarkPainter);
  return c;
}

TControl* NewEdit(TControl* parent, uint32_t options) {
  uint32_t style = kEditStyle | (options & eoDigits ? ES_NUMBER : 0);
  TControl* c = ChildConstruct(parent, "EDIT", style, &EditKind, true);
  SetSize(c, 100, 22);
  c->fFocusKeys = kFocusTab | kFocusUpDown | kFocusPage;  // Left and Right move the caret
  return c;
}

TControl* NewComboBox(TControl* parent, uint32_t options) {
  uint32_t style = kComboStyle | (options & coDropDownList ? CBS_DROPDOWNLIST : CBS_DROPDOWN) |
                   (options & coNoIntegralHeight ? CBS_NOINTEGRALHEIGHT : 0);
  TControl* c = ChildConstruct(parent, "COMBOBOX", style, &ComboKind, true);
  c->fAfterCreate = SubclassComboInnerWindows;
  c->fOnDropDownProc = SizeComboDropDown;
  c->fClassStyle |= CS_DBLCLKS;
  SetSize(c, 100, 22);
  c->fFocusKeys = (options & coDropDownList) ? (kFocusTab | kFocusLeftRight) : kFocusTab;
  AttachProc(c, ComboHandler);
  AttachProc(c, DarkPainter);
  return c;
}

TControl* NewCommonControl(TControl* parent, const char* className, uint32_t style,
                           const TKindTable* kind, bool sunken) {
  InitCommonControlsOnce(kAllCommonControls);
  TControl* c = ChildConstruct(parent, className, style, kind, sunken);
  if (parent) {
    AttachProc(c, CommonNotifyHandler);
    AttachProc(parent, NotifyReflector);
  }
  return c;
}
