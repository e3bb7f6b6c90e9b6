// The constructors and the operations on controls, through the kind tables, on real windows.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "support/test_support.h"
#include "wincontrols/controls/constructors.h"
#include "wincontrols/controls/geometry.h"
#include "wincontrols/controls/operations.h"
#include "wincontrols/controls/tabpages.h"
#include "wincontrols/dispatch/dispatch.h"

namespace {
int gChanges = 0;
int gSelAtEvent = -2;
void OnSel(void*, TControl* c) {
  ++gChanges;
  gSelAtEvent = GetCurIndex(c);
}
}  // namespace

TEST(ComboOps, ItemsCurrentIndexAndData) {
  TScopedForm f;
  TControl* combo = NewComboBox(f.form, coDropDownList);
  EXPECT_EQ(AddItem(combo, ProgramText("a")), 0);
  EXPECT_EQ(GetCurIndex(combo), 0) << "the first item of an empty list becomes current";
  AddItem(combo, ProgramText("b"));
  AddItem(combo, ProgramText("c"));
  SetCurIndex(combo, 2);
  AddItem(combo, ProgramText("d"));
  EXPECT_EQ(GetCurIndex(combo), 2);
  SetItemData(combo, 2, 77);
  SetItemText(combo, 2, ProgramText("C"));
  EXPECT_EQ(GetItemText(combo, 2), "C");
  EXPECT_EQ(GetCurIndex(combo), 2);
  EXPECT_EQ(GetItemData(combo, 2), 77);
  SetItemText(combo, 4, ProgramText("e"));  // index = count appends
  EXPECT_EQ(ItemCount(combo), 5);
  EXPECT_EQ(GetItemText(combo, 4), "e");
  EXPECT_EQ(GetItemText(combo, 9), "");
  TControl* empty = NewComboBox(f.form, coDropDownList);
  SetCurIndex(empty, 0);
  EXPECT_EQ(GetCurIndex(empty), -1);
}

TEST(ComboOps, SelectionChangeFiresOnceAfterTheChange) {
  TScopedForm f;
  TControl* combo = NewComboBox(f.form, 0);
  combo->fOnSelChange.code = OnSel;
  AddItem(combo, ProgramText("a"));
  AddItem(combo, ProgramText("b"));
  gChanges = 0;
  SendMessageA(f.form->fHandle, WM_COMMAND, MAKEWPARAM(combo->fCtlId, CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(combo->fHandle));
  EXPECT_EQ(gChanges, 0) << "deferred";
  Perform(combo, CB_SETCURSEL, 1, 0);
  Pump();
  EXPECT_EQ(gChanges, 1);
  EXPECT_EQ(gSelAtEvent, 1);
  static int edits;
  edits = 0;
  combo->fOnChange.code = [](void*, TControl*) { ++edits; };
  SendMessageA(f.form->fHandle, WM_COMMAND, MAKEWPARAM(combo->fCtlId, CBN_EDITCHANGE),
               reinterpret_cast<LPARAM>(combo->fHandle));
  EXPECT_EQ(edits, 1) << "an edit change fires at once";
}

TEST(ComboOps, DropDownListHeight) {
  TScopedForm f;
  TControl* empty = NewComboBox(f.form, coDropDownList);
  SetSize(empty, 100, 22);
  f.form->MakeWindow();
  int h = GetHeight(empty);
  empty->fOnDropDownProc(empty);
  RECT r;
  SendMessageA(empty->fHandle, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&r));
  // Wine reports the list part only, without the field's own height.
  int dropped = r.bottom - r.top;
  EXPECT_TRUE(dropped == 2 * h + 2 || dropped == 2 * h + 2 - h) << dropped;
  TControl* full = NewComboBox(f.form, coDropDownList);
  for (int i = 0; i < 20; ++i) AddItem(full, ProgramText("x"));
  f.form->MakeWindow();
  int fh = GetHeight(full);
  full->fOnDropDownProc(full);
  SendMessageA(full->fHandle, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&r));
  dropped = r.bottom - r.top;
  EXPECT_TRUE(dropped == 9 * fh + 2 || dropped == 9 * fh + 2 - fh) << dropped;
}

TEST(Ops, TextCheckAndEnabled) {
  TScopedForm f;
  TControl* label = NewLabel(f.form, "first");
  SetText(label, "Общие");
  EXPECT_EQ(GetText(label), "Общие") << "no window yet: the stored text";
  EXPECT_EQ(label->fHandle, nullptr);
  TControl* check = NewCheckBox(f.form, "c");
  Perform(check, BM_SETCHECK, BST_INDETERMINATE, 0);
  EXPECT_TRUE(IsChecked(check));
  SetChecked(check, false);
  EXPECT_FALSE(IsChecked(check));
  TControl* edit = NewEdit(f.form, 0);
  EXPECT_TRUE(IsEnabled(edit));
  EXPECT_EQ(ItemCount(edit), 0) << "an edit has no items";
  // Every byte of the upper half goes to a window as its Windows-1251 letter and comes back,
  // also under another code page (the CTest entry texts_cp1252).
  if (const char* acp = getenv("VCONFIG_EXPECT_ACP")) {
    ASSERT_EQ(GetACP(), static_cast<UINT>(atoi(acp)));
  }
  TText upper;
  for (int b = 0x80; b <= 0xFF; ++b) upper += static_cast<char>(b);
  GetHandle(edit);
  SetText(edit, upper);
  wchar_t shown[130] = L"";
  GetWindowTextW(edit->fHandle, shown, 130);
  EXPECT_EQ(shown[0x40], L'А')
      << "0xC0 is shown as the Cyrillic A, whatever the system's code page";
  EXPECT_EQ(GetText(edit), upper);
  TControl* combo = NewComboBox(f.form, 0);
  AddItem(combo, ProgramText(upper));
  EXPECT_EQ(GetItemText(combo, 0), upper);
}

TEST(TabPages, SelectingShowsOnePageAndFiresOnce) {
  TScopedForm f;
  TControl* tabs = NewTabControl(f.form, "one\0two\0three\0");
  SetSize(tabs, 300, 200);
  f.form->MakeWindow();
  gChanges = 0;
  tabs->fOnSelChange.code = OnSel;
  EXPECT_TRUE(GetPage(tabs, 0)->fVisible);
  EXPECT_FALSE(GetPage(tabs, 1)->fVisible);
  SetCurIndex(tabs, 2);
  EXPECT_FALSE(GetPage(tabs, 0)->fVisible);
  EXPECT_TRUE(IsWindowVisible(GetPage(tabs, 2)->fHandle));
  EXPECT_EQ(gChanges, 1);
  SetCurIndex(tabs, 2);
  EXPECT_EQ(gChanges, 1) << "the same page again fires nothing";
  EXPECT_EQ(GetPage(tabs, 3), nullptr);
}
