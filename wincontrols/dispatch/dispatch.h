#pragma once
// Window creation on demand and the one window procedure of the layer.
#include "../objects/text.h"

#include "../objects/control.h"

// Reflected message numbers
constexpr UINT kReflectedCommand = 0xB005;
constexpr UINT kReflectedCtlColorBase = 0xBC00;  // + WM_CTLCOLOR*

// A control of the window floor: its window is made on demand as an "obj_" superclass and
// its messages go through the one window procedure.
class TWindowControl final : public TControl {
 public:
  bool MakeWindow() override;
  LRESULT HandleMessage(TMsg& msg) override;
};

// A new control with a window made on demand, owned by its parent.
TControl* NewControl(TControl* parent, const char* baseClassName, bool sunken);

void CreateChildWindows(TControl* c);
HWND ParentHandle(TControl* c, bool create);
TText ClassName(TControl* c);
LRESULT CALLBACK SharedWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CallDefault(TControl* c, TMsg& msg);
void AttachProc(TControl* c, TMsgHandler handler);
bool TakeFocus(TControl* c);
bool IsMainWindow(TControl* c);
void InitCommonControlsOnce(DWORD classes);
HICON GetIcon(TControl* c);

// The mouse cursor over the client area; attaches the cursor handler once.
void SetControlCursor(TControl* c, HCURSOR cursor);

// Handlers the constructors attach.
bool CursorHandler(TControl* c, TMsg& msg, LRESULT& result);
bool BackgroundEraser(TControl* c, TMsg& msg, LRESULT& result);
bool NotifyReflector(TControl* c, TMsg& msg, LRESULT& result);
bool CommonNotifyHandler(TControl* c, TMsg& msg, LRESULT& result);
