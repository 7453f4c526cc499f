#include "widgets/sound_map.h"

#include <stdexcept>

#include "widgets/string_utils.h"
#include "widgets/tools.h"

bool IsValidKeyName(const std::string& name) {
  for (const char c : name) {
    if (static_cast<unsigned char>(c) < 32 || c == '*' || c == '?') return false;
  }
  return true;
}

TKxSoundMap::TKxSoundMap(TComponent* owner)
    : TComponent(owner), internal_store_(std::make_unique<TKxIniFile>()) {
  internal_store_->SetRegRoot(rrtHKEY_CURRENT_USER);
  internal_store_->SetPath("\\AppEvents");
  internal_store_->SetUseRegistry(true);
}

TKxSoundMap::~TKxSoundMap() = default;

void TKxSoundMap::SetStorage(TKxIniFile* storage) {
  if (storage == storage_) return;
  if (storage_) RemoveFreeNotification(storage_);
  storage_ = storage;
  if (storage_) {
    FreeNotification(storage_);
  } else {
    storage_path_.clear();
  }
}

void TKxSoundMap::SetStoragePath(const std::string& path) {
  storage_path_ = path;
  if (!storage_ && !Loading()) storage_path_.clear();
}

void TKxSoundMap::Loaded() {
  TComponent::Loaded();
  if (!storage_) storage_path_.clear();
}

void TKxSoundMap::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == TOperation::opRemove && component == storage_) SetStorage(nullptr);
}

void TKxSoundMap::SetScheme(const std::string& scheme) {
  if (!IsValidKeyName(scheme))
    throw std::invalid_argument("Scheme name contains invalid characters");
  scheme_ = scheme;
}

void TKxSoundMap::SetApplicationKey(const std::string& key) {
  if (!IsValidKeyName(key)) throw std::invalid_argument("Key name contains invalid characters");
  application_key_ = key;
}

void TKxSoundMap::SetApplicationName(const std::string& name) {
  if (name == application_name_) return;
  application_name_ = name;
  Store().WriteString(ApplicationKeyPath(), "", name);
}

std::string TKxSoundMap::ApplicationKeyPath() const {
  return storage_path_ + Store().Delimiter() + "Schemes\\Apps\\" + application_key_;
}

std::string TKxSoundMap::EventKeyPath(const std::string& event_name) const {
  return ApplicationKeyPath() + "\\" + event_name;
}

// An event is on unless its key says "Disabled"; an event with no key at
// all counts as on (it simply names no file).
bool TKxSoundMap::EventEnabled(const std::string& event_name) const {
  TKxIniFile& store = Store();
  const std::string key = EventKeyPath(event_name);
  if (!store.KeyExists(key)) return true;
  bool disabled = false;
  store.ReadBool(key, "Disabled", disabled, false);
  return !disabled;
}

void TKxSoundMap::Play(const std::string& event_name) {
  if (mute_) return;
  std::string file;
  Store().ReadString(EventKeyPath(event_name) + "\\" + scheme_, "", file, "");
  const std::string name(Trim(file));
  if (!name.empty() && EventEnabled(event_name)) PlaySoundFile(name);
}
