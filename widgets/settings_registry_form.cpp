// The settings store in registry mode: the keys live in the platform's
// registry below the root key and Path, and the store keeps only the path
// of its current key.
#include "widgets/settings_store.h"
#include "widgets/string_utils.h"

namespace {

TRootKey RootKeyOf(TRegRootType root) {
  switch (root) {
    case rrtHKEY_CLASSES_ROOT:
      return TRootKey::HKEY_CLASSES_ROOT;
    case rrtHKEY_LOCAL_MACHINE:
      return TRootKey::HKEY_LOCAL_MACHINE;
    case rrtHKEY_USERS:
      return TRootKey::HKEY_USERS;
    case rrtHKEY_CURRENT_CONFIG:
      return TRootKey::HKEY_CURRENT_CONFIG;
    default:
      return TRootKey::HKEY_CURRENT_USER;
  }
}

// One leading "\", no trailing one; "\" alone for the root.
std::string NormalisedKeyPath(std::string path) {
  while (!path.empty() && path.back() == '\\') path.pop_back();
  if (path.empty() || path.front() != '\\') path.insert(path.begin(), '\\');
  return path;
}

}  // namespace

void TKxIniFile::NotWithRegistry(const char* what) {
  throw EKxIniError(what);
}

void TKxIniFile::SetLazyWrite(bool lazy) {
  lazy_write_ = lazy;
  if (registry_) registry_->LazyWrite = lazy;
}

void TKxIniFile::SetRegRoot(TRegRootType root) {
  reg_root_ = root;
  if (registry_) registry_->SetRootKey(RootKeyOf(root));
}

void TKxIniFile::SetPath(const std::string& path) {
  if (!registry_) {
    path_ = path;
    return;
  }
  const std::string key = NormalisedKeyPath(path);
  if (registry_->OpenKey(key, true)) path_ = key;
}

void TKxIniFile::SetUseRegistry(bool use) {
  if (use == UseRegistry()) return;
  if (!use) {
    // What changed went to the registry; the tree has nothing new to save.
    registry_.reset();
    modified_ = false;
    return;
  }
  registry_ = std::make_unique<TRegistry>();
  registry_->SetRootKey(RootKeyOf(reg_root_));
  registry_->LazyWrite = lazy_write_;
  SetPath(path_.empty() ? "\\SOFTWARE" : path_);
  OpenRegistryKey("", true);
}

std::string TKxIniFile::KeyPathOf(const std::string& key) const {
  if (key.empty()) return current_path_;
  if (key.front() == delimiter_) return NormalisedKeyPath(key);
  return NormalisedKeyPath(current_path_ == RootPath() ? key : current_path_ + delimiter_ + key);
}

std::string TKxIniFile::RegistryPathOf(const std::string& key) const {
  const std::string below = KeyPathOf(key);
  const std::string base = path_ == "\\" ? "" : path_;
  return below == "\\" ? NormalisedKeyPath(base) : base + below;
}

bool TKxIniFile::OpenRegistryKey(const std::string& key, bool can_create) {
  return registry_->OpenKey(RegistryPathOf(key), can_create);
}

bool TKxIniFile::ReadRegistryString(const std::string& name, std::string& value) const {
  switch (registry_->GetDataType(name)) {
    case TRegDataType::rdString:
      value = registry_->ReadString(name);
      return true;
    case TRegDataType::rdInteger:
      value = std::to_string(registry_->ReadInteger(name));
      return true;
    case TRegDataType::rdBinary:
      value = BinaryToHexStr(registry_->ReadBinaryData(name));
      return true;
    default:
      return false;
  }
}
