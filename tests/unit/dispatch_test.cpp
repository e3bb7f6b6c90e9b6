// Windows made on demand, the one window procedure, reflected notifications and the loop.
#include <gtest/gtest.h>

#include "support/test_support.h"
#include "wincontrols/controls/constructors.h"
#include "wincontrols/controls/operations.h"
#include "wincontrols/dispatch/dispatch.h"
#include "wincontrols/dispatch/globals.h"
#include "wincontrols/dispatch/messageloop.h"

namespace {
int gCalls = 0;
bool CountingHandler(TControl*, TMsg& msg, LRESULT&) {
  if (msg.message == WM_USER + 1) ++gCalls;
  return false;
}
void CountClick(void*, TControl*) { ++gCalls; }
}  // namespace

TEST(Dispatch, EarlyMessageCreatesParentChainHiddenUntilParentPass) {
  TScopedForm f;
  TControl* group = NewGroupBox(f.form, "g");
  TControl* button = NewButton(group, "b");
  Perform(button, WM_NULL, 0, 0);
  ASSERT_TRUE(IsWindow(button->fHandle));
  EXPECT_TRUE(IsWindow(group->fHandle));
  EXPECT_FALSE(IsWindowVisible(f.form->fHandle));
  EXPECT_TRUE(button->fShowPending);
  f.form->MakeWindow();
  EXPECT_TRUE(IsWindowVisible(button->fHandle));
  EXPECT_FALSE(button->fShowPending);
  char cls[64];
  GetClassNameA(button->fHandle, cls, sizeof cls);
  EXPECT_STREQ(cls, "obj_BUTTON");
  GetClassNameA(f.form->fHandle, cls, sizeof cls);
  EXPECT_STREQ(cls, "obj_Form");
  EXPECT_EQ(f.form->fBaseWndProc, nullptr) << "the form's default processing is DefWindowProcA";
  EXPECT_NE(button->fBaseWndProc, nullptr);
  EXPECT_EQ(ControlOf(button->fHandle), button);
  WNDCLASSA base = {};
  GetClassInfoA(nullptr, "BUTTON", &base);
  EXPECT_EQ(reinterpret_cast<HCURSOR>(GetClassLongPtrA(button->fHandle, GCLP_HCURSOR)),
            base.hCursor)
      << "a superclass keeps its base's cursor";
  EXPECT_EQ(reinterpret_cast<HCURSOR>(GetClassLongPtrA(f.form->fHandle, GCLP_HCURSOR)),
            LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW)));
}

TEST(Dispatch, TwoButtonsShareOneRegisteredClass) {
  TScopedForm f;
  TControl* a = NewButton(f.form, "a");
  TControl* b = NewButton(f.form, "b");
  GetHandle(a);
  GetHandle(b);
  EXPECT_EQ(GetClassLongPtrA(a->fHandle, GCW_ATOM), GetClassLongPtrA(b->fHandle, GCW_ATOM));
}

TEST(Dispatch, ReflectedClickReachesButtonForeignCommandDoesNot) {
  TScopedForm f;
  TControl* button = NewButton(f.form, "b");
  button->fOnClick.code = CountClick;
  gCalls = 0;
  HWND wnd = GetHandle(button);
  SendMessageA(f.form->fHandle, WM_COMMAND, MAKEWPARAM(button->fCtlId, BN_CLICKED),
               reinterpret_cast<LPARAM>(wnd));
  EXPECT_EQ(gCalls, 1);
  HWND foreign = CreateWindowExA(0, "BUTTON", "x", WS_CHILD, 0, 0, 5, 5, f.form->fHandle, nullptr,
                                 nullptr, nullptr);
  SendMessageA(f.form->fHandle, WM_COMMAND, MAKEWPARAM(1, BN_CLICKED),
               reinterpret_cast<LPARAM>(foreign));
  EXPECT_EQ(gCalls, 1);
  button->fFocusing = 1;  // the layer is moving the focus: no click
  SendMessageA(f.form->fHandle, WM_COMMAND, MAKEWPARAM(button->fCtlId, BN_CLICKED),
               reinterpret_cast<LPARAM>(wnd));
  EXPECT_EQ(gCalls, 1);
  button->fFocusing = 0;
}

TEST(Dispatch, HandlersRunOnceAndNotAfterTermination) {
  TScopedForm f;
  AttachProc(f.form, CountingHandler);
  AttachProc(f.form, CountingHandler);
  static int hookCalls;
  hookCalls = 0;
  f.form->fOnMessage.code = [](void*, TMsg& msg, LRESULT&) {
    if (msg.message == WM_USER + 1) ++hookCalls;
    return false;
  };
  gCalls = 0;
  Perform(f.form, WM_USER + 1, 0, 0);
  EXPECT_EQ(gCalls, 1);
  Terminated = true;
  Perform(f.form, WM_USER + 1, 0, 0);
  Terminated = false;
  EXPECT_EQ(gCalls, 1);
  EXPECT_EQ(hookCalls, 2);
}

TEST(Dispatch, ControlDestroyedInsideItsOwnHandlerIsReleasedAfterwards) {
  TScopedForm f;
  TControl* button = NewButton(f.form, "b");
  GetHandle(button);
  static bool destroyed, destroyedInside;
  destroyed = destroyedInside = false;
  button->fOnDestroy.code = [](void*, TRefObject*) { destroyed = true; };
  button->fOnClick.code = [](void*, TControl* sender) {
    RemoveFromReleaseList(sender->fParent, sender);  // nobody holds it but its window now
    DestroyWindow(sender->fHandle);
    destroyedInside = destroyed;
  };
  SendMessageA(button->fHandle, kReflectedCommand, MAKEWPARAM(0, BN_CLICKED), 0);
  EXPECT_FALSE(destroyedInside) << "not freed while its message runs";
  EXPECT_TRUE(destroyed) << "freed once the outermost message returned";
}

TEST(Loop, QuitBeforeRunAndCloseOfMainWindow) {
  TControl* form = NewForm(nullptr, "loop");
  static int seen;
  seen = 0;
  form->fOnMessage.code = [](void*, TMsg& msg, LRESULT&) {
    if (msg.message == WM_USER + 2) ++seen;
    return false;
  };
  GetHandle(form);
  PostMessageA(form->fHandle, WM_USER + 2, 0, 0);
  PostQuitMessage(0);
  TControl* var = form;
  ::Run(var);
  EXPECT_EQ(seen, 1) << "queued before WM_QUIT: still dispatched";
  EXPECT_EQ(var, nullptr);
  EXPECT_EQ(AppMainWindow, nullptr);
  Terminated = false;

  TControl* main = NewForm(nullptr, "close");
  AppMainWindow = main;
  GetHandle(main);
  SendMessageA(main->fHandle, WM_CLOSE, 0, 0);
  MSG msg;
  bool quit = false;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
    if (msg.message == WM_QUIT && msg.wParam == 0) quit = true;
  EXPECT_TRUE(quit);
  AppMainWindow = nullptr;
  Release(main);
}

TEST(Dispatch, TabCharacterSwallowed) {
  TScopedForm f;
  TControl* edit = NewEdit(f.form, 0);
  f.form->MakeWindow();
  SetFocus(edit->fHandle);
  SendMessageA(edit->fHandle, WM_CHAR, 'a', 0);
  SendMessageA(edit->fHandle, WM_CHAR, VK_TAB, 0);
  EXPECT_EQ(GetText(edit), "a");
}
