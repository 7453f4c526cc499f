#include "platform/services/string_list.h"

#include <algorithm>
#include <fstream>
#include <sstream>

#include "platform/services/replace_file.h"

void TStringList::Changed() {
  if (OnChange) OnChange(nullptr);
}

void TStringList::SetStrings(int index, const std::string& line) {
  lines_.at(index) = line;
  Changed();
}

int TStringList::Add(const std::string& line) {
  lines_.push_back(line);
  Changed();
  return Count() - 1;
}

void TStringList::Insert(int index, const std::string& line) {
  if (index < 0 || index > Count()) throw std::out_of_range("string list index out of range");
  lines_.insert(lines_.begin() + index, line);
  Changed();
}

void TStringList::Delete(int index) {
  if (index < 0 || index >= Count()) throw std::out_of_range("string list index out of range");
  lines_.erase(lines_.begin() + index);
  Changed();
}

void TStringList::Clear() {
  if (lines_.empty()) return;
  lines_.clear();
  Changed();
}

int TStringList::IndexOf(const std::string& line) const {
  const auto it = std::find(lines_.begin(), lines_.end(), line);
  return it == lines_.end() ? -1 : static_cast<int>(it - lines_.begin());
}

void TStringList::Assign(const TStringList& other) {
  lines_ = other.lines_;
  Changed();
}

std::string TStringList::Text() const {
  std::string text;
  for (const std::string& line : lines_) text += line + LineBreak;
  return text;
}

void TStringList::SetText(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < text.size()) {
    const size_t end = text.find_first_of("\r\n", start);
    if (end == std::string::npos) {
      lines.push_back(text.substr(start));
      break;
    }
    lines.push_back(text.substr(start, end - start));
    start = end + ((text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ? 2 : 1);
  }
  lines_.swap(lines);
  Changed();
}

bool TStringList::LoadFromFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return false;
  std::ostringstream content;
  content << file.rdbuf();
  if (file.bad()) return false;
  SetText(content.str());
  return true;
}

bool TStringList::SaveToFile(const std::string& path) const {
  return ReplaceFile(path, Text());
}
