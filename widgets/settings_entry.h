#pragma once
// One node of the settings store's tree: a key, which may hold further keys
// and values, or a named value of one of six types. A node owns its
// children: taking one out of the list frees it.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "widgets/pointer_list.h"

enum TKxIniValueType : std::uint8_t {
  ivtNone = 0,
  ivtBoolean = 1,
  ivtInteger = 2,
  ivtString = 3,
  ivtStrings = 4,  // several lines
  ivtBinary = 5,
  ivtIntPair = 6,
};

class TKxIniEntry {
 public:
  TKxIniEntry(TKxIniEntry* parent, std::string name, bool is_key);
  TKxIniEntry(const TKxIniEntry&) = delete;
  TKxIniEntry& operator=(const TKxIniEntry&) = delete;

  const std::string& Name() const { return name_; }
  void SetName(std::string name) { name_ = std::move(name); }
  bool IsKey() const { return is_key_; }
  void MakeKey() { is_key_ = true; }
  TKxIniEntry* Parent() const { return parent_; }

  int ChildCount() const { return children_.Count(); }
  TKxIniEntry* Child(int index) const { return static_cast<TKxIniEntry*>(children_[index]); }
  // The child of that name, trimmed and without regard to case, or nullptr.
  TKxIniEntry* FindChild(std::string_view name) const;
  TKxIniEntry* AddChild(std::string name, bool is_key);
  // Takes the child out of the tree and frees it.
  void RemoveChild(TKxIniEntry* child);
  void RemoveChildren() { children_.Clear(); }
  // The names below the root joined by `delimiter`; empty for the root.
  std::string PathBelowRoot(char delimiter) const;
  bool IsWithin(const TKxIniEntry* ancestor) const;

  TKxIniValueType Type() const { return type_; }
  // Frees what the value holds; the type becomes ivtNone.
  void ClearValue();
  // Clears the value and gives it a type with an empty value.
  void SetType(TKxIniValueType type);

  bool Bool() const { return bool_; }
  std::int32_t Integer() const { return first_; }
  const std::string& String() const { return text_; }
  const std::vector<std::string>& Strings() const { return lines_; }
  const std::vector<std::uint8_t>& Binary() const { return bytes_; }
  std::int32_t PairFirst() const { return first_; }
  std::int32_t PairSecond() const { return second_; }

  void SetBool(bool value);
  void SetInteger(std::int32_t value);
  void SetString(std::string value);
  void SetStrings(std::vector<std::string> lines);
  void AddString(std::string line);
  void SetBinary(std::vector<std::uint8_t> bytes);
  void SetIntPair(std::int32_t first, std::int32_t second);

  // The value as text in the form the text file writes it ("true", "12",
  // "3.4", the binary-as-text form); a list gives its lines joined by CR LF.
  std::string AsText() const;

 private:
  TKxList children_;
  bool is_key_;
  TKxIniEntry* parent_;
  TKxIniValueType type_ = ivtNone;
  bool bool_ = false;
  std::int32_t first_ = 0;   // an integer, or a pair's first half
  std::int32_t second_ = 0;  // a pair's second half
  std::string text_;
  std::vector<std::string> lines_;
  std::vector<std::uint8_t> bytes_;
  std::string name_;
};

// Case-blind comparison of names and paths (ASCII letters only).
bool SameText(std::string_view a, std::string_view b);
