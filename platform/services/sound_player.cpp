#include "platform/services/sound_player.h"

#include <SDL.h>

#include <filesystem>

#include "platform/services/executable_folder.h"
#include "platform/services/file_lookup.h"

namespace {

TSoundPlayer* g_player = nullptr;

std::string LocateSound(const std::string& name) {
  if (std::filesystem::is_regular_file(name)) return name;
  const auto found = ResolveFileName(ExecutableFolder(), name);
  return found ? found->string() : std::string();
}

}  // namespace

TSdlSoundPlayer::~TSdlSoundPlayer() {
  if (device_ != 0) SDL_CloseAudioDevice(device_);
  if (audio_started_) SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

void TSdlSoundPlayer::Play(const std::string& name) {
  const std::string path = LocateSound(name);
  if (path.empty()) return;
  if (!audio_started_) {
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return;
    audio_started_ = true;
  }
  SDL_AudioSpec spec;
  Uint8* samples = nullptr;
  Uint32 length = 0;
  if (!SDL_LoadWAV(path.c_str(), &spec, &samples, &length)) return;
  // The device is opened in the sound's own format, so SDL converts nothing
  // and a second sound of the same format reuses it.
  const bool same_format =
      spec.freq == frequency_ && spec.format == format_ && spec.channels == channels_;
  if (device_ != 0 && !same_format) {
    SDL_CloseAudioDevice(device_);
    device_ = 0;
  }
  if (device_ == 0) {
    device_ = SDL_OpenAudioDevice(nullptr, 0, &spec, nullptr, 0);
    frequency_ = spec.freq;
    format_ = spec.format;
    channels_ = spec.channels;
  }
  if (device_ != 0) {
    SDL_ClearQueuedAudio(device_);
    SDL_QueueAudio(device_, samples, length);
    SDL_PauseAudioDevice(device_, 0);
  }
  SDL_FreeWAV(samples);
}

TSoundPlayer& SoundPlayer() {
  static TSdlSoundPlayer sdl_player;
  return g_player ? *g_player : sdl_player;
}

void SetSoundPlayer(TSoundPlayer* player) {
  g_player = player;
}
