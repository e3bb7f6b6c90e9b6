// Window creation on demand, the one window procedure of the layer, and the messages it
// reflects to the child control that caused them.
#pragma once
#include "../objects/control.h"
#include "../objects/text.h"
#include "../objects/widetext.h"

// The layer's private message numbers: above WM_APP (0x8000) and below the registered
// messages (0xC000), where no system control sends anything.
// WM_COMMAND from a child, sent on to that child by its parent's window procedure
// (wndproc.cpp) with wParam and lParam unchanged; ChildNotifyHandler (operations.cpp) turns it
// into fOnClick, fOnChange or fOnSelChange through the child's kind table.
constexpr UINT kReflectedCommand = 0xB005;
// + WM_CTLCOLOR*: a colour request sent on to the child whose colours are asked for
// (wndproc.cpp), answered with the child's own colours by ChildNotifyHandler.
constexpr UINT kReflectedCtlColorBase = 0xBC00;

// A control of the window floor: its window is made on demand as an "obj_" superclass and
// its messages go through the one window procedure. It fills TControl's two window slots,
// MakeWindow and HandleMessage, which the object floor below cannot implement.
class TWindowControl final : public TControl {
 public:
  bool MakeWindow() override;
  LRESULT HandleMessage(TMsg& msg) override;
};

// A new control with a window made on demand, owned by its parent.
TControl* NewControl(TControl* parent, const char* baseClassName, bool sunken);

void CreateChildWindows(TControl* c);
LRESULT CALLBACK SharedWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
// Default processing: the system class's own window procedure.
LRESULT CallDefault(TControl* c, TMsg& msg);
// Adds a handler to the control's list; the window procedure asks the list last-first.
void AttachProc(TControl* c, TMsgHandler handler);
void InitCommonControlsOnce(DWORD classes);

// The mouse cursor over the client area; attaches the cursor handler once.
void SetControlCursor(TControl* c, HCURSOR cursor);

// Handlers the constructors attach (attachedhandlers.cpp).
// WM_ERASEBKGND: the control's own background colour.
bool BackgroundEraser(TControl* c, TMsg& msg, LRESULT& result);
// Attached to a common control's parent: WM_NOTIFY sent on to the child's handler list.
bool NotifyReflector(TControl* c, TMsg& msg, LRESULT& result);
// The window class of the controls made on the system class baseClassName.
TWideText ClassName(const char* baseClassName);

// A common control's own NM_CLICK and NM_RCLICK: fOnClick.
bool CommonNotifyHandler(TControl* c, TMsg& msg, LRESULT& result);

// The layer's named operations that only this floor's own files call today.
HWND ParentHandle(TControl* c, bool create);
bool TakeFocus(TControl* c);
bool IsMainWindow(TControl* c);
HICON GetIcon(TControl* c);
