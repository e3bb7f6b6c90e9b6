// TControl: one object per window or control of the layer, its fields and what every control
// can do before it has a window (set-up on a parent, visibility, styles, text, DPI).
#pragma once
#include <windows.h>

#include <cstdint>
#include "text.h"

#include "kindtable.h"
#include "refobject.h"

class TControl;
class TGdiTool;

// The four words of a window message; handlers may change wParam to swallow a key.
struct TMsg {
  HWND hwnd;
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
};

typedef void (*TNotifyProc)(void* data, TControl* sender);
typedef bool (*TOnMessageProc)(void* data, TMsg& msg, LRESULT& result);
typedef bool (*TMsgHandler)(TControl* c, TMsg& msg, LRESULT& result);
typedef bool (*TNavKeyProc)(TControl* c, WPARAM key, bool keyUp);
typedef TMethodPtr<TNotifyProc> TNotifyEvent;
typedef TMethodPtr<TOnMessageProc> TOnMessage;

// Bound event helper: Bind<&Class::Method>(obj) gives a (code, data) pair.
template <class T, void (T::*M)(TControl*)>
void EventThunk(void* data, TControl* sender) {
  (static_cast<T*>(data)->*M)(sender);
}
template <class T, void (T::*M)(TControl*)>
TNotifyEvent MakeEvent(T* obj) {
  TNotifyEvent ev;
  ev.code = &EventThunk<T, M>;
  ev.data = obj;
  return ev;
}

enum TAlign : uint8_t {
  alNone = 0,
  alLeft = 1,
  alTop = 2,
  alRight = 3,
  alBottom = 4,
  alClient = 5
};

// fFocusKeys bits
constexpr uint32_t kFocusTab = 1;
constexpr uint32_t kFocusLeftRight = 2;
constexpr uint32_t kFocusUpDown = 4;
constexpr uint32_t kFocusPage = 8;

// fPosChanged bits: the program has placed the window itself, so the system does not
constexpr uint8_t kLeftChanged = 1;
constexpr uint8_t kTopChanged = 2;

// Colour values with the top bit set are system colour indexes, resolved at each use.
constexpr COLORREF kSystemColor = 0x80000000;
constexpr COLORREF kClrWindowText = kSystemColor | COLOR_WINDOWTEXT;

// Positions and sizes that the program gives are pixels at 96 DPI; the layer places them at
// the DPI of the control's top-level window.
constexpr int kDesignDpi = 96;

// What was given of a control's place, at 96 DPI, so that it can be placed again at another
// DPI; given holds a bit per part (1 << kGivenLeft ...).
enum TGivenPart : uint8_t { kGivenLeft, kGivenTop, kGivenWidth, kGivenHeight };
struct TGivenBounds {
  int32_t part[4];
  uint8_t given;
};

const HICON kNoIcon = reinterpret_cast<HICON>(-1);  // fIcon: no icon at all

// The object knows no window procedure: a TControl alone never gets a window (MakeWindow
// answers false, HandleMessage is the default processing). The window floor's own kind
// (TWindowControl, wincontrols/dispatch) fills both slots, and its NewControl makes those.
class TControl : public TRefObject {
 public:
  void Init() override;
  void Destroy(bool freeMemory) override;
  virtual void InitWithParent(TControl* parent);
  virtual bool MakeWindow();
  virtual LRESULT HandleMessage(TMsg& msg);

  HWND fHandle;
  uint32_t fClassStyle;
  uint32_t fStyle;
  uint32_t fExStyle;
  HCURSOR fCursor;
  HICON fIcon;
  WNDPROC fBaseWndProc;
  TControl* fParent;
  bool fVisible;
  bool fTabStop;
  int32_t fTabOrder;
  bool fFixedSize;
  TPtrList* fMsgHandlers;
  TPtrList* fChildren;
  HBRUSH fBkBrush;
  COLORREF fBkBrushColor;
  bool fDestroying;
  bool fWindowDestroyed;
  int32_t fMsgDepth;
  int32_t fCtlId;
  bool fIsFormKind;
  bool fIsChild;
  bool fIsLabel;
  uint8_t fPosChanged;
  uint32_t fFocusKeys;
  TMsgHandler fHandlerChain;
  TControlProc fOnTextChanged;
  const char* fBaseClassName;
  TNavKeyProc fNavKeyHandler;
  bool f3DLook;
  bool fSunken;
  COLORREF fTextColor;
  COLORREF fColor;
  TGdiTool* fFont;
  TRefObject* fDrawContext;  // a TDrawContext of the drawing tools, made on demand
  int32_t fSpacing;
  RECT fBoundsRect;
  int32_t fMarginTop, fMarginBottom, fMarginLeft, fMarginRight;
  TOnMessage fOnMessage;
  TOnMessage fSavedOnMessage;
  TNotifyEvent fOnClick;
  TControl* fFocusedControl;
  bool fVisibleSet;
  bool fShowPending;
  TControlProc fOnDropDownProc;
  bool fDroppedDown;
  int32_t fDropDownIndex;
  uint8_t fFocusing;
  int32_t fCurPage;
  bool fIsCancel;
  TControl* fDefaultButton;
  TControl* fCancelButton;
  bool fWantsEnter;
  TNotifyEvent fOnChange;
  TKindTable fKind;
  uint8_t fAlign;
  uint32_t fAlignState;  // bits of the alignment code (align.cpp)
  TNotifyEvent fOnSelChange;
  bool fRepaintOnResize;
  int32_t fFixedWidth, fFixedHeight;
  TText fText;
  TControlProc fAfterCreate;
  TGivenBounds fGiven;
  uint16_t fDpi;    // a top-level window: the DPI it is shown at; 0 until its window exists
  HWND fNameLabel;  // the hidden label that names it to a screen reader, if it needs one
  bool fShield;     // a push button that asks for administrator rights (SetShield)
};

// The layer's hooks. This floor holds the objects and knows nothing of placement, fonts or
// what a program does without its windows; the floors above do, and they include this one, so
// it cannot call them. It calls these pointers instead, each empty (nothing to do) until a
// higher floor fills it:
void NoControlProc(TControl* c);
// Shown, hidden or resized: realign. Filled with RequestRealign by the first SetAlign
// (wincontrols/controls/align.cpp); a program that aligns nothing never realigns.
extern TControlProc RealignHook;
// Send the control its font. Filled with ApplyFont by the first GetFont
// (wincontrols/gdi/controltools.cpp), when the first font is made: until then no control has
// one to send.
extern TControlProc FontApplyHook;
// A new child takes a copy of its parent's font. Filled by the first GetFont, as above.
extern void (*InheritToolsHook)(TControl* c, TControl* parent);
// A window the system would not make (the quota of window objects, a full desktop heap, a
// hook): MakeWindow then answers false. Filled by the program at start-up (app/startup.cpp):
// a program that cannot go on without it ends there.
extern TControlProc WindowRefusedHook;
// A top-level window moved to a screen of another DPI: its controls are placed again, and
// their fonts and sizes made anew. Filled with ChangeDpi by NewForm
// (wincontrols/controls/constructors.cpp); until then only fDpi is set.
extern void (*DpiChangeHook)(TControl* form, int dpi);

// The DPI the control is shown at (its top-level window's), and a 96-DPI length at it.
int ControlDpi(TControl* c);
int Scaled(TControl* c, int length);

// Sets up a new control on its parent, taking over what a child inherits.
TControl* InitControl(TControl* c, TControl* parent, const char* baseClassName, bool sunken);
// Moves the control to another parent's children and release list (also called by a test).
void ChangeParent(TControl* c, TControl* parent);
TControl* ParentForm(TControl* c);
void SetVisible(TControl* c, bool visible);
void SetVisibleExplicit(TControl* c, bool visible);
void SetStyle(TControl* c, uint32_t style);
void SetExStyle(TControl* c, uint32_t exStyle);
void SetControlIcon(TControl* c, HICON icon);
void Invalidate(TControl* c);
bool IsEnabled(TControl* c);
// Shown, or to be shown once created, and so are all its parents.
bool IsShowing(TControl* c);

// The window, created on demand (with its parent's first); hidden until its children exist
// unless visibility was set explicitly.
HWND GetHandle(TControl* c);
LRESULT Perform(TControl* c, UINT message, WPARAM wParam, LPARAM lParam);
// The client area less the inner margins.
RECT ClientRect(TControl* c);

const TText& GetText(TControl* c);
void SetText(TControl* c, const TText& text);

// Handle-to-object binding through the window's user-data slot.
inline TControl* ControlOf(HWND hwnd) {
  return hwnd ? reinterpret_cast<TControl*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA)) : nullptr;
}
inline void BindControl(HWND hwnd, TControl* c) {
  SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(c));
}

// The layer's named operations that only this floor's own file calls today.
// Whether the control is shown (a top-level window: as the system says).
bool IsVisible(TControl* c);
