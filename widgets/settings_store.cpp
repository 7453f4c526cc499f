#include "widgets/settings_store.h"

#include <filesystem>
#include <fstream>
#include <sstream>

// Remembers the current key and brings it back when the operation is done.
class TKxIniFile::KeyKeeper {
 public:
  explicit KeyKeeper(TKxIniFile& store)
      : store_(store), key_(store.current_), path_(store.current_path_) {}
  ~KeyKeeper() {
    store_.current_ = key_;
    store_.current_path_ = path_;
  }
  // `doomed` is about to go (or, when it is `survivor`, to lose what it
  // holds): a kept key inside it gives way to `survivor`.
  void Removing(const TKxIniEntry* doomed, TKxIniEntry* survivor) {
    if (key_ == survivor || !key_->IsWithin(doomed)) return;
    key_ = survivor;
    path_ = store_.RootPath() + survivor->PathBelowRoot(store_.delimiter_);
  }
  KeyKeeper(const KeyKeeper&) = delete;
  KeyKeeper& operator=(const KeyKeeper&) = delete;

 private:
  TKxIniFile& store_;
  TKxIniEntry* key_;
  std::string path_;
};

TKxIniFile::TKxIniFile(TComponent* owner)
    : TComponent(owner), root_(std::make_unique<TKxIniEntry>(nullptr, "", true)) {
  ResetToRoot();
}

// A failing save here has nowhere to be reported; the settings keep what
// the last successful save wrote.
TKxIniFile::~TKxIniFile() {
  if (lazy_write_ && modified_) Save();
}

void TKxIniFile::Loaded() {
  TComponent::Loaded();
  if (!path_.empty() && !registry_) Load();
}

void TKxIniFile::ResetToRoot() {
  current_ = root_.get();
  current_path_ = RootPath();
}

void TKxIniFile::Changed() {
  modified_ = true;
  if (!lazy_write_) Save();
}

void TKxIniFile::SetDelimiter(char delimiter) {
  if (registry_ && delimiter != '\\') {
    throw EKxIniError("Changing delimiter is not available when using registry.");
  }
  if (current_ == root_.get()) current_path_ = std::string(1, delimiter);
  delimiter_ = delimiter;
  if (!lazy_write_) Save();
}

// Switching between one level and nested keys is a round trip through the
// binary form, which keeps every value's type and text, made in memory so
// that nothing can fail on the way.
void TKxIniFile::SetSimple(bool simple) {
  if (simple == simple_) return;
  if (registry_) {
    simple_ = simple;
    return;
  }
  const bool binary = binary_mode_;
  binary_mode_ = true;
  std::stringstream image;
  SaveTo(image);
  simple_ = simple;
  LoadFrom(image);
  binary_mode_ = binary;
}

bool TKxIniFile::Load() {
  if (registry_) return false;
  std::ifstream file(path_, std::ios::binary);
  return file && LoadFrom(file);
}

bool TKxIniFile::LoadFrom(std::istream& stream) {
  DoBeforeLoad();
  std::unique_ptr<TKxIniEntry> previous = std::move(root_);
  root_ = std::make_unique<TKxIniEntry>(nullptr, "", true);
  ResetToRoot();
  const bool loaded = binary_mode_ ? LoadBinary(stream) : LoadText(stream);
  if (!loaded) root_ = std::move(previous);
  ResetToRoot();
  if (loaded) DoAfterLoad();
  return loaded;
}

void TKxIniFile::SaveTo(std::ostream& stream) const {
  if (binary_mode_) {
    SaveBinaryKey(stream, *root_);
  } else {
    SaveText(stream);
  }
}

bool TKxIniFile::Save() {
  DoBeforeSave();
  if (registry_ || path_.empty()) return false;
  const std::string temporary = path_ + ".new";
  {
    std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
    SaveTo(file);
    file.flush();
    if (!file) return false;
  }
  std::error_code error;
  std::filesystem::rename(temporary, path_, error);
  if (error) {
    std::filesystem::remove(temporary, error);
    return false;
  }
  modified_ = false;
  DoAfterSave();
  return true;
}

TKxIniEntry* TKxIniFile::OpenChild(TKxIniEntry* node, const std::string& name, bool can_create) {
  TKxIniEntry* child = node->FindChild(name);
  if (!child) {
    if (!can_create) return nullptr;
    child = node->AddChild(name, true);
    modified_ = true;
  } else if (!child->IsKey()) {
    if (!can_create) return nullptr;
    child->MakeKey();
  }
  return child;
}

bool TKxIniFile::OpenKey(const std::string& path, bool can_create) {
  if (path.empty() || SameText(path, current_path_)) return true;
  if (registry_) {
    const std::string key_path = KeyPathOf(path);
    if (!OpenRegistryKey(path, can_create)) return false;
    current_path_ = key_path;
    return true;
  }
  std::string rest = path;
  const bool from_root = rest.front() == delimiter_;
  if (from_root) rest.erase(0, 1);
  if (simple_) {
    TKxIniEntry* section = OpenChild(root_.get(), rest, can_create);
    if (!section) return false;
    current_ = section;
    current_path_ = RootPath() + rest;
    return true;
  }
  if (from_root) {
    ResetToRoot();
  } else if (current_path_ != RootPath()) {
    current_path_ += delimiter_;
  }
  if (!rest.empty() && rest.back() == delimiter_) rest.pop_back();
  bool opened = true;
  std::istringstream components(rest);
  std::string component;
  while (!rest.empty() && std::getline(components, component, delimiter_)) {
    TKxIniEntry* child = OpenChild(current_, component, can_create);
    if (!child) {
      opened = false;
      break;
    }
    current_ = child;
    current_path_ += component + delimiter_;
  }
  if (current_path_.size() > 1 && current_path_.back() == delimiter_) current_path_.pop_back();
  return opened;
}

bool TKxIniFile::KeyExists(const std::string& key) {
  if (registry_) return registry_->KeyExists(RegistryPathOf(key));
  KeyKeeper keeper(*this);
  return OpenKey(key, false);
}

TKxIniEntry* TKxIniFile::ValueNode(const std::string& name, bool create) {
  if (name.empty()) return current_ == root_.get() ? nullptr : current_;
  TKxIniEntry* value = current_->FindChild(name);
  if (!value && create) value = current_->AddChild(name, false);
  return value;
}

TKxIniEntry* TKxIniFile::CreateValue(const std::string& key, const std::string& name) {
  if (registry_) NotWithRegistry("CreateValue method is not available when using registry.");
  KeyKeeper keeper(*this);
  if (!OpenKey(key, true)) return nullptr;
  TKxIniEntry* value = ValueNode(name, true);
  if (!value) return nullptr;
  value->ClearValue();
  Changed();
  return value;
}

void TKxIniFile::SetValueType(const std::string& key, const std::string& name,
                              TKxIniValueType type) {
  if (registry_) NotWithRegistry("SetValueType method is not available when using registry.");
  if (TKxIniEntry* value = CreateValue(key, name)) {
    value->SetType(type);
    Changed();
  }
}

TKxIniEntry* TKxIniFile::GetValueEntry(const std::string& key, const std::string& name) {
  if (registry_) NotWithRegistry("GetValueEntry method is not available when using registry.");
  KeyKeeper keeper(*this);
  if (!OpenKey(key, false)) return nullptr;
  return ValueNode(name, false);
}

bool TKxIniFile::ReadBool(const std::string& key, const std::string& name, bool& value,
                          bool fallback) {
  value = fallback;
  if (registry_) {
    // Only a 32-bit number counts as a flag in the registry.
    if (!OpenRegistryKey(key, false) || registry_->GetDataType(name) != TRegDataType::rdInteger) {
      return false;
    }
    value = registry_->ReadInteger(name) != 0;
    return true;
  }
  const TKxIniEntry* entry = GetValueEntry(key, name);
  if (!entry) return false;
  if (entry->Type() == ivtBoolean) {
    value = entry->Bool();
  } else if (entry->Type() == ivtInteger) {
    value = entry->Integer() != 0;
  } else {
    return false;
  }
  return true;
}

bool TKxIniFile::ReadString(const std::string& key, const std::string& name, std::string& value,
                            const std::string& fallback) {
  value = fallback;
  if (registry_) return OpenRegistryKey(key, false) && ReadRegistryString(name, value);
  const TKxIniEntry* entry = GetValueEntry(key, name);
  if (!entry || entry->Type() == ivtNone || entry->Type() == ivtIntPair) return false;
  value = entry->AsText();
  return true;
}

bool TKxIniFile::WriteString(const std::string& key, const std::string& name,
                             const std::string& value) {
  if (registry_) {
    if (!OpenRegistryKey(key, true)) return false;
    registry_->WriteString(name, value);
    Changed();
    return true;
  }
  KeyKeeper keeper(*this);
  if (!OpenKey(key, true)) return false;
  TKxIniEntry* entry = ValueNode(name, true);
  if (!entry) return false;
  entry->SetString(value);
  Changed();
  return true;
}

bool TKxIniFile::DeleteValue(const std::string& key, const std::string& name) {
  if (registry_) return OpenRegistryKey(key, false) && registry_->DeleteValue(name);
  KeyKeeper keeper(*this);
  if (!OpenKey(key, false)) return false;
  TKxIniEntry* value = current_->FindChild(name);
  if (!value || value->IsKey()) return false;
  current_->RemoveChild(value);
  Changed();
  return true;
}

bool TKxIniFile::DeleteKey(const std::string& key) {
  if (registry_) {
    const std::string doomed = KeyPathOf(key);
    if (doomed == RootPath() || !registry_->DeleteKey(RegistryPathOf(key))) return false;
    // The current key, or one below it, goes too: its parent becomes current.
    if (SameText((current_path_ + '\\').substr(0, doomed.size() + 1), doomed + '\\')) {
      const auto cut = doomed.rfind('\\');
      current_path_ = cut == 0 ? RootPath() : doomed.substr(0, cut);
    }
    return true;
  }
  KeyKeeper keeper(*this);
  if (!OpenKey(key, false) || current_ == root_.get()) return false;
  TKxIniEntry* doomed = current_;
  keeper.Removing(doomed, doomed->Parent());
  doomed->Parent()->RemoveChild(doomed);
  Changed();
  return true;
}

void TKxIniFile::ClearKey(const std::string& key) {
  if (registry_) {
    if (!OpenRegistryKey(key, false)) return;
    const std::string full = RegistryPathOf(key);
    for (const std::string& name : registry_->GetKeyNames())
      registry_->DeleteKey(full + '\\' + name);
    registry_->OpenKey(full, false);
    for (const std::string& name : registry_->GetValueNames()) registry_->DeleteValue(name);
    return;
  }
  KeyKeeper keeper(*this);
  if (!OpenKey(key, false)) return;
  keeper.Removing(current_, current_);
  current_->RemoveChildren();
  Changed();
}

namespace {

std::vector<std::string> ChildNames(const TKxIniEntry& key, bool keys) {
  std::vector<std::string> names;
  for (int i = 0; i < key.ChildCount(); ++i) {
    if (key.Child(i)->IsKey() == keys) names.push_back(key.Child(i)->Name());
  }
  return names;
}

}  // namespace

std::vector<std::string> TKxIniFile::GetKeyNames(const std::string& key) {
  if (registry_) {
    return OpenRegistryKey(key, false) ? registry_->GetKeyNames() : std::vector<std::string>{};
  }
  KeyKeeper keeper(*this);
  return OpenKey(key, false) ? ChildNames(*current_, true) : std::vector<std::string>{};
}

std::vector<std::string> TKxIniFile::GetValueNames(const std::string& key) {
  if (registry_) {
    return OpenRegistryKey(key, false) ? registry_->GetValueNames() : std::vector<std::string>{};
  }
  KeyKeeper keeper(*this);
  return OpenKey(key, false) ? ChildNames(*current_, false) : std::vector<std::string>{};
}

bool TKxIniFile::RenameKey(const std::string& key, const std::string& new_name) {
  if (registry_) NotWithRegistry("Key can not be renamed when using registry.");
  KeyKeeper keeper(*this);
  if (!OpenKey(key, false) || current_ == root_.get()) return false;
  current_->SetName(new_name);
  Changed();
  return true;
}

bool TKxIniFile::RenameValue(const std::string& key, const std::string& old_name,
                             const std::string& new_name) {
  if (registry_) {
    if (!OpenRegistryKey(key, false) || !registry_->ValueExists(old_name)) return false;
    registry_->RenameValue(old_name, new_name);
    return true;
  }
  KeyKeeper keeper(*this);
  if (!OpenKey(key, false)) return false;
  TKxIniEntry* value = current_->FindChild(old_name);
  if (!value || value->IsKey()) return false;
  value->SetName(new_name);
  Changed();
  return true;
}

void TKxIniFile::DoBeforeSave() {
  if (OnBeforeSave) OnBeforeSave(this);
}

void TKxIniFile::DoAfterLoad() {
  if (OnAfterLoad) OnAfterLoad(this);
}

void TKxIniFile::DoBeforeLoad() {
  if (OnBeforeLoad) OnBeforeLoad(this);
}

void TKxIniFile::DoAfterSave() {
  if (OnAfterSave) OnAfterSave(this);
}
