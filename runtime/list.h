// TList: the growable array of the program-wide lists. It starts zero-filled and has no
// destructor, so a list at namespace scope needs no code to run before or after the program
// (which has none: app/main.cpp); clear() gives its memory back. Running out of memory is a
// fatal run-time error.
#pragma once
#include <cstddef>
#include <cstdlib>
#include <new>

#include "runtime_error.h"

template <class T>
class TList {
 public:
  TList() = default;
  TList(const TList&) = delete;
  TList& operator=(const TList&) = delete;

  size_t size() const { return fCount; }
  bool empty() const { return fCount == 0; }
  T& operator[](size_t i) { return fItems[i]; }
  const T& operator[](size_t i) const { return fItems[i]; }
  T& back() { return fItems[fCount - 1]; }
  T* begin() { return fItems; }
  T* end() { return fItems + fCount; }
  const T* begin() const { return fItems; }
  const T* end() const { return fItems + fCount; }

  void push_back(T&& item) {
    if (fCount == fCapacity) Grow();
    new (fItems + fCount) T(static_cast<T&&>(item));
    ++fCount;
  }
  void clear() {
    for (size_t i = 0; i < fCount; ++i) fItems[i].~T();
    free(fItems);
    fItems = nullptr;
    fCount = fCapacity = 0;
  }

 private:
  void Grow() {
    size_t capacity = fCapacity ? fCapacity * 2 : 8;
    if (capacity > static_cast<size_t>(-1) / 2 / sizeof(T)) RuntimeError(kErrOutOfMemory);
    T* items = static_cast<T*>(malloc(capacity * sizeof(T)));
    if (!items) RuntimeError(kErrOutOfMemory);
    for (size_t i = 0; i < fCount; ++i) {
      new (items + i) T(static_cast<T&&>(fItems[i]));
      fItems[i].~T();
    }
    free(fItems);
    fItems = items;
    fCapacity = capacity;
  }

  T* fItems;
  size_t fCount;
  size_t fCapacity;
};
