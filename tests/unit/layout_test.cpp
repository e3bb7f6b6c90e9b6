// Geometry, alignment, automatic sizing, tab pages and keyboard navigation.
#include <gtest/gtest.h>

#include <initializer_list>

#include "support/test_support.h"
#include "wincontrols/controls/align.h"
#include "wincontrols/controls/constructors.h"
#include "wincontrols/controls/geometry.h"
#include "wincontrols/controls/navigation.h"
#include "wincontrols/controls/operations.h"
#include "wincontrols/controls/tabpages.h"
#include "wincontrols/dispatch/dispatch.h"
#include "wincontrols/dispatch/globals.h"
#include "wincontrols/gdi/drawcontext.h"

namespace {
UINT gLastFlags = 0;
int gMoves = 0;
bool WatchPos(TControl*, TMsg& msg, LRESULT&) {
  if (msg.message == WM_WINDOWPOSCHANGING) {
    gLastFlags = reinterpret_cast<WINDOWPOS*>(msg.lParam)->flags;
    ++gMoves;
  }
  return false;
}
}  // namespace

TEST(Geometry, SizeAndBoundsFlags) {
  TScopedForm f;
  TControl* label = NewLabel(f.form, "x");
  SetBounds(label, {10, 10, 74, 32});
  GetHandle(label);
  AttachProc(label, WatchPos);
  gMoves = 0;
  SetSize(label, -1, -1);
  EXPECT_EQ(gMoves, 0);
  SetSize(label, 0, 30);
  EXPECT_EQ(GetWidth(label), 64);
  EXPECT_EQ(GetHeight(label), 30);
  EXPECT_TRUE(gLastFlags & SWP_NOMOVE);
  SetPosition(label, 20, 20);
  EXPECT_TRUE(gLastFlags & SWP_NOSIZE);
  SetBounds(label, {1, 1, 11, 11});
  EXPECT_FALSE(gLastFlags & (SWP_NOSIZE | SWP_NOMOVE));
  gMoves = 0;
  SetBounds(label, GetBounds(label));
  EXPECT_EQ(gMoves, 0);
}

TEST(Geometry, ClientSizeCentreAndFixedSize) {
  TScopedForm f;
  SetClientSize(f.form, 352, 353);
  RECT client;
  GetClientRect(f.form->fHandle, &client);
  EXPECT_EQ(client.right, 352);
  EXPECT_EQ(client.bottom, 353);
  CenterControl(f.form);
  EXPECT_EQ(GetBounds(f.form).left, (GetSystemMetrics(SM_CXSCREEN) - GetWidth(f.form)) / 2);
  EXPECT_EQ(GetBounds(f.form).top, (GetSystemMetrics(SM_CYSCREEN) - GetHeight(f.form)) / 2);
  SetSizeable(f.form, false);
  f.form->MakeWindow();
  RECT before = GetBounds(f.form);
  LRESULT hit = SendMessageA(f.form->fHandle, WM_NCHITTEST, 0,
                             MAKELPARAM(before.right - 1, before.bottom - 1));
  EXPECT_FALSE(hit >= HTLEFT && hit <= HTBOTTOMRIGHT);
  ShowWindow(f.form->fHandle, SW_MAXIMIZE);
  Pump();
  RECT after = GetBounds(f.form);
  EXPECT_EQ(after.right - after.left, before.right - before.left);
  EXPECT_EQ(after.bottom - after.top, before.bottom - before.top);
  SetStayOnTop(f.form, true);
  EXPECT_TRUE(IsStayOnTop(f.form));
}

TEST(Align, TopTopClientWithSpacing) {
  TScopedForm f;
  TControl* box = NewPanel(f.form);
  SetBounds(box, {0, 0, 200, 100});
  f.form->MakeWindow();
  TControl* a = NewPanel(box);
  TControl* b = NewPanel(box);
  TControl* c = NewPanel(box);
  SetHeight(a, 20);
  SetHeight(b, 20);
  SetAlign(a, alTop);
  SetAlign(b, alTop);
  SetAlign(c, alClient);
  f.form->MakeWindow();
  EXPECT_EQ(GetBounds(a).top, 2);
  EXPECT_EQ(GetBounds(b).top, 24);
  RECT rc = GetBounds(c);
  EXPECT_EQ(rc.top, 46);
  EXPECT_EQ(rc.bottom, 98);
  EXPECT_EQ(rc.left, 2);
  EXPECT_EQ(rc.right, 198);
  SetVisible(b, false);
  EXPECT_EQ(GetBounds(c).top, 24) << "a hidden child takes no space";
  SetVisible(b, true);
  EXPECT_EQ(GetBounds(c).top, 46);
}

TEST(Align, AutoSizedLabelIsTextPlusExtra) {
  TScopedForm f;
  TControl* label = NewLabel(f.form, "(от 0 до 65535)");
  SetAutoSize(label, true);
  SIZE text = TextExtent(GetDrawContext(label), "(от 0 до 65535)", 15);
  EXPECT_EQ(GetWidth(label), text.cx + 1);
  EXPECT_EQ(GetHeight(label), text.cy + 1);
  SetText(label, "");
  EXPECT_EQ(GetWidth(label), 1);
  TControl* check = NewCheckBox(f.form, "");
  SetAutoSize(check, true);
  EXPECT_EQ(GetWidth(check), 24);
  EXPECT_EQ(GetHeight(check), 6);
}

class Navigation : public ::testing::Test {
 protected:
  void SetUp() override {
    form = NewForm(nullptr, "nav");
    EnableDialogKeys(form);
    AppMainWindow = form;
    LoopRunning = true;
    tabs = NewTabControl(form, "p0\0p1\0");
    SetBounds(tabs, {0, 0, 300, 200});
    edit = NewEdit(GetPage(tabs, 0), 0);
    hidden = NewButton(GetPage(tabs, 1), "hidden");
    ok = NewButton(form, "ok");
    cancel = NewButton(form, "cancel");
    SetButtonKey(ok, VK_RETURN, true);
    SetButtonKey(cancel, VK_ESCAPE, true);
    ok->fOnClick.code = [](void*, TControl*) { ++okClicks; };
    cancel->fOnClick.code = [](void*, TControl*) { ++cancelClicks; };
    okClicks = cancelClicks = 0;
    form->MakeWindow();
    SetForegroundWindow(form->fHandle);
    // The X server maps the window a moment later; real keys go to it only then.
    for (int i = 0; i < 200 && GetForegroundWindow() != form->fHandle; ++i, Sleep(10)) Pump();
    SetFocused(tabs, true);
    Pump();
  }
  void TearDown() override {
    LoopRunning = false;
    AppMainWindow = nullptr;
    Release(form);
  }
  void Key(TControl* at, WPARAM vk) {
    SendMessageA(at->fHandle, WM_KEYDOWN, vk, 1);
    SendMessageA(at->fHandle, WM_KEYUP, vk, 0xC0000001);
    Pump();
  }
  // Real key strokes through the input queue and the message loop, to the focused window.
  void Type(std::initializer_list<WORD> keys, bool release = true) {
    for (WORD vk : keys) Input(vk, false);
    if (release)
      for (auto it = keys.end(); it != keys.begin();) Input(*--it, true);
    PumpUntilIdle();
  }
  // Until the thread's queue is empty (each key stroke and what it caused handled), at most 2 s.
  static void PumpUntilIdle() {
    for (int i = 0; i < 400 && (Pump(), GetQueueStatus(QS_ALLINPUT) != 0); ++i) Sleep(5);
  }
  static void Input(WORD vk, bool up) {
    INPUT in = {};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = vk;
    in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    SendInput(1, &in, sizeof in);
  }
  TControl* Focused() { return form->fFocusedControl; }
  const char* Name(TControl* c) {
    return c == tabs     ? "tabs"
           : c == edit   ? "edit"
           : c == ok     ? "ok"
           : c == cancel ? "cancel"
           : c == hidden ? "hidden"
                         : "?";
  }
  TControl *form, *tabs, *edit, *hidden, *ok, *cancel;
  static int okClicks, cancelClicks;
};
int Navigation::okClicks, Navigation::cancelClicks;

TEST_F(Navigation, TabWrapsAndSkipsHiddenPages) {
  // Shown while it had the focus, the tab control passed it on into its page.
  EXPECT_STREQ(Name(Focused()), "edit");
  Key(edit, VK_TAB);
  EXPECT_STREQ(Name(Focused()), "ok") << "the hidden page's button is never reached";
  Key(ok, VK_TAB);
  EXPECT_STREQ(Name(Focused()), "cancel");
  Key(cancel, VK_TAB);
  EXPECT_STREQ(Name(Focused()), "tabs") << "wraps to the first stop";
  Key(tabs, VK_UP);
  EXPECT_STREQ(Name(Focused()), "cancel") << "backwards wraps to the last";
  Key(cancel, VK_LEFT);
  EXPECT_STREQ(Name(Focused()), "ok");
  SetFocused(edit, true);
  Key(edit, VK_LEFT);
  EXPECT_STREQ(Name(Focused()), "edit") << "Left and Right move the caret in an edit";
}

TEST_F(Navigation, PageChangeMovesFocusIntoThePage) {
  SetFocused(ok, true);
  SetCurIndex(tabs, 1);
  EXPECT_STREQ(Name(Focused()), "hidden");
  Key(hidden, VK_RETURN);
  EXPECT_EQ(okClicks, 0) << "Enter on a push button that is neither default nor cancel is its own";
}

TEST_F(Navigation, EnterAndEscape) {
  SetFocused(edit, true);
  Key(edit, VK_RETURN);
  EXPECT_EQ(okClicks, 1) << "Enter on an edit clicks the default button";
  SetFocused(cancel, true);
  Key(cancel, VK_RETURN);
  EXPECT_EQ(okClicks, 1) << "Enter on another push button is its own";
  SetFocused(edit, true);
  Key(edit, VK_ESCAPE);
  EXPECT_EQ(cancelClicks, 1);
  SetVisible(cancel, false);
  SetFocused(edit, true);
  Key(edit, VK_ESCAPE);
  EXPECT_EQ(cancelClicks, 1) << "a hidden cancel button does not answer";
}

TEST_F(Navigation, RealKeysThroughTheLoop) {
  ASSERT_EQ(GetForegroundWindow(), form->fHandle);
  SetFocused(edit, true);
  Type({VK_TAB});
  EXPECT_STREQ(Name(Focused()), "ok");
  EXPECT_EQ(GetFocus(), ok->fHandle) << "the real focus follows";
  Type({VK_SHIFT, VK_TAB});
  EXPECT_STREQ(Name(Focused()), "edit") << "Shift+Tab goes back";
  Input(VK_TAB, true);
  PumpUntilIdle();
  EXPECT_STREQ(Name(Focused()), "edit") << "releasing Tab moves nothing";
  Type({VK_RETURN});
  EXPECT_EQ(okClicks, 1) << "Enter on the edit clicks the default button";
  SetFocused(cancel, true);
  Type({VK_RETURN});
  EXPECT_EQ(okClicks, 1) << "the cancel button keeps Enter for itself";
  Type({VK_SPACE});
  EXPECT_EQ(cancelClicks, 1) << "Space clicks the focused button";
}

TEST_F(Navigation, FocusComesBackWhenTheWindowIsActivatedAgain) {
  SetFocused(ok, true);
  Pump();
  HWND other = CreateWindowExA(0, "STATIC", "other", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr,
                               nullptr, nullptr, nullptr);
  SetForegroundWindow(other);
  SetFocus(other);
  Pump();
  ASSERT_NE(GetFocus(), ok->fHandle);
  SetForegroundWindow(form->fHandle);
  SetActiveWindow(form->fHandle);
  // Windows' default processing of the activation gives the focus to the frame itself (Wine
  // keeps the old focus): the form must hand it on.
  SetFocus(form->fHandle);
  Pump();
  EXPECT_EQ(GetFocus(), ok->fHandle);
  EXPECT_STREQ(Name(Focused()), "ok");
  DestroyWindow(other);
}

TEST_F(Navigation, OpenComboListKeepsEscapeAndEnter) {
  TControl* list = NewComboBox(GetPage(tabs, 0), coDropDownList);
  TControl* typed = NewComboBox(GetPage(tabs, 0), 0);
  for (TControl* c : {list, typed}) {
    SetBounds(c, {10, 40, 110, 62});
    for (const char* item : {"a", "b", "c"}) AddItem(c, ProgramText(item));
  }
  for (TControl* c : {list, typed}) {
    SCOPED_TRACE(c == list ? "drop-down list" : "drop-down");
    for (WORD key : {VK_ESCAPE, VK_RETURN}) {
      SetCurIndex(c, 0);
      SetFocused(c, true);
      Pump();
      SendMessageA(c->fHandle, CB_SHOWDROPDOWN, TRUE, 0);
      Pump();
      ASSERT_TRUE(SendMessageA(c->fHandle, CB_GETDROPPEDSTATE, 0, 0));
      Type({VK_DOWN});
      Type({key});
      EXPECT_FALSE(SendMessageA(c->fHandle, CB_GETDROPPEDSTATE, 0, 0)) << "the list closed";
      EXPECT_EQ(cancelClicks + okClicks, 0) << "the window's buttons stay out of it";
      if (key == VK_ESCAPE) EXPECT_EQ(GetCurIndex(c), 0) << "Esc restores the selection";
      else EXPECT_EQ(GetCurIndex(c), 1) << "Enter keeps the new one";
    }
  }
  SetFocused(list, true);
  Type({VK_ESCAPE});
  EXPECT_EQ(cancelClicks, 1) << "with the list closed, Escape is the window's again";
}
