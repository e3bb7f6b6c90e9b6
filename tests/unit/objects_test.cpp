// Reference-counted objects, release lists, TPtrList, TText and TControl without a window.
#include <gtest/gtest.h>

#include <vector>

#include "support/test_support.h"
#include "wincontrols/controls/constructors.h"
#include "wincontrols/dispatch/dispatch.h"
#include "wincontrols/objects/control.h"

namespace {

std::vector<int> gDestroyed;

class TTracked : public TRefObject {
 public:
  int id = 0;
  void Destroy(bool freeMemory) override {
    gDestroyed.push_back(id);
    TRefObject::Destroy(freeMemory);
  }
};

TTracked* Tracked(int id) {
  TTracked* t = NewObject<TTracked>();
  t->id = id;
  return t;
}

}  // namespace

TEST(RefObject, LivesByItsReferenceCount) {
  gDestroyed.clear();
  TTracked* a = Tracked(1);
  AddRef(a);
  Release(a);
  EXPECT_TRUE(gDestroyed.empty()) << "AddRef then Release keeps it alive";
  Release(a);
  EXPECT_EQ(gDestroyed, std::vector<int>({1})) << "the last Release destroys it";
  Release(nullptr);
}

TEST(RefObject, ReleaseListGoesOldestFirstAndRemovesExactPairs) {
  gDestroyed.clear();
  TTracked* owner = Tracked(0);
  TTracked* a = Tracked(1);
  TTracked* b = Tracked(2);
  TTracked* c = Tracked(3);
  TTracked* d = Tracked(4);
  AddToReleaseList(owner, a);
  AddToReleaseList(owner, b);
  AddToReleaseList(owner, c);
  AddToReleaseList(owner, d);
  RemoveFromReleaseList(owner, d);
  EXPECT_EQ(owner->fReleaseList->Count(), 6);
  Release(owner);
  EXPECT_EQ(gDestroyed, std::vector<int>({0, 1, 2, 3}));
  gDestroyed.clear();
  TTracked* lone = Tracked(5);
  TTracked* other = Tracked(6);
  AddToReleaseList(lone, other);
  RemoveFromReleaseList(lone, other);
  EXPECT_EQ(lone->fReleaseList, nullptr) << "removing the last pair frees the list";
  Release(lone);
  Release(other);
}

TEST(PtrList, BoundsGrowthAndRanges) {
  TPtrList* list = NewList(4);
  for (intptr_t i = 0; i < 5; ++i) list->Add(reinterpret_cast<void*>(i + 1));
  EXPECT_EQ(list->fCapacity, 8);
  EXPECT_EQ(list->Get(-1), nullptr);
  EXPECT_EQ(list->Get(5), nullptr);
  list->DeleteRange(2, 10);
  ASSERT_EQ(list->Count(), 2);
  EXPECT_EQ(list->Get(1), reinterpret_cast<void*>(2));
  list->Insert(0, reinterpret_cast<void*>(9));
  EXPECT_EQ(list->IndexOf(reinterpret_cast<void*>(9)), 0);
  EXPECT_EQ(list->IndexOf(reinterpret_cast<void*>(7)), -1);
  list->Remove(reinterpret_cast<void*>(9));
  EXPECT_EQ(list->Get(0), reinterpret_cast<void*>(1));
  list->DeleteRange(0, 0);
  EXPECT_EQ(list->Count(), 2);
  Release(list);

  TPtrList* growing = NewList(0);  // a quarter of the size, at least one
  for (int i = 0; i < 20; ++i) growing->Add(nullptr);
  EXPECT_GE(growing->fCapacity, 20);
  EXPECT_LT(growing->fCapacity, 30);
  Release(growing);
}

TEST(Control, ChangeParentMovesBetweenBothLists) {
  TScopedForm a, b;
  TControl* child = NewLabel(a.form, "x");
  ChangeParent(child, a.form);
  EXPECT_EQ(a.form->fChildren->Count(), 1);
  ChangeParent(child, b.form);
  EXPECT_EQ(a.form->fChildren->Count(), 0);
  EXPECT_EQ(a.form->fReleaseList, nullptr) << "its only pair went with the child";
  EXPECT_EQ(b.form->fChildren->Get(0), child);
  EXPECT_GE(b.form->fReleaseList->IndexOf(child), 0);
}

TEST(Control, ParentReleasesChildrenBeforeItsWindowAndNothingLeaks) {
  int before = LiveObjectCount();
  TControl* form = NewForm(nullptr, "tree");
  TControl* group = NewGroupBox(form, "g");
  TControl* button = NewButton(group, "b");
  NewComboBox(group, 0);
  NewEdit(form, 0);
  GetHandle(button);
  HWND formWnd = form->fHandle;
  ASSERT_TRUE(IsWindow(formWnd));
  static bool formAliveAtChildDestroy;
  formAliveAtChildDestroy = false;
  button->fOnDestroy.code = [](void* data, TRefObject*) {
    formAliveAtChildDestroy = IsWindow(static_cast<HWND>(data)) != 0;
  };
  button->fOnDestroy.data = formWnd;
  Release(form);
  EXPECT_TRUE(formAliveAtChildDestroy);
  EXPECT_FALSE(IsWindow(formWnd));
  EXPECT_EQ(LiveObjectCount(), before);
}

TEST(Control, ParentFormAndHiding) {
  TScopedForm f;
  TControl* group = NewGroupBox(f.form, "g");
  TControl* label = NewLabel(group, "l");
  EXPECT_EQ(ParentForm(label), f.form);
  EXPECT_EQ(ParentForm(f.form), f.form);
  SetVisible(label, false);
  EXPECT_EQ(label->fStyle & WS_VISIBLE, 0u);
}

TEST(Text, BytesLengthsAndGrowth) {
  TText empty;
  EXPECT_STREQ(empty.c_str(), "") << "a text that never held anything still reads as empty";
  EXPECT_TRUE(empty.empty());
  TText nul("a\0b", 3);
  EXPECT_EQ(nul.size(), 3u) << "NUL bytes are content";
  EXPECT_NE(nul, TText("a"));
  EXPECT_EQ(nul.c_str()[3], '\0') << "always terminated";
  TText t("Громкость");
  t.resize(12);
  EXPECT_EQ(t.size(), 12u);
  EXPECT_EQ(t[9], '\0') << "new bytes are zero";
  t.resize(4);
  EXPECT_EQ(t, "Гром");
  // Appending a text to itself while it has to grow: the source moves with the storage.
  TText self("0123456789abcde");
  for (int i = 0; i < 6; ++i) self += self;
  EXPECT_EQ(self.size(), 15u * 64);
  EXPECT_EQ(self.substr(15 * 63), "0123456789abcde");
  EXPECT_EQ(self.substr(self.size() + 5), "") << "positions past the end give an empty text";
  EXPECT_EQ(TText("C:\\dir\\f.exe").rfind('\\'), 6u);
  EXPECT_EQ(TText("abc").rfind('x'), TText::npos);
  EXPECT_EQ(TText("mailto:x?subject").find("?s"), 8u);
  EXPECT_LT(TText("ab"), TText("abc"));
  EXPECT_LT(TText("z"), TText("\xC0")) << "bytes compare unsigned: Latin before Cyrillic";
  TText moved = std::move(self);
  EXPECT_EQ(moved.size(), 15u * 64);
  EXPECT_TRUE(self.empty());  // NOLINT: a moved-from text is empty and usable
  self = "again";
  EXPECT_EQ(self + '!', "again!");
  EXPECT_EQ(std::string(TText("x\0y", 3)), std::string("x\0y", 3));
}
