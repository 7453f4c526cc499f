#pragma once
// Plays the sound that the user's sound scheme gives a named control event
// (a click, a check). The scheme is read from a settings store: one the
// program supplies, or an internal one on the registry's current-user
// AppEvents key. The file for an event is the default value of
//   StoragePath\Schemes\Apps\<ApplicationKey>\<event>\<Scheme>
// and an event whose key has "Disabled" set plays nothing. No form of the
// game has a sound map, so the game's controls make no sound.
#include <memory>
#include <string>

#include "platform/components/component.h"
#include "widgets/settings_store.h"

// False when a key name holds a control character, "*" or "?".
bool IsValidKeyName(const std::string& name);

class TKxSoundMap : public TComponent {
 public:
  explicit TKxSoundMap(TComponent* owner = nullptr);
  ~TKxSoundMap() override;

  TKxIniFile* Storage() const { return storage_; }
  void SetStorage(TKxIniFile* storage);
  // A key path inside Storage; kept only while Storage is set.
  const std::string& StoragePath() const { return storage_path_; }
  void SetStoragePath(const std::string& path);
  const std::string& Scheme() const { return scheme_; }
  void SetScheme(const std::string& scheme);
  const std::string& ApplicationKey() const { return application_key_; }
  void SetApplicationKey(const std::string& key);
  // Written as the default value of the application's key.
  const std::string& ApplicationName() const { return application_name_; }
  void SetApplicationName(const std::string& name);
  bool Mute() const { return mute_; }
  void SetMute(bool mute) { mute_ = mute; }

  void Play(const std::string& event_name);

 protected:
  void Loaded() override;
  void Notification(TComponent* component, TOperation operation) override;

 private:
  TKxIniFile& Store() const { return storage_ ? *storage_ : *internal_store_; }
  std::string ApplicationKeyPath() const;
  std::string EventKeyPath(const std::string& event_name) const;
  bool EventEnabled(const std::string& event_name) const;

  TKxIniFile* storage_ = nullptr;
  std::string storage_path_;
  std::string scheme_ = ".current";
  std::string application_key_;
  std::string application_name_;
  std::unique_ptr<TKxIniFile> internal_store_;
  bool mute_ = false;
};
