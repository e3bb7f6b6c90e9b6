// The combo box's inner edit and list, its deferred selection change and drop-down height.
#include "combobox.h"

#include "../dispatch/dispatch.h"
#include "../dispatch/globals.h"
#include "geometry.h"
#include "operations.h"

namespace {

const char kPrevProc[] = "PREV_PROC";

bool AskHook(TControl* owner, TMsg& msg, LRESULT& result) {
  return owner && owner->fOnMessage.IsSet() &&
         owner->fOnMessage.code(owner->fOnMessage.data, msg, result);
}

LRESULT CallPrevious(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  auto prev = reinterpret_cast<WNDPROC>(GetPropA(hwnd, kPrevProc));
  return prev ? CallWindowProcW(prev, hwnd, message, wParam, lParam) : 0;
}

// Esc or Enter while the list is open: close it; Esc also takes back what was picked in it.
bool CloseOpenList(TControl* combo, WPARAM key) {
  if ((key != VK_ESCAPE && key != VK_RETURN) ||
      !SendMessageW(combo->fHandle, CB_GETDROPPEDSTATE, 0, 0))
    return false;
  SendMessageW(combo->fHandle, CB_SHOWDROPDOWN, FALSE, 0);
  if (key == VK_ESCAPE) SendMessageW(combo->fHandle, CB_SETCURSEL, combo->fDropDownIndex, 0);
  return true;
}

LRESULT CALLBACK InnerWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  TControl* combo = ControlOf(GetParent(hwnd));
  if (!combo) return DefWindowProcW(hwnd, message, wParam, lParam);
  TMsg msg = {combo->fHandle, message, wParam, lParam};
  LRESULT result = 0;
  if (AskHook(AppMainWindow, msg, result)) return result;
  TControl* form = ParentForm(combo);
  if (form != AppMainWindow && AskHook(form, msg, result)) return result;
  if (message == WM_KEYDOWN || message == WM_KEYUP || message == WM_CHAR) {
    if (msg.wParam == VK_TAB) {
      if (message != WM_KEYDOWN) return 0;
      if (combo->fNavKeyHandler && combo->fNavKeyHandler(combo, VK_TAB, false)) return 0;
    } else if (message == WM_CHAR && CloseOpenList(combo, msg.wParam)) {
      return 0;
    }
  } else if (message == WM_SETFOCUS) {
    if (form) form->fFocusedControl = combo;
  }
  return CallPrevious(hwnd, message, msg.wParam, lParam);
}

}  // namespace

void SubclassComboInnerWindows(TControl* combo) {
  for (HWND child = GetWindow(combo->fHandle, GW_CHILD); child;
       child = GetWindow(child, GW_HWNDNEXT)) {
    LONG_PTR prev =
        SetWindowLongPtrW(child, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(InnerWndProc));
    SetPropA(child, kPrevProc, reinterpret_cast<HANDLE>(prev));
  }
}

static void RemoveInnerProps(TControl* combo) {
  for (HWND child = GetWindow(combo->fHandle, GW_CHILD); child;
       child = GetWindow(child, GW_HWNDNEXT))
    if (GetPropA(child, kPrevProc)) RemovePropA(child, kPrevProc);
}

void SizeComboDropDown(TControl* combo) {
  int n = ItemCount(combo);
  if (n < 1) n = 1;
  if (n > 8) n = 8;
  int w = GetWidth(combo), h = GetHeight(combo);
  SetWindowPos(combo->fHandle, nullptr, 0, 0, w, (n + 1) * h + Scaled(combo, 2),
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOREDRAW | SWP_NOACTIVATE | SWP_HIDEWINDOW);
  SetWindowPos(
      combo->fHandle, nullptr, 0, 0, 0, 0,
      SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOREDRAW | SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

bool ComboHandler(TControl* combo, TMsg& msg, LRESULT& result) {
  if (msg.message >= WM_CTLCOLORMSGBOX && msg.message <= WM_CTLCOLORSTATIC) {
    // The inner edit and list take the combo's own colours.
    result = Perform(combo, msg.message + kReflectedCtlColorBase, msg.wParam, msg.lParam);
    return true;
  }
  if (msg.message == kReflectedCommand) {
    switch (HIWORD(msg.wParam)) {
      case CBN_SELCHANGE:
        // The combo's text follows the selection only after this notification: fOnSelChange
        // comes with a reflected command of the layer's own code, posted to run afterwards.
        PostMessageW(combo->fHandle, kReflectedCommand, MAKEWPARAM(0, kDeferredSelChange), 0);
        break;
      case CBN_DROPDOWN:
        combo->fDroppedDown = true;
        combo->fDropDownIndex = GetCurIndex(combo);
        if (combo->fOnDropDownProc) combo->fOnDropDownProc(combo);
        break;
      case CBN_CLOSEUP: combo->fDroppedDown = false; break;
      default: break;
    }
    return false;
  }
  // A drop-down list has no inner edit: its own keys follow the inner windows' rule.
  if (msg.message == WM_KEYDOWN && CloseOpenList(combo, msg.wParam)) {
    result = 0;
    return true;
  }
  if (msg.message == WM_DESTROY) RemoveInnerProps(combo);
  return false;
}
