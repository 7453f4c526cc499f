// The settings store's text form: a warning comment, then the root's values,
// then for every key an empty line, "[path]" and its values as name=value
// lines. Lists are written one element a line as name[index]=element.
#include <charconv>
#include <istream>
#include <ostream>

#include "widgets/settings_store.h"
#include "widgets/string_utils.h"
#include "widgets/tools.h"

namespace {

bool IsDecimal(const std::string& text, std::int32_t& value) {
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc() && end == text.data() + text.size() && std::to_string(value) == text;
}

// A value's type is read from its text: "true" or "false", a pair "3.4", a
// decimal integer, binary data in its text form, or else a string kept as
// written, quotes and all.
void SetFromText(TKxIniEntry& entry, const std::string& text) {
  int first = 0;
  int second = 0;
  std::int32_t number = 0;
  std::vector<std::uint8_t> bytes;
  if (SameText(text, "TRUE") || SameText(text, "FALSE")) {
    entry.SetBool(SameText(text, "TRUE"));
  } else if (StrToIntPair(text, first, second) == 0 && IntPairToStr(first, second) == text) {
    entry.SetIntPair(first, second);
  } else if (IsDecimal(text, number)) {
    entry.SetInteger(number);
  } else if (text.starts_with("4B58") && HexStrToBinary(text, bytes)) {
    entry.SetBinary(std::move(bytes));
  } else {
    entry.SetString(text);
  }
}

}  // namespace

void TKxIniFile::ParseLine(const std::string& line, std::string& name, bool& has_div,
                           std::string& value) const {
  name.clear();
  value.clear();
  has_div = false;
  bool quoted = false;
  for (size_t i = 0; i < line.size(); ++i) {
    const char c = line[i];
    if (c == '"') {
      quoted = !quoted;
    } else if (!quoted) {
      if (!comment_.empty() && line.compare(i, comment_.size(), comment_) == 0) break;
      if (!has_div && c == div_char_) {
        has_div = true;
        continue;
      }
    }
    (has_div ? value : name) += c;
  }
}

bool TKxIniFile::LoadText(std::istream& stream) {
  skipping_section_ = false;
  std::string line;
  for (int number = 1; std::getline(stream, line); ++number) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    TakeTextLine(line, number);
  }
  return !stream.bad();
}

void TKxIniFile::TakeTextLine(const std::string& line, int number) {
  if (line.empty() || (!comment_.empty() && line.starts_with(comment_))) return;
  if (line.front() == '[') {
    const auto close = line.find(']');
    const std::string section =
        close == std::string::npos ? line.substr(1) : line.substr(1, close - 1);
    skipping_section_ = !OpenKey(RootPath() + section, true);
    return;
  }
  if (skipping_section_) return;
  std::string name;
  std::string text;
  bool has_div = false;
  ParseLine(line, name, has_div, text);
  // A line that is not name=value survives as it stands.
  if (!has_div) {
    name = "#" + std::to_string(number);
    text = line;
  }
  const auto open = name.rfind('[');
  const bool list_element = !name.empty() && name.back() == ']' && open != std::string::npos;
  if (list_element) name.erase(open);
  if (name.empty()) return;
  TKxIniEntry* entry = ValueNode(name, true);
  if (!entry) return;
  if (!list_element) {
    SetFromText(*entry, text);
  } else {
    // Elements join the list in file order, whatever their numbers say.
    entry->AddString(text);
  }
}

void TKxIniFile::SaveText(std::ostream& stream) const {
  if (!warning_message_.empty()) WriteTextLn(stream, comment_ + warning_message_);
  SaveTextKey(stream, *root_);
}

void TKxIniFile::SaveTextKey(std::ostream& stream, const TKxIniEntry& key) const {
  if (key.Parent()) {
    WriteTextLn(stream, "");
    WriteTextLn(stream, "[" + key.PathBelowRoot(delimiter_) + "]");
  }
  for (int i = 0; i < key.ChildCount(); ++i) {
    const TKxIniEntry& value = *key.Child(i);
    if (value.IsKey() || value.Type() == ivtNone) continue;
    if (value.Type() == ivtStrings) {
      for (size_t n = 0; n < value.Strings().size(); ++n) {
        WriteTextLn(stream,
                    value.Name() + "[" + std::to_string(n) + "]" + div_char_ + value.Strings()[n]);
      }
    } else if (value.Name().starts_with('#')) {
      WriteTextLn(stream, value.AsText());
    } else {
      WriteTextLn(stream, value.Name() + div_char_ + value.AsText());
    }
  }
  for (int i = 0; i < key.ChildCount(); ++i) {
    if (key.Child(i)->IsKey()) SaveTextKey(stream, *key.Child(i));
  }
}
