// Keyboard focus records, Tab/arrow navigation, the Enter/Escape buttons and the access keys.
#include "navigation.h"

#include "../dispatch/dispatch.h"
#include "../dispatch/globals.h"
#include "../objects/widetext.h"

void SetFocused(TControl* c, bool focused) {
  if (!focused || !c->fTabStop) return;
  if (c->fIsChild) {
    TControl* form = ParentForm(c);
    if (form) {
      if (form->fFocusedControl && form->fFocusedControl != c) SetFocus(nullptr);
      form->fFocusedControl = c;
    }
    SetFocus(GetHandle(c));
  } else {
    SetForegroundWindow(GetHandle(c));
  }
}

TControl* EnableDialogKeys(TControl* c) {
  // The window procedure hands every key to the form's fNavKeyHandler (wndproc.cpp).
  if (TControl* form = ParentForm(c)) form->fNavKeyHandler = NavigationKeyProc;
  return c;
}

static bool Collect(TPtrList* list, TControl* container) {
  bool inserted = false;
  int32_t n = container->fChildren ? container->fChildren->Count() : 0;
  for (int32_t i = 0; i < n; ++i) {
    auto* child = static_cast<TControl*>(container->fChildren->Get(i));
    if (child->fTabStop && IsShowing(child) && (child->fStyle & WS_TABSTOP)) {
      int32_t at = 0;
      while (at < list->Count() &&
             static_cast<TControl*>(list->Get(at))->fTabOrder <= child->fTabOrder)
        ++at;
      list->Insert(at, child);
      inserted = true;
    }
    // A container whose own children are stops is not a stop itself.
    if (Collect(list, child)) list->Remove(child);
  }
  return inserted;
}

TPtrList* TabOrderList(TControl* form) {
  TPtrList* list = NewList(4);
  Collect(list, form);
  return list;
}

void Navigate(TControl* form, int direction) {
  TPtrList* list = TabOrderList(form);
  TControl* current = form->fFocusedControl;
  int32_t key = current ? current->fTabOrder : 0;
  TControl* next = nullptr;
  TControl* wrap = nullptr;
  for (int32_t i = 0; i < list->Count(); ++i) {
    auto* c = static_cast<TControl*>(list->Get(i));
    if (c->fTabOrder == key) continue;
    if (direction > 0) {
      if (c->fTabOrder > key && (!next || c->fTabOrder < next->fTabOrder)) next = c;
      if (!wrap || c->fTabOrder < wrap->fTabOrder) wrap = c;
    } else {
      if (c->fTabOrder < key && (!next || c->fTabOrder > next->fTabOrder)) next = c;
      if (!wrap || c->fTabOrder > wrap->fTabOrder) wrap = c;
    }
  }
  if (!next) next = wrap;
  if (next) {
    if (next->fHandle) {
      ++next->fFocusing;
      SetFocused(next, true);
      --next->fFocusing;
    }
    form->fFocusedControl = next;
  }
  Release(list);
}

bool NavigationKeyProc(TControl* c, WPARAM key, bool keyUp) {
  uint32_t group;
  switch (key) {
    case VK_TAB: group = kFocusTab; break;
    case VK_PRIOR:
    case VK_NEXT: group = kFocusPage; break;
    case VK_LEFT:
    case VK_RIGHT: group = kFocusLeftRight; break;
    case VK_UP:
    case VK_DOWN: group = kFocusUpDown; break;
    default: return false;
  }
  if (!(c->fFocusKeys & group)) return false;
  if (keyUp) return true;
  TControl* form = ParentForm(c);
  if (!form) return true;
  if (key == VK_TAB) Navigate(form, GetKeyState(VK_SHIFT) < 0 ? -1 : 1);
  else if (key == VK_PRIOR || key == VK_LEFT || key == VK_UP) Navigate(form, -1);
  else Navigate(form, 1);
  return true;
}

bool FormFocusHandler(TControl* form, TMsg& msg, LRESULT&) {
  if (msg.message != WM_SETFOCUS || !form->fFocusedControl) return false;
  TControl* focused = form->fFocusedControl;
  if (focused->MakeWindow()) SetFocus(focused->fHandle);
  return true;
}

// A Windows-1251 letter in upper case: Latin, Russian, and Ё.
static uint8_t Upper1251(uint8_t ch) {
  if ((ch >= 'a' && ch <= 'z') || ch >= 0xE0) return static_cast<uint8_t>(ch - 0x20);
  return ch == 0xB8 ? 0xA8 : ch;
}

// The button, shown and enabled, whose caption underlines that letter ("&OK"), in any case.
static TControl* AccessKeyTarget(TControl* container, uint8_t key) {
  int32_t n = container->fChildren ? container->fChildren->Count() : 0;
  for (int32_t i = 0; i < n; ++i) {
    auto* c = static_cast<TControl*>(container->fChildren->Get(i));
    const TText& caption = c->fText;
    if (c->fKind.ClickCode == BN_CLICKED && IsShowing(c) && IsEnabled(c)) {
      for (size_t at = 0; at + 1 < caption.size(); ++at) {
        if (caption[at] != '&') continue;
        uint8_t letter = static_cast<uint8_t>(caption[++at]);
        if (letter != '&' && Upper1251(letter) == key) return c;  // "&&" is an ampersand
      }
    }
    if (TControl* found = AccessKeyTarget(c, key)) return found;
  }
  return nullptr;
}

// The application main window's message hook: Enter and Escape reach the form's buttons, and
// Alt with an underlined letter presses its button, wherever the focus is, as the dialog
// manager does.
static bool EnterEscapeHook(void* data, TMsg& msg, LRESULT& result) {
  auto* main = static_cast<TControl*>(data);
  if (main->fSavedOnMessage.IsSet() &&
      main->fSavedOnMessage.code(main->fSavedOnMessage.data, msg, result))
    return true;
  if (Terminated) return false;
  TControl* form = AppMainWindow;
  if (form && !form->fIsFormKind) form = form->fFocusedControl;
  if (!form) return false;
  if (msg.message == WM_SYSCHAR) {
    wchar_t typed = static_cast<wchar_t>(msg.wParam);
    TControl* pressed =
        AccessKeyTarget(form, Upper1251(static_cast<uint8_t>(ToProgramText(&typed, 1)[0])));
    if (!pressed) return false;  // default processing, which beeps
    SendMessageW(GetHandle(pressed), BM_CLICK, 0, 0);
    result = 0;
    return true;
  }
  if (msg.message != WM_KEYDOWN && msg.message != WM_KEYUP) return false;
  if (msg.wParam != VK_RETURN && msg.wParam != VK_ESCAPE) return false;
  // An open combo list keeps Enter and Escape: they close the list, not the window.
  TControl* focused = form->fFocusedControl;
  if (focused && focused->fDroppedDown && SendMessageW(focused->fHandle, CB_GETDROPPEDSTATE, 0, 0))
    return false;
  TControl* target = nullptr;
  if (msg.wParam == VK_RETURN) {
    TControl* def = form->fDefaultButton;
    if (def && IsShowing(def) && IsEnabled(def) &&
        (!focused || (!focused->fIsCancel && !focused->fWantsEnter) || focused == def))
      target = def;
  } else {
    TControl* cancel = form->fCancelButton;
    if (cancel && IsShowing(cancel) && IsEnabled(cancel)) target = cancel;
  }
  if (!target) return false;
  // The button sees Space pressed and released and clicks itself.
  if (msg.message == WM_KEYDOWN) SetFocused(target, true);
  SendMessageW(GetHandle(target), msg.message, VK_SPACE, msg.lParam);
  msg.wParam = 0;
  result = 0;
  return true;
}

void SetButtonKey(TControl* button, WPARAM key, bool on) {
  if (key == VK_ESCAPE) button->fIsCancel = on;
  TControl* form = ParentForm(button);
  if (!AppMainWindow || !form) return;
  TControl* main = AppMainWindow;
  if (on) {
    // The window procedure asks the main window's fOnMessage first for every message of every
    // window of the layer: the hook sees Enter, Escape and Alt+letter wherever the focus is.
    if (main->fOnMessage.code != EnterEscapeHook) {
      main->fSavedOnMessage = main->fOnMessage;
      main->fOnMessage.code = EnterEscapeHook;
      main->fOnMessage.data = main;
    }
  } else {
    main->fOnMessage = main->fSavedOnMessage;
    main->fSavedOnMessage.Clear();
  }
  if (key == VK_RETURN) {
    form->fDefaultButton = on ? button : nullptr;
    SetStyle(button,
             on ? (button->fStyle | BS_DEFPUSHBUTTON) : (button->fStyle & ~BS_DEFPUSHBUTTON));
  } else if (key == VK_ESCAPE) {
    form->fCancelButton = on ? button : nullptr;
  }
}
