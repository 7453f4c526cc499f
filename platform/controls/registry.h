#pragma once

#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

// The settings store of the control set: keys under a root, each holding
// named string, integer and binary values, as the platform's registry
// offers them. The store lives in memory for the whole run, shared by every
// TRegistry; UseRegistryFile ties it to a file, which is read at once and
// rewritten whenever a key with changes is closed (at every write when
// LazyWrite is off). Key and value names are compared without regard to
// case. The game itself keeps no settings here.

enum class TRootKey {
  HKEY_CLASSES_ROOT,
  HKEY_CURRENT_USER,
  HKEY_LOCAL_MACHINE,
  HKEY_USERS,
  HKEY_CURRENT_CONFIG
};

enum class TRegDataType { rdUnknown, rdString, rdInteger, rdBinary };

// A value read as a type it does not have, or read when it does not exist.
class ERegistryException : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The default file: "registry.txt" in the game's folder of the user's
// configuration folder ($XDG_CONFIG_HOME, else ~/.config).
std::filesystem::path DefaultRegistryFile();
// Backs the store with `file` (read now, if it exists); an empty path goes
// back to memory only. False when an existing file could not be read.
bool UseRegistryFile(const std::filesystem::path& file);
// Forgets every key; the file, if any, is left as it is.
void ClearRegistryStore();

class TRegistry {
 public:
  TRegistry() = default;
  ~TRegistry();
  TRegistry(const TRegistry&) = delete;
  TRegistry& operator=(const TRegistry&) = delete;

  TRootKey RootKey() const { return root_; }
  void SetRootKey(TRootKey root);
  bool LazyWrite = true;

  // Opens `key`, below the open key unless it starts with "\"; with
  // `can_create` a missing key is made. False when it does not exist.
  bool OpenKey(const std::string& key, bool can_create);
  bool OpenKeyReadOnly(const std::string& key) { return OpenKey(key, false); }
  void CloseKey();
  bool HasCurrentKey() const { return open_; }
  const std::string& CurrentPath() const { return path_; }

  bool KeyExists(const std::string& key) const;
  // Deletes a key with everything below it.
  bool DeleteKey(const std::string& key);
  std::vector<std::string> GetKeyNames() const;

  bool ValueExists(const std::string& name) const;
  bool DeleteValue(const std::string& name);
  void RenameValue(const std::string& old_name, const std::string& new_name);
  std::vector<std::string> GetValueNames() const;
  TRegDataType GetDataType(const std::string& name) const;

  // A missing string value reads as "".
  std::string ReadString(const std::string& name) const;
  void WriteString(const std::string& name, const std::string& value);
  int ReadInteger(const std::string& name) const;
  void WriteInteger(const std::string& name, int value);
  bool ReadBool(const std::string& name) const { return ReadInteger(name) != 0; }
  void WriteBool(const std::string& name, bool value) { WriteInteger(name, value ? 1 : 0); }
  std::vector<std::uint8_t> ReadBinaryData(const std::string& name) const;
  void WriteBinaryData(const std::string& name, const std::vector<std::uint8_t>& data);

 private:
  std::string FullPath(const std::string& key) const;
  void Written();

  TRootKey root_ = TRootKey::HKEY_CURRENT_USER;
  bool open_ = false;
  bool dirty_ = false;
  std::string path_;  // below the root, without a leading "\"
};
