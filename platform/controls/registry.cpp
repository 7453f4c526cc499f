#include "platform/controls/registry.h"

#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <system_error>

#include "platform/services/replace_file.h"
#include "platform/text/letter_case.h"

namespace fs = std::filesystem;

namespace {

struct TStoredValue {
  std::string name;  // as first written
  TRegDataType type = TRegDataType::rdUnknown;
  std::string text;  // the string, the decimal integer or the bytes in hex
};

struct TStoredKey {
  std::string path;                            // as first written, root included
  std::map<std::string, TStoredValue> values;  // by lower-case name
};

std::map<std::string, TStoredKey>& Keys() {  // by lower-case full path
  static std::map<std::string, TStoredKey> keys;
  return keys;
}

fs::path& StoreFile() {
  static fs::path file;
  return file;
}

const char* RootName(TRootKey root) {
  switch (root) {
    case TRootKey::HKEY_CLASSES_ROOT:
      return "HKEY_CLASSES_ROOT";
    case TRootKey::HKEY_LOCAL_MACHINE:
      return "HKEY_LOCAL_MACHINE";
    case TRootKey::HKEY_USERS:
      return "HKEY_USERS";
    case TRootKey::HKEY_CURRENT_CONFIG:
      return "HKEY_CURRENT_CONFIG";
    case TRootKey::HKEY_CURRENT_USER:
      break;
  }
  return "HKEY_CURRENT_USER";
}

// Paths are kept without empty parts: "\A\\B\" is "A\B".
std::string Normalised(const std::string& path) {
  std::string result;
  std::stringstream parts(path);
  for (std::string part; std::getline(parts, part, '\\');) {
    if (part.empty()) continue;
    if (!result.empty()) result += '\\';
    result += part;
  }
  return result;
}

bool IsBelow(const std::string& lower_path, const std::string& lower_parent) {
  return lower_path.size() > lower_parent.size() + 1 &&
         lower_path.compare(0, lower_parent.size(), lower_parent) == 0 &&
         lower_path[lower_parent.size()] == '\\';
}

char TypeLetter(TRegDataType type) {
  switch (type) {
    case TRegDataType::rdString:
      return 's';
    case TRegDataType::rdInteger:
      return 'i';
    case TRegDataType::rdBinary:
      return 'b';
    case TRegDataType::rdUnknown:
      break;
  }
  return '?';
}

TRegDataType TypeOfLetter(char letter) {
  switch (letter) {
    case 's':
      return TRegDataType::rdString;
    case 'i':
      return TRegDataType::rdInteger;
    case 'b':
      return TRegDataType::rdBinary;
    default:
      return TRegDataType::rdUnknown;
  }
}

// Line ends and backslashes in a stored text are escaped, so that every
// value stays on its own line of the file.
std::string Escaped(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c == '\\') {
      out += "\\\\";
    } else if (c == '\n') {
      out += "\\n";
    } else if (c == '\r') {
      out += "\\r";
    } else {
      out += c;
    }
  }
  return out;
}

std::string Unescaped(const std::string& text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\\' || i + 1 == text.size()) {
      out += text[i];
      continue;
    }
    const char next = text[++i];
    out += next == 'n' ? '\n' : next == 'r' ? '\r' : next;
  }
  return out;
}

// A failed write leaves the old settings whole.
void SaveStore() {
  const fs::path& file = StoreFile();
  if (file.empty()) return;
  std::error_code error;
  fs::create_directories(file.parent_path(), error);
  std::ostringstream out;
  for (const auto& [lower, key] : Keys()) {
    out << '[' << Escaped(key.path) << "]\n";
    for (const auto& [lower_name, value] : key.values) {
      out << TypeLetter(value.type) << ':' << Escaped(value.name) << '=' << Escaped(value.text)
          << '\n';
    }
  }
  ReplaceFile(file, out.str());
}

bool LoadStore(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) return false;
  TStoredKey* key = nullptr;
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.size() > 2 && line.front() == '[' && line.back() == ']') {
      const std::string path = Unescaped(line.substr(1, line.size() - 2));
      key = &Keys()[LowerCase(path)];
      key->path = path;
      continue;
    }
    const size_t equals = line.find('=');
    const TRegDataType type = line.size() > 2 ? TypeOfLetter(line[0]) : TRegDataType::rdUnknown;
    if (!key || type == TRegDataType::rdUnknown || line[1] != ':' || equals == std::string::npos) {
      continue;
    }
    const std::string name = Unescaped(line.substr(2, equals - 2));
    key->values[LowerCase(name)] = {name, type, Unescaped(line.substr(equals + 1))};
  }
  return true;
}

TStoredKey* FindKey(const std::string& full_path) {
  auto it = Keys().find(LowerCase(full_path));
  return it == Keys().end() ? nullptr : &it->second;
}

std::string HexOf(const std::vector<std::uint8_t>& data) {
  static const char kDigits[] = "0123456789ABCDEF";
  std::string hex;
  for (std::uint8_t byte : data) {
    hex += kDigits[byte >> 4];
    hex += kDigits[byte & 15];
  }
  return hex;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// A settings file edited by hand may hold anything: a value that is not whole
// hexadecimal bytes is the registry's own error, not a crash.
std::vector<std::uint8_t> BytesOf(const std::string& name, const std::string& hex) {
  std::vector<std::uint8_t> data;
  for (size_t i = 0; i < hex.size(); i += 2) {
    const int high = HexDigit(hex[i]);
    const int low = i + 1 < hex.size() ? HexDigit(hex[i + 1]) : -1;
    if (high < 0 || low < 0) throw ERegistryException("Invalid binary data for '" + name + "'");
    data.push_back(static_cast<std::uint8_t>(16 * high + low));
  }
  return data;
}

const TStoredValue& ValueOfType(const TStoredKey* key, const std::string& name, TRegDataType type) {
  if (key) {
    auto it = key->values.find(LowerCase(name));
    if (it != key->values.end() && it->second.type == type) return it->second;
  }
  throw ERegistryException("Invalid data type for '" + name + "'");
}

void Store(TStoredKey* key, const std::string& name, TRegDataType type, const std::string& text) {
  if (!key) throw ERegistryException("No key is open to write '" + name + "'");
  TStoredValue& value = key->values[LowerCase(name)];
  if (value.name.empty()) value.name = name;
  value.type = type;
  value.text = text;
}

// A stored key's full path: the root's name, then the path below it.
std::string PathUnder(TRootKey root, const std::string& below) {
  return std::string(RootName(root)) + (below.empty() ? "" : "\\" + below);
}

// The stored key a registry has open, or nullptr.
TStoredKey* OpenedKey(const TRegistry& registry) {
  if (!registry.HasCurrentKey()) return nullptr;
  return FindKey(PathUnder(registry.RootKey(), registry.CurrentPath()));
}

}  // namespace

fs::path DefaultRegistryFile() {
  const char* config = std::getenv("XDG_CONFIG_HOME");
  const char* home = std::getenv("HOME");
  fs::path folder = config && *config ? fs::path(config) : fs::path(home ? home : ".") / ".config";
  return folder / "graymarch" / "registry.txt";
}

bool UseRegistryFile(const fs::path& file) {
  StoreFile() = file;
  std::error_code error;
  if (file.empty() || !fs::exists(file, error)) return true;
  return LoadStore(file);
}

void ClearRegistryStore() {
  Keys().clear();
}

TRegistry::~TRegistry() {
  CloseKey();
}

void TRegistry::SetRootKey(TRootKey root) {
  if (root == root_) return;
  CloseKey();
  root_ = root;
}

std::string TRegistry::FullPath(const std::string& key) const {
  const bool absolute = !key.empty() && key.front() == '\\';
  const std::string below = absolute || !open_ ? key : path_ + '\\' + key;
  return PathUnder(root_, Normalised(below));
}

bool TRegistry::OpenKey(const std::string& key, bool can_create) {
  const std::string full = FullPath(key);
  if (!FindKey(full)) {
    if (!can_create) return false;
    // Every key on the way down is made too.
    for (size_t end = full.find('\\');; end = full.find('\\', end + 1)) {
      const std::string path = full.substr(0, end);
      if (!FindKey(path)) Keys()[LowerCase(path)].path = path;
      if (end == std::string::npos) break;
    }
    dirty_ = true;
  }
  CloseKey();
  open_ = true;
  const size_t root_length = std::string(RootName(root_)).size();
  path_ = full.size() > root_length ? full.substr(root_length + 1) : std::string();
  return true;
}

void TRegistry::CloseKey() {
  if (dirty_) SaveStore();
  dirty_ = false;
  open_ = false;
  path_.clear();
}

void TRegistry::Written() {
  dirty_ = true;
  if (!LazyWrite) {
    SaveStore();
    dirty_ = false;
  }
}

bool TRegistry::KeyExists(const std::string& key) const {
  return FindKey(FullPath(key));
}

bool TRegistry::DeleteKey(const std::string& key) {
  const std::string lower = LowerCase(FullPath(key));
  if (!Keys().count(lower)) return false;
  std::erase_if(Keys(), [&](const auto& entry) {
    return entry.first == lower || IsBelow(entry.first, lower);
  });
  Written();
  return true;
}

std::vector<std::string> TRegistry::GetKeyNames() const {
  const std::string parent = LowerCase(FullPath(""));
  std::vector<std::string> names;
  for (const auto& [lower, key] : Keys()) {
    if (!IsBelow(lower, parent) || lower.find('\\', parent.size() + 1) != std::string::npos)
      continue;
    names.push_back(key.path.substr(parent.size() + 1));
  }
  return names;
}

bool TRegistry::ValueExists(const std::string& name) const {
  return GetDataType(name) != TRegDataType::rdUnknown;
}

TRegDataType TRegistry::GetDataType(const std::string& name) const {
  const TStoredKey* key = OpenedKey(*this);
  if (!key) return TRegDataType::rdUnknown;
  auto it = key->values.find(LowerCase(name));
  return it == key->values.end() ? TRegDataType::rdUnknown : it->second.type;
}

bool TRegistry::DeleteValue(const std::string& name) {
  TStoredKey* key = OpenedKey(*this);
  if (!key || key->values.erase(LowerCase(name)) == 0) return false;
  Written();
  return true;
}

void TRegistry::RenameValue(const std::string& old_name, const std::string& new_name) {
  TStoredKey* key = OpenedKey(*this);
  if (!key || !key->values.count(LowerCase(old_name)) || key->values.count(LowerCase(new_name)))
    return;
  TStoredValue value = key->values[LowerCase(old_name)];
  key->values.erase(LowerCase(old_name));
  value.name = new_name;
  key->values[LowerCase(new_name)] = value;
  Written();
}

std::vector<std::string> TRegistry::GetValueNames() const {
  std::vector<std::string> names;
  if (const TStoredKey* key = OpenedKey(*this)) {
    for (const auto& [lower, value] : key->values) names.push_back(value.name);
  }
  return names;
}

std::string TRegistry::ReadString(const std::string& name) const {
  if (!ValueExists(name)) return {};
  return ValueOfType(OpenedKey(*this), name, TRegDataType::rdString).text;
}

int TRegistry::ReadInteger(const std::string& name) const {
  const TStoredValue& value = ValueOfType(OpenedKey(*this), name, TRegDataType::rdInteger);
  return static_cast<int>(std::strtol(value.text.c_str(), nullptr, 10));
}

std::vector<std::uint8_t> TRegistry::ReadBinaryData(const std::string& name) const {
  return BytesOf(name, ValueOfType(OpenedKey(*this), name, TRegDataType::rdBinary).text);
}

void TRegistry::WriteString(const std::string& name, const std::string& value) {
  Store(OpenedKey(*this), name, TRegDataType::rdString, value);
  Written();
}

void TRegistry::WriteInteger(const std::string& name, int value) {
  Store(OpenedKey(*this), name, TRegDataType::rdInteger, std::to_string(value));
  Written();
}

void TRegistry::WriteBinaryData(const std::string& name, const std::vector<std::uint8_t>& data) {
  Store(OpenedKey(*this), name, TRegDataType::rdBinary, HexOf(data));
  Written();
}
