#include "widgets/settings_entry.h"

#include "platform/text/letter_case.h"
#include "widgets/string_utils.h"
#include "widgets/tools.h"

bool SameText(std::string_view a, std::string_view b) {
  return EqualIgnoringCase(a, b);
}

TKxIniEntry::TKxIniEntry(TKxIniEntry* parent, std::string name, bool is_key)
    : is_key_(is_key), parent_(parent), name_(std::move(name)) {
  children_.FreeItemsAs<TKxIniEntry>();
}

TKxIniEntry* TKxIniEntry::FindChild(std::string_view name) const {
  const std::string_view wanted = Trim(name);
  for (int i = 0; i < ChildCount(); ++i) {
    if (SameText(Trim(Child(i)->Name()), wanted)) return Child(i);
  }
  return nullptr;
}

TKxIniEntry* TKxIniEntry::AddChild(std::string name, bool is_key) {
  auto* child = new TKxIniEntry(this, std::move(name), is_key);
  children_.Add(child);
  return child;
}

void TKxIniEntry::RemoveChild(TKxIniEntry* child) {
  const int index = children_.IndexOf(child);
  if (index >= 0) children_.Delete(index);
}

std::string TKxIniEntry::PathBelowRoot(char delimiter) const {
  if (!parent_) return {};
  const std::string above = parent_->PathBelowRoot(delimiter);
  return above.empty() ? name_ : above + delimiter + name_;
}

bool TKxIniEntry::IsWithin(const TKxIniEntry* ancestor) const {
  for (const TKxIniEntry* node = this; node; node = node->parent_) {
    if (node == ancestor) return true;
  }
  return false;
}

void TKxIniEntry::ClearValue() {
  type_ = ivtNone;
  bool_ = false;
  first_ = second_ = 0;
  text_.clear();
  lines_.clear();
  bytes_.clear();
}

void TKxIniEntry::SetType(TKxIniValueType type) {
  ClearValue();
  type_ = type;
}

void TKxIniEntry::SetBool(bool value) {
  SetType(ivtBoolean);
  bool_ = value;
}

void TKxIniEntry::SetInteger(std::int32_t value) {
  SetType(ivtInteger);
  first_ = value;
}

void TKxIniEntry::SetString(std::string value) {
  SetType(ivtString);
  text_ = std::move(value);
}

void TKxIniEntry::SetStrings(std::vector<std::string> lines) {
  SetType(ivtStrings);
  lines_ = std::move(lines);
}

void TKxIniEntry::AddString(std::string line) {
  if (type_ != ivtStrings) SetType(ivtStrings);
  lines_.push_back(std::move(line));
}

void TKxIniEntry::SetBinary(std::vector<std::uint8_t> bytes) {
  SetType(ivtBinary);
  bytes_ = std::move(bytes);
}

void TKxIniEntry::SetIntPair(std::int32_t first, std::int32_t second) {
  SetType(ivtIntPair);
  first_ = first;
  second_ = second;
}

std::string TKxIniEntry::AsText() const {
  switch (type_) {
    case ivtBoolean:
      return bool_ ? "true" : "false";
    case ivtInteger:
      return std::to_string(first_);
    case ivtString:
      return text_;
    case ivtStrings: {
      std::string text;
      for (const std::string& line : lines_) text += line + "\r\n";
      return text;
    }
    case ivtBinary:
      return BinaryToHexStr(bytes_);
    case ivtIntPair:
      return IntPairToStr(first_, second_);
    case ivtNone:
      break;
  }
  return {};
}
