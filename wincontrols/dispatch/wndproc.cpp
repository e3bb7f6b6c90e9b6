// The one window procedure: HWND to object, then the fixed order of handlers.
#include <windows.h>
#include <commctrl.h>

#include "dispatch.h"
#include "globals.h"

namespace {

bool HandlerListWalker(TControl* c, TMsg& msg, LRESULT& result) {
  TPtrList* list = c->fMsgHandlers;
  // After the quit message no attached handler runs any more.
  if (c->fRefCount < 0 || !list || list->Count() == 0 || Terminated) return false;
  AddRef(c);
  bool handled = false;
  for (int32_t i = list->Count() - 1; i >= 0 && !handled; --i) {
    auto handler = reinterpret_cast<TMsgHandler>(list->Get(i));
    handled = handler(c, msg, result);
    list = c->fMsgHandlers;  // the handler may have attached more
    if (!list) break;
  }
  Release(c);
  return handled;
}

bool KeyMessage(TControl* c, TMsg& msg, LRESULT& result) {
  HWND focus = GetFocus();
  if (focus && focus != c->fHandle) {
    result = 0;
    return true;
  }
  if (GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0) return false;
  if (msg.message == WM_CHAR) {
    if (msg.wParam != VK_TAB) return false;
    msg.wParam = 0;  // the Tab character is swallowed
    result = 0;
    return true;
  }
  TControl* form = ParentForm(c);
  if (!form) form = c;
  if (form->fNavKeyHandler) {
    bool keyUp = msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN;
    if (form->fNavKeyHandler(c, msg.wParam, keyUp)) {
      msg.wParam = 0;
      result = 0;
      return true;
    }
  }
  return false;
}

}  // namespace

bool IsMainWindow(TControl* c) {
  if (!AppMainWindow) return !c->fIsChild;
  return c == AppMainWindow;
}

LRESULT CallDefault(TControl* c, TMsg& msg) {
  if (c->fBaseWndProc)
    return CallWindowProcW(c->fBaseWndProc, c->fHandle, msg.message, msg.wParam, msg.lParam);
  return DefWindowProcW(msg.hwnd, msg.message, msg.wParam, msg.lParam);
}

LRESULT TWindowControl::HandleMessage(TMsg& msg) {
  LRESULT result = 0;
  if (msg.hwnd && !fHandle) fHandle = msg.hwnd;
  if (LoopRunning && AppMainWindow && AppMainWindow != this && AppMainWindow->fOnMessage.IsSet() &&
      AppMainWindow->fOnMessage.code(AppMainWindow->fOnMessage.data, msg, result))
    return result;
  if (fOnMessage.IsSet() && fOnMessage.code(fOnMessage.data, msg, result)) return result;
  if (fHandlerChain(this, msg, result)) return result;
  switch (msg.message) {
    case WM_DESTROY: fWindowDestroyed = true; return CallDefault(this, msg);
    case WM_SIZE:
      result = CallDefault(this, msg);
      if (RealignHook) RealignHook(this);
      return result;
    case WM_SETFOCUS:
      if (!TakeFocus(this)) return 0;
      ++fFocusing;
      result = CallDefault(this, msg);
      --fFocusing;
      return result;
    case WM_CLOSE:
      if (this == AppMainWindow || IsMainWindow(this)) PostQuitMessage(0);
      return CallDefault(this, msg);
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_CHAR:
    case WM_DEADCHAR:
    case WM_SYSKEYDOWN:
    case WM_SYSKEYUP:
    case WM_SYSCHAR:
    case WM_SYSDEADCHAR:
      if (KeyMessage(this, msg, result)) return result;
      return CallDefault(this, msg);
    case WM_COMMAND: {
      // A child's notification comes to its parent; the child's own handlers answer it
      // (ChildNotifyHandler fires its events). A window of another kind gets the default.
      HWND from = reinterpret_cast<HWND>(msg.lParam);
      if (ControlOf(from)) return SendMessageW(from, kReflectedCommand, msg.wParam, msg.lParam);
      return CallDefault(this, msg);
    }
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
      // The child whose colours are asked for answers with its own (ChildNotifyHandler).
      return SendMessageW(reinterpret_cast<HWND>(msg.lParam), msg.message + kReflectedCtlColorBase,
                          msg.wParam, msg.lParam);
    default: return CallDefault(this, msg);
  }
}

LRESULT CALLBACK SharedWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  TMsg msg = {hwnd, message, wParam, lParam};
  TControl* c = nullptr;
  if (hwnd && CreatingControl) {
    c = CreatingControl;
    c->fHandle = hwnd;
    BindControl(hwnd, c);
    CreatingControl = nullptr;
  } else if (hwnd) {
    c = ControlOf(hwnd);
  }
  if (!c) {
    if (AppMainWindow) return AppMainWindow->HandleMessage(msg);
    return DefWindowProcW(hwnd, message, wParam, lParam);
  }
  ++c->fMsgDepth;
  LRESULT result = c->HandleMessage(msg);
  --c->fMsgDepth;
  // An object whose window is gone is released once its outermost message has returned.
  if (c->fRefCount == 0 && c->fMsgDepth <= 0 && c->fWindowDestroyed && c != AppMainWindow)
    Release(c);
  return result;
}

void AttachProc(TControl* c, TMsgHandler handler) {
  if (c->fMsgHandlers->IndexOf(reinterpret_cast<void*>(handler)) < 0)
    c->fMsgHandlers->Add(reinterpret_cast<void*>(handler));
  c->fHandlerChain = HandlerListWalker;
}

bool TakeFocus(TControl* c) {
  if (!IsEnabled(c) || !(c->fTabStop || (c->fStyle & WS_TABSTOP))) return false;
  ++c->fFocusing;
  SetFocus(c->fHandle);
  --c->fFocusing;
  return true;
}
