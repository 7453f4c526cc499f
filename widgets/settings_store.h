#pragma once
// The control set's settings store: a tree of keys holding typed, named
// values, kept in memory and saved to a file in a text form (sections and
// name=value lines, with nested keys) or a binary form.
//
// In registry mode the tree plays no part: every operation goes to the
// registry below the root key and Path, and the operations that need the
// tree's own nodes throw EKxIniError.
//
// Paths name keys from the current key, or from the root when they begin
// with the delimiter ("\\Colours\\Dark"). In Simple mode the tree has one
// level: a whole path, delimiters included, is one section name.
#include <cstdint>
#include <iosfwd>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/components/component.h"
#include "platform/components/events.h"
#include "platform/controls/registry.h"
#include "widgets/settings_entry.h"

class EKxIniError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

enum TRegRootType : std::uint8_t {
  rrtUnknown = 0,
  rrtHKEY_CLASSES_ROOT = 1,
  rrtHKEY_CURRENT_USER = 2,
  rrtHKEY_LOCAL_MACHINE = 3,
  rrtHKEY_USERS = 4,
  rrtHKEY_CURRENT_CONFIG = 5,
};

class TKxIniFile : public TComponent {
 public:
  explicit TKxIniFile(TComponent* owner = nullptr);
  ~TKxIniFile() override;

  bool BinaryMode() const { return binary_mode_; }
  void SetBinaryMode(bool binary) { binary_mode_ = binary; }
  const std::string& Comment() const { return comment_; }
  void SetComment(const std::string& comment) { comment_ = comment; }
  char Delimiter() const { return delimiter_; }
  void SetDelimiter(char delimiter);
  char DivChar() const { return div_char_; }
  void SetDivChar(char div_char) { div_char_ = div_char; }
  // When false every change is written to the file at once; when true the
  // file is written by Save, or on destruction if anything changed.
  bool LazyWrite() const { return lazy_write_; }
  void SetLazyWrite(bool lazy);
  bool Modified() const { return modified_; }
  // The file name; in registry mode the key below the registry's root.
  const std::string& Path() const { return path_; }
  void SetPath(const std::string& path);
  TRegRootType RegRoot() const { return reg_root_; }
  void SetRegRoot(TRegRootType root);
  bool UseRegistry() const { return registry_ != nullptr; }
  void SetUseRegistry(bool use);
  bool Simple() const { return simple_; }
  void SetSimple(bool simple);
  // Written as a comment on the first line of a text file.
  const std::string& WarningMessage() const { return warning_message_; }
  void SetWarningMessage(const std::string& message) { warning_message_ = message; }

  TKxIniEntry* Root() const { return root_.get(); }
  TKxIniEntry* CurrentKey() const { return current_; }
  const std::string& CurrentPath() const { return current_path_; }

  // Replaces the tree by the file's. False when the file cannot be read or
  // is damaged; the tree is then left as it was.
  bool Load();
  // Writes the tree to the file, through a temporary file renamed over it,
  // so a failed save leaves the old file whole. False without a Path or when
  // the file cannot be written.
  bool Save();
  // The tree in either form, on a stream.
  bool LoadFrom(std::istream& stream);
  void SaveTo(std::ostream& stream) const;

  // Makes a key current; false when a part of the path is missing (and
  // `can_create` is false). A failure leaves the last key reached current.
  bool OpenKey(const std::string& path, bool can_create);
  bool KeyExists(const std::string& key);

  // Each of these opens `key`, does its work and makes the key that was
  // current current again. An empty name means the key's own value.
  TKxIniEntry* CreateValue(const std::string& key, const std::string& name);
  virtual void SetValueType(const std::string& key, const std::string& name, TKxIniValueType type);
  virtual TKxIniEntry* GetValueEntry(const std::string& key, const std::string& name);
  bool ReadBool(const std::string& key, const std::string& name, bool& value, bool fallback);
  bool ReadString(const std::string& key, const std::string& name, std::string& value,
                  const std::string& fallback);
  bool WriteString(const std::string& key, const std::string& name, const std::string& value);

  bool DeleteValue(const std::string& key, const std::string& name);
  // Deleting the current key (or one holding it) makes its parent current.
  bool DeleteKey(const std::string& key);
  std::vector<std::string> GetKeyNames(const std::string& key);
  std::vector<std::string> GetValueNames(const std::string& key);
  virtual bool RenameKey(const std::string& key, const std::string& new_name);
  virtual bool RenameValue(const std::string& key, const std::string& old_name,
                           const std::string& new_name);
  // Removes every sub-key and value of a key.
  virtual void ClearKey(const std::string& key);

  TNotifyEvent OnBeforeSave;
  TNotifyEvent OnAfterLoad;
  TNotifyEvent OnBeforeLoad;
  TNotifyEvent OnAfterSave;

 protected:
  void Loaded() override;
  // Splits a text line into name and value at the first divider outside
  // double quotes; a comment outside quotes ends the line.
  virtual void ParseLine(const std::string& line, std::string& name, bool& has_div,
                         std::string& value) const;
  virtual void DoBeforeSave();
  virtual void DoAfterLoad();
  virtual void DoBeforeLoad();
  virtual void DoAfterSave();

 private:
  class KeyKeeper;

  std::string RootPath() const { return std::string(1, delimiter_); }
  void ResetToRoot();
  void Changed();
  // The value `name` under the current key; the key's own when empty.
  TKxIniEntry* ValueNode(const std::string& name, bool create);
  TKxIniEntry* OpenChild(TKxIniEntry* node, const std::string& name, bool can_create);

  // Registry mode: the registry path of `key`, read from the current key.
  std::string KeyPathOf(const std::string& key) const;
  std::string RegistryPathOf(const std::string& key) const;
  bool OpenRegistryKey(const std::string& key, bool can_create);
  bool ReadRegistryString(const std::string& name, std::string& value) const;
  [[noreturn]] static void NotWithRegistry(const char* what);

  bool LoadText(std::istream& stream);
  void TakeTextLine(const std::string& line, int number);
  void SaveText(std::ostream& stream) const;
  void SaveTextKey(std::ostream& stream, const TKxIniEntry& key) const;
  bool LoadBinary(std::istream& stream);
  void SaveBinaryKey(std::ostream& stream, const TKxIniEntry& key) const;

  bool binary_mode_ = false;
  std::string comment_ = ";";
  TKxIniEntry* current_ = nullptr;
  std::string current_path_;
  char delimiter_ = '\\';
  char div_char_ = '=';
  bool lazy_write_ = true;
  bool modified_ = false;
  std::string path_;
  std::unique_ptr<TKxIniEntry> root_;
  std::unique_ptr<TRegistry> registry_;
  TRegRootType reg_root_ = rrtHKEY_CURRENT_USER;
  bool simple_ = false;
  std::string warning_message_ = "Automatically generated file. DO NOT MODIFY!!!";
  bool skipping_section_ = false;  // while loading: the section's key did not open
};
