// Reference-counted objects, their release lists, and TPtrList.
#include "refobject.h"

#include <cstdlib>
#include <cstring>

#include "../../runtime/runtime_error.h"

namespace {
int gLiveObjects = 0;
}

int LiveObjectCount() { return gLiveObjects; }

void* TRefObject::operator new(size_t size) {
  void* p = calloc(1, size);
  if (!p) RuntimeError(kErrOutOfMemory);
  ++gLiveObjects;
  return p;
}

void TRefObject::operator delete(void* p) {
  if (!p) return;
  --gLiveObjects;
  free(p);
}

void TRefObject::BaseDestroy() {
  if (fOnDestroy.IsSet()) {
    TMethodPtr<TDestroyProc> ev = fOnDestroy;
    fOnDestroy.Clear();
    ev.code(ev.data, this);
  }
  while (fReleaseList && fReleaseList->fCount > 0) {
    int32_t n = fReleaseList->fCount;
    auto proc = reinterpret_cast<TReleaseProc>(fReleaseList->fItems[n - 2]);
    void* arg = fReleaseList->fItems[n - 1];
    fReleaseList->DeleteRange(n - 2, 2);
    proc(arg);
  }
  TPtrList* list = fReleaseList;
  fReleaseList = nullptr;
  Release(list);
}

void TRefObject::Destroy(bool freeMemory) {
  BaseDestroy();
  if (freeMemory) delete this;
}

void AddRef(TRefObject* obj) {
  if (obj) obj->fRefCount += 2;
}

void Release(TRefObject* obj) {
  if (!obj) return;
  obj->fRefCount -= 2;
  if (obj->fRefCount < 0) obj->Destroy(true);
}

static void ReleaseProc(void* obj) { Release(static_cast<TRefObject*>(obj)); }

void AddToReleaseList(TRefObject* owner, TReleaseProc proc, void* arg) {
  if (!owner->fReleaseList) owner->fReleaseList = NewList(4);
  // At the front: destruction takes pairs from the back, so the oldest goes first.
  owner->fReleaseList->Insert(0, arg);
  owner->fReleaseList->Insert(0, reinterpret_cast<void*>(proc));
}

void AddToReleaseList(TRefObject* owner, TRefObject* obj) {
  AddToReleaseList(owner, ReleaseProc, obj);
}

void RemoveFromReleaseList(TRefObject* owner, void* obj) {
  TPtrList* list = owner->fReleaseList;
  if (!list) return;
  int32_t i = list->IndexOf(obj);
  if (i < 0) return;
  list->DeleteRange(i & ~1, 2);
  if (list->fCount == 0) {
    owner->fReleaseList = nullptr;
    Release(list);
  }
}

// ---- TPtrList

TPtrList* NewList(int32_t growBy) {
  TPtrList* list = NewObject<TPtrList>();
  list->fGrowBy = growBy;
  return list;
}

void TPtrList::Destroy(bool freeMemory) {
  Clear();
  TRefObject::Destroy(freeMemory);
}

void TPtrList::Grow() {
  int32_t step = fGrowBy > 0 ? fGrowBy : (fCount / 4 + 1 < 1000 ? fCount / 4 + 1 : 1000);
  SetCapacity(fCount + step);
}

void TPtrList::SetCapacity(int32_t n) {
  if (n < fCount) n = fCount;
  if (n == fCapacity) return;
  void** items = static_cast<void**>(realloc(fItems, sizeof(void*) * (n > 0 ? n : 1)));
  if (!items) RuntimeError(kErrOutOfMemory);
  fItems = items;
  fCapacity = n;
}

void TPtrList::Add(void* item) {
  if (fCount >= fCapacity) Grow();
  fItems[fCount++] = item;
}

void TPtrList::Insert(int32_t index, void* item) {
  if (index < 0) index = 0;
  if (index > fCount) index = fCount;
  Add(nullptr);
  memmove(fItems + index + 1, fItems + index, sizeof(void*) * (fCount - 1 - index));
  fItems[index] = item;
}

void TPtrList::Delete(int32_t index) { DeleteRange(index, 1); }

void TPtrList::DeleteRange(int32_t index, int32_t n) {
  if (n <= 0 || index < 0 || index >= fCount) return;
  if (n > fCount - index) n = fCount - index;
  memmove(fItems + index, fItems + index + n, sizeof(void*) * (fCount - index - n));
  fCount -= n;
}

void TPtrList::Remove(void* item) {
  int32_t i = IndexOf(item);
  if (i >= 0) Delete(i);
}

int32_t TPtrList::IndexOf(void* item) const {
  for (int32_t i = 0; i < fCount; ++i)
    if (fItems[i] == item) return i;
  return -1;
}

void* TPtrList::Get(int32_t index) const {
  return index >= 0 && index < fCount ? fItems[index] : nullptr;
}

void TPtrList::Clear() {
  free(fItems);
  fItems = nullptr;
  fCount = 0;
  fCapacity = 0;
}
