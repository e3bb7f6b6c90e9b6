// Reference-counted base object of the window layer and its pointer list.
#pragma once
#include <cstddef>
#include <cstdint>

class TPtrList;
class TRefObject;

typedef void (*TReleaseProc)(void* obj);
typedef void (*TDestroyProc)(void* data, TRefObject* obj);

// An event slot: code plus the object the code is called for.
template <class Fn>
struct TMethodPtr {
  Fn code = nullptr;
  void* data = nullptr;
  bool IsSet() const { return code != nullptr; }
  void Clear() {
    code = nullptr;
    data = nullptr;
  }
};

class TRefObject {
 public:
  TRefObject() = default;
  TRefObject(const TRefObject&) = delete;
  TRefObject& operator=(const TRefObject&) = delete;
  virtual ~TRefObject() = default;

  // Zero-filled allocation; running out of memory is a fatal run-time error.
  static void* operator new(size_t size);
  static void operator delete(void* p);

  virtual void Init() {}
  // Destroys the object; frees its memory when freeMemory is set.
  virtual void Destroy(bool freeMemory);

  int32_t fRefCount;  // in steps of 2; 0 for a new object
  TMethodPtr<TDestroyProc> fOnDestroy;
  TPtrList* fReleaseList;

 protected:
  // Events and release list; memory is not touched.
  void BaseDestroy();
};

// Allocates the object and runs its Init.
template <class T>
T* NewObject() {
  T* obj = new T();
  obj->Init();
  return obj;
}

void AddRef(TRefObject* obj);
void Release(TRefObject* obj);
void AddToReleaseList(TRefObject* owner, TRefObject* obj);
void AddToReleaseList(TRefObject* owner, TReleaseProc proc, void* arg);
void RemoveFromReleaseList(TRefObject* owner, void* obj);

// Number of layer objects alive in the process (the tests' leak checks).
int LiveObjectCount();

class TPtrList : public TRefObject {
 public:
  void Destroy(bool freeMemory) override;

  void Add(void* item);
  void Insert(int32_t index, void* item);
  void Delete(int32_t index);
  void DeleteRange(int32_t index, int32_t n);
  void Remove(void* item);
  int32_t IndexOf(void* item) const;
  void* Get(int32_t index) const;
  void Clear();
  void SetCapacity(int32_t n);
  int32_t Count() const { return fCount; }

  void** fItems;
  int32_t fCount;
  int32_t fCapacity;
  int32_t fGrowBy;

 private:
  void Grow();
};

TPtrList* NewList(int32_t growBy = 4);
