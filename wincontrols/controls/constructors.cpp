#include "constructors.h"

#include <windows.h>
#include <commctrl.h>

#include "../dispatch/dispatch.h"
#include "../dispatch/globals.h"
#include "combobox.h"
#include "navigation.h"
#include "operations.h"

namespace {

const int32_t kEditOptions[] = {
    ~static_cast<int32_t>(ES_AUTOHSCROLL | WS_HSCROLL), ~static_cast<int32_t>(ES_AUTOVSCROLL | WS_VSCROLL),
    ES_LOWERCASE, ES_MULTILINE, ES_NOHIDESEL, ES_OEMCONVERT, ES_PASSWORD, ES_READONLY,
    ES_UPPERCASE, ES_WANTRETURN, 0, ES_NUMBER};
const int32_t kComboOptions[] = {
    CBS_DROPDOWNLIST, ~static_cast<int32_t>(CBS_AUTOHSCROLL), CBS_DISABLENOSCROLL, CBS_LOWERCASE,
    CBS_NOINTEGRALHEIGHT, CBS_OEMCONVERT, CBS_SORT, CBS_UPPERCASE, CBS_OWNERDRAWFIXED,
    CBS_OWNERDRAWVARIABLE, CBS_SIMPLE};

constexpr uint32_t kButtonStyle = 0x50015000;    // child, visible, tab stop, BS_NOTIFY, BS_PUSHLIKE
constexpr uint32_t kCheckBoxStyle = 0x50014003;  // child, visible, tab stop, BS_NOTIFY, BS_AUTOCHECKBOX
constexpr uint32_t kLabelStyle = 0x5000018C;     // SS_NOTIFY, SS_NOPREFIX, SS_LEFTNOWORDWRAP
constexpr uint32_t kGroupBoxStyle = 0x56000007;  // BS_GROUPBOX with clipping
constexpr uint32_t kEditStyle = 0x50810000;      // WS_BORDER, tab stop
constexpr uint32_t kComboStyle = 0x50210200;     // WS_VSCROLL, tab stop, CBS_HASSTRINGS

// A fast second click arrives as a double click: make it a click again.
bool DoubleClickHandler(TControl*, TMsg& msg, LRESULT&) {
  if (msg.message == WM_LBUTTONDBLCLK) msg.message = WM_LBUTTONDOWN;
  return false;
}

}  // namespace

void SetDefaultSize(TControl* c, int w, int h) {
  c->fBoundsRect.right = c->fBoundsRect.left + w;
  c->fBoundsRect.bottom = c->fBoundsRect.top + h;
}

int32_t OptionsToStyle(uint32_t options, const int32_t* table, int count) {
  int32_t style = 0;
  for (int i = 0; i < count; ++i) {
    if (table[i] >= 0) {
      if (options & Opt(i)) style |= table[i];
    } else if (!(options & Opt(i))) {
      style |= ~table[i];
    }
  }
  return style;
}

TControl* ChildConstruct(TControl* parent, const char* baseClass, uint32_t style,
                         const TKindTable* kind, bool sunken) {
  TControl* c = NewControl(parent, baseClass, sunken);
  if (kind) c->fKind = *kind;
  c->fIsChild = true;
  c->fStyle = style | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
  c->fVisible = (style & WS_VISIBLE) != 0;
  c->fTabStop = (style & WS_TABSTOP) != 0;
  if (parent) {
    c->fBoundsRect.left = parent->fSpacing + parent->fMarginLeft;
    c->fBoundsRect.top = parent->fSpacing + parent->fMarginTop;
    SetDefaultSize(c, 64, 64);
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
  c->fCtlId = NextControlId++;
  AttachProc(c, ChildNotifyHandler);
  return c;
}

TControl* NewForm(TControl* parent, const char* caption) {
  TControl* c = NewControl(parent, "Form", true);
  c->fClassStyle |= CS_DBLCLKS;
  AttachProc(c, FormFocusHandler);
  AttachProc(c, BackgroundEraser);
  SetText(c, caption ? caption : "");
  c->fIsFormKind = true;
  return c;
}

TControl* NewButton(TControl* parent, const char* caption) {
  TControl* c = ChildConstruct(parent, "BUTTON", kButtonStyle, &ButtonKind, false);
  c->fWantsEnter = true;
  SetDefaultSize(c, 64, 22);
  c->fTextAlign = 2;
  SetText(c, caption ? caption : "");
  c->fIsPushButton = true;
  AttachProc(c, DoubleClickHandler);
  return c;
}

TControl* NewCheckBox(TControl* parent, const char* caption) {
  TControl* c = NewButton(parent, caption);
  SetDefaultSize(c, 72, 22);
  c->fStyle = kCheckBoxStyle | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;  // as every child
  c->fKind.AutoSizeExtraX = 24;  // room for the check mark
  c->fWantsEnter = false;
  return c;
}

TControl* NewLabel(TControl* parent, const char* caption) {
  TControl* c = ChildConstruct(parent, "STATIC", kLabelStyle, &StaticKind, false);
  c->fIsLabel = true;
  c->fRepaintOnResize = true;
  SetDefaultSize(c, 64, 22);
  SetText(c, caption ? caption : "");
  return c;
}

TControl* NewPanel(TControl* parent, int edge) {
  uint32_t edgeBits = edge == 0 ? WS_DLGFRAME : edge == 1 ? SS_SUNKEN : 0;
  TControl* c = ChildConstruct(parent, "STATIC", kLabelStyle | edgeBits, &StaticKind, false);
  SetDefaultSize(c, 100, 100);
  c->fExStyle |= WS_EX_CONTROLPARENT;
  return c;
}

TControl* NewGroupBox(TControl* parent, const char* caption) {
  TControl* c = ChildConstruct(parent, "BUTTON", kGroupBoxStyle, &ButtonKind, false);
  c->fExStyle |= WS_EX_CONTROLPARENT;
  SetText(c, caption ? caption : "");
  SetDefaultSize(c, 100, 100);
  c->fMarginTop = 22;
  c->fMarginBottom = c->fMarginLeft = c->fMarginRight = 2;
  c->fTabStop = false;
  AttachProc(c, BackgroundEraser);
  return c;
}

TControl* NewEdit(TControl* parent, uint32_t options) {
  uint32_t style = static_cast<uint32_t>(OptionsToStyle(options, kEditOptions, 12));
  bool multiLine = options & Opt(eoMultiLine);
  if (!multiLine) style &= 0xFFCFFFFF;  // no scroll bars on a single line
  TControl* c = ChildConstruct(parent, "EDIT", style | kEditStyle, &EditKind, true);
  if (multiLine) {
    SetDefaultSize(c, 200, 200);
    c->fWantsEnter = true;
    c->fFocusKeys = kFocusTab;
  } else {
    SetDefaultSize(c, 100, 22);
    c->fFocusKeys = kFocusTab | kFocusUpDown | kFocusPage;
  }
  if (options & Opt(eoKeepTab)) c->fFocusKeys &= ~kFocusTab;
  return c;
}

TControl* NewComboBox(TControl* parent, uint32_t options) {
  uint32_t style = static_cast<uint32_t>(OptionsToStyle(options, kComboOptions, 11));
  if (!(style & 1)) style |= CBS_DROPDOWN;
  TControl* c = ChildConstruct(parent, "COMBOBOX", style | kComboStyle, &ComboKind, true);
  c->fAfterCreate = SubclassComboInnerWindows;
  c->fOnDropDownProc = SizeComboDropDown;
  c->fClassStyle |= CS_DBLCLKS;
  SetDefaultSize(c, 100, 22);
  c->fFocusKeys = (options & Opt(coDropDownList)) ? (kFocusTab | kFocusLeftRight) : kFocusTab;
  AttachProc(c, ComboHandler);
  return c;
}

TControl* NewCommonControl(TControl* parent, const char* className, uint32_t style,
                           const TKindTable* kind, bool sunken) {
  InitCommonControlsOnce(0xFF);
  TControl* c = ChildConstruct(parent, className, style, kind, sunken);
  if (parent) {
    AttachProc(c, CommonNotifyHandler);
    AttachProc(parent, NotifyReflector);
  }
  return c;
}
