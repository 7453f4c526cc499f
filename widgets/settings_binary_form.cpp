// The settings store's binary form: for every key a key record (byte 1 and
// its path), then a value record for each of its values (byte 0, the name,
// the type byte, the data size and the data), then its sub-keys. Integers
// are 32-bit little-endian; a string is its length and its characters.
//
// A file is untrusted: every length is checked against the record it sits
// in and against what the file still holds, and a damaged file is refused.
#include <istream>
#include <ostream>
#include <string_view>

#include "widgets/settings_store.h"
#include "widgets/tools.h"

namespace {

constexpr char kKeyRecord = 1;
constexpr char kValueRecord = 0;

void WriteByte(std::ostream& stream, std::uint8_t byte) {
  stream.put(static_cast<char>(byte));
}

bool ReadByte(std::istream& stream, std::uint8_t& byte) {
  char c = 0;
  if (!stream.get(c)) return false;
  byte = static_cast<std::uint8_t>(c);
  return true;
}

std::int32_t StoredSize(std::string_view text) {
  return static_cast<std::int32_t>(text.size()) + 4;
}

std::int32_t DataSize(const TKxIniEntry& value) {
  switch (value.Type()) {
    case ivtBoolean:
      return 1;
    case ivtInteger:
      return 4;
    case ivtString:
      return StoredSize(value.String());
    case ivtStrings: {
      std::int32_t size = 0;
      for (const std::string& line : value.Strings()) size += StoredSize(line);
      return size;
    }
    case ivtBinary:
      return static_cast<std::int32_t>(value.Binary().size()) + 4;
    case ivtIntPair:
      return 8;
    case ivtNone:
      break;
  }
  return 0;
}

void WriteData(std::ostream& stream, const TKxIniEntry& value) {
  switch (value.Type()) {
    case ivtBoolean:
      WriteByte(stream, value.Bool() ? 1 : 0);
      break;
    case ivtInteger:
      WriteInt32ToStream(stream, value.Integer());
      break;
    case ivtString:
      WriteStringToStream(stream, value.String());
      break;
    case ivtStrings:
      for (const std::string& line : value.Strings()) WriteStringToStream(stream, line);
      break;
    case ivtBinary: {
      const auto& bytes = value.Binary();
      WriteStringToStream(
          stream, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
      break;
    }
    case ivtIntPair:
      WriteInt32ToStream(stream, value.PairFirst());
      WriteInt32ToStream(stream, value.PairSecond());
      break;
    case ivtNone:
      break;
  }
}

// Reads one counted string that must fill exactly `size` bytes of a record.
bool ReadSizedString(std::istream& stream, std::int32_t size, std::string& text) {
  return ReadStringFromStream(stream, text) && StoredSize(text) == size;
}

bool ReadData(std::istream& stream, TKxIniEntry& value, std::uint8_t type, std::int32_t size) {
  std::string text;
  std::int32_t first = 0;
  std::int32_t second = 0;
  switch (type) {
    case ivtBoolean: {
      std::uint8_t flag = 0;
      if (size != 1 || !ReadByte(stream, flag)) return false;
      value.SetBool(flag != 0);
      return true;
    }
    case ivtInteger:
      if (size != 4 || !ReadInt32FromStream(stream, first)) return false;
      value.SetInteger(first);
      return true;
    case ivtString:
      if (!ReadSizedString(stream, size, text)) return false;
      value.SetString(std::move(text));
      return true;
    case ivtStrings: {
      std::vector<std::string> lines;
      for (std::int32_t left = size; left > 0; left -= StoredSize(lines.back())) {
        if (!ReadStringFromStream(stream, text) || StoredSize(text) > left) return false;
        lines.push_back(std::move(text));
      }
      value.SetStrings(std::move(lines));
      return true;
    }
    case ivtBinary:
      if (!ReadSizedString(stream, size, text)) return false;
      value.SetBinary(std::vector<std::uint8_t>(text.begin(), text.end()));
      return true;
    case ivtIntPair:
      if (size != 8 || !ReadInt32FromStream(stream, first) || !ReadInt32FromStream(stream, second))
        return false;
      value.SetIntPair(first, second);
      return true;
    default:
      return false;
  }
}

}  // namespace

void TKxIniFile::SaveBinaryKey(std::ostream& stream, const TKxIniEntry& key) const {
  WriteByte(stream, kKeyRecord);
  WriteStringToStream(stream, key.PathBelowRoot(delimiter_));
  for (int i = 0; i < key.ChildCount(); ++i) {
    const TKxIniEntry& value = *key.Child(i);
    if (value.IsKey() || value.Type() == ivtNone) continue;
    WriteByte(stream, kValueRecord);
    WriteStringToStream(stream, value.Name());
    WriteByte(stream, value.Type());
    WriteInt32ToStream(stream, DataSize(value));
    WriteData(stream, value);
  }
  for (int i = 0; i < key.ChildCount(); ++i) {
    if (key.Child(i)->IsKey()) SaveBinaryKey(stream, *key.Child(i));
  }
}

bool TKxIniFile::LoadBinary(std::istream& stream) {
  // Once a key cannot be opened, the values of every later record are
  // passed over rather than filed under the wrong key.
  bool skipping = false;
  for (;;) {
    std::uint8_t kind = 0;
    if (!ReadByte(stream, kind)) return stream.eof() && !stream.bad();
    std::string name;
    if (!ReadStringFromStream(stream, name)) return false;
    if (kind == kKeyRecord) {
      if (!name.starts_with(delimiter_)) name.insert(name.begin(), delimiter_);
      skipping = skipping || !OpenKey(name, true);
      continue;
    }
    std::uint8_t type = 0;
    std::int32_t size = 0;
    if (kind != kValueRecord || !ReadByte(stream, type) || !ReadInt32FromStream(stream, size))
      return false;
    if (size < 0 || size > BytesLeft(stream)) return false;
    TKxIniEntry* value = skipping || type == ivtNone ? nullptr : ValueNode(name, true);
    if (!value) {
      stream.seekg(size, std::ios::cur);
    } else if (!ReadData(stream, *value, type, size)) {
      return false;
    }
  }
}
