#pragma once
// Two containers of untyped pointers used throughout the control set.
//
// TKxList is an indexed list that grows and shrinks in steps of 256 slots,
// reports each item it lets go through OnDelete, and, when it owns its items,
// frees them on Delete and Clear. A call with an index, capacity or count out
// of range throws EKxListError and leaves the list as it was.
//
// TKxStack is a last-in, first-out stack of pointers that never owns them.
#include <functional>
#include <stdexcept>
#include <vector>

class EKxListError : public std::out_of_range {
 public:
  explicit EKxListError(long long value);
};

class TKxList {
 public:
  using TDeleteEvent = std::function<void(TKxList* sender, void* item)>;
  using TFreeItem = void (*)(void* item);

  static constexpr int kGrowStep = 256;
  static constexpr int kMaxCapacity = 134217728;

  TKxList() = default;
  virtual ~TKxList();
  TKxList(const TKxList&) = delete;
  TKxList& operator=(const TKxList&) = delete;

  // An owning list frees an item when Delete or Clear removes it, with the
  // routine given by FreeItemsAs.
  bool AutoClearObjects() const { return auto_clear_objects_; }
  void SetAutoClearObjects(bool owns) { auto_clear_objects_ = owns; }
  // Makes the list own its items, which are all of type T.
  template <class T>
  void FreeItemsAs() {
    free_item_ = [](void* item) { delete static_cast<T*>(item); };
    auto_clear_objects_ = true;
  }

  int Capacity() const { return static_cast<int>(items_.size()); }
  void SetCapacity(int capacity);
  int Count() const { return count_; }
  void SetCount(int count);

  int Add(void* item);
  void Insert(int index, void* item);
  virtual void* Get(int index) const;
  virtual void Put(int index, void* item);
  void* operator[](int index) const { return Get(index); }
  virtual void Delete(int index);
  virtual void DeleteRange(int from, int to);
  int Remove(void* item);
  virtual void Clear();
  int IndexOf(const void* item) const;
  void* Last() const { return count_ == 0 ? nullptr : items_[count_ - 1]; }
  virtual void Grow();

  // Copies the other list's pointers; the items are then shared, so this
  // list never owns them, whatever either list owned before.
  virtual void Assign(const TKxList& source);

  TDeleteEvent OnDelete;

 protected:
  virtual void TriggerDeleteEvent(void* item);

 private:
  void CheckIndex(int index, int last) const;
  void ShrinkStep();
  void FreeItem(void* item) const;

  bool auto_clear_objects_ = false;
  TFreeItem free_item_ = nullptr;
  int count_ = 0;
  std::vector<void*> items_;  // one per slot of the capacity
};

class EKxStackError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class TKxStack {
 public:
  static constexpr int kMaxCapacity = 134217728;

  void Push(void* item);
  // Throws EKxStackError "KxStack is empty." on an empty stack.
  void* Pop();
  // The item at `index`, 0 being the bottom; an index outside the stack
  // throws EKxStackError instead of reading past it.
  void* Get(int index) const;
  bool Empty() const { return count_ == 0; }
  int Count() const { return count_; }
  int Capacity() const { return static_cast<int>(items_.size()); }
  void SetCapacity(int capacity);

 private:
  void Grow();

  std::vector<void*> items_;
  int count_ = 0;
};
