#include "widgets/pointer_list.h"

#include <algorithm>
#include <string>

EKxListError::EKxListError(long long value)
    : std::out_of_range("List index [" + std::to_string(value) + "] out of bounds...") {}

TKxList::~TKxList() {
  Clear();
}

void TKxList::CheckIndex(int index, int last) const {
  if (index < 0 || index > last) throw EKxListError(index);
}

void TKxList::FreeItem(void* item) const {
  if (auto_clear_objects_ && free_item_ && item) free_item_(item);
}

void TKxList::SetCapacity(int capacity) {
  if (capacity < count_ || capacity >= kMaxCapacity) throw EKxListError(capacity);
  if (capacity != Capacity()) items_.resize(static_cast<size_t>(capacity));
}

void TKxList::SetCount(int count) {
  if (count < 0 || count >= kMaxCapacity) throw EKxListError(count);
  if (count > Capacity()) SetCapacity(count);
  std::fill(items_.begin() + count_, items_.begin() + std::max(count, count_), nullptr);
  count_ = count;
}

void TKxList::Grow() {
  SetCapacity(Capacity() + kGrowStep);
}

// Gives back one step of slots when more than a step stands empty.
void TKxList::ShrinkStep() {
  if (Capacity() - kGrowStep > count_) items_.resize(items_.size() - kGrowStep);
}

int TKxList::Add(void* item) {
  if (count_ == Capacity()) Grow();
  items_[count_] = item;
  return count_++;
}

void TKxList::Insert(int index, void* item) {
  CheckIndex(index, count_);
  if (count_ == Capacity()) Grow();
  std::copy_backward(items_.begin() + index, items_.begin() + count_, items_.begin() + count_ + 1);
  items_[index] = item;
  ++count_;
}

void* TKxList::Get(int index) const {
  CheckIndex(index, count_ - 1);
  return items_[index];
}

void TKxList::Put(int index, void* item) {
  CheckIndex(index, count_ - 1);
  if (items_[index] && OnDelete) OnDelete(this, items_[index]);
  items_[index] = item;
}

void TKxList::Delete(int index) {
  CheckIndex(index, count_ - 1);
  void* item = items_[index];
  TriggerDeleteEvent(item);
  FreeItem(item);
  std::copy(items_.begin() + index + 1, items_.begin() + count_, items_.begin() + index);
  --count_;
  ShrinkStep();
}

void TKxList::DeleteRange(int from, int to) {
  CheckIndex(from, count_ - 1);
  if (to < from || to > count_ - 1) throw EKxListError(to);
  for (int i = from; i <= to; ++i) TriggerDeleteEvent(items_[i]);
  std::copy(items_.begin() + to + 1, items_.begin() + count_, items_.begin() + from);
  count_ -= to - from + 1;
  ShrinkStep();
}

int TKxList::Remove(void* item) {
  const int index = IndexOf(item);
  if (index < 0) return -1;
  TriggerDeleteEvent(item);
  std::copy(items_.begin() + index + 1, items_.begin() + count_, items_.begin() + index);
  --count_;
  ShrinkStep();
  return index;
}

// Every OnDelete runs before any item is freed, so a handler may still look
// at the other items.
void TKxList::Clear() {
  for (int i = 0; i < count_; ++i) TriggerDeleteEvent(items_[i]);
  if (auto_clear_objects_) {
    for (int i = 0; i < count_; ++i) FreeItem(Get(i));
  }
  count_ = 0;
  items_.clear();
  items_.shrink_to_fit();
}

int TKxList::IndexOf(const void* item) const {
  const auto end = items_.begin() + count_;
  const auto at = std::find(items_.begin(), end, item);
  return at == end ? -1 : static_cast<int>(at - items_.begin());
}

void TKxList::Assign(const TKxList& source) {
  if (&source == this) return;
  Clear();
  auto_clear_objects_ = false;
  SetCapacity(source.Capacity());
  SetCount(source.Count());
  std::copy(source.items_.begin(), source.items_.begin() + source.count_, items_.begin());
}

void TKxList::TriggerDeleteEvent(void* item) {
  if (OnDelete) OnDelete(this, item);
}

void TKxStack::Grow() {
  const int capacity = Capacity();
  const int step = capacity > 64 ? capacity / 4 : (capacity > 8 ? 16 : 4);
  SetCapacity(capacity + step);
}

void TKxStack::SetCapacity(int capacity) {
  if (capacity < count_ || capacity >= kMaxCapacity) {
    throw EKxStackError("Invalid KxStack capacity.");
  }
  if (capacity != Capacity()) items_.resize(static_cast<size_t>(capacity));
}

void TKxStack::Push(void* item) {
  if (count_ == Capacity()) Grow();
  items_[count_++] = item;
}

void* TKxStack::Pop() {
  if (count_ == 0) throw EKxStackError("KxStack is empty.");
  void* item = items_[--count_];
  if (Capacity() / 2 > count_) SetCapacity(Capacity() / 2);
  return item;
}

void* TKxStack::Get(int index) const {
  if (index < 0 || index >= count_) throw EKxStackError("KxStack index out of range.");
  return items_[index];
}
