#include "platform/services/sound_player.h"

#include <SDL.h>

#include <filesystem>
#include <type_traits>

#include "platform/services/executable_folder.h"
#include "platform/services/file_lookup.h"

namespace {

TSoundPlayer* g_player = nullptr;

// The record SDL fills in with a sound's rate, sample format and channels.
using WaveFormat =
    std::remove_pointer_t<decltype(SDL_LoadWAV_RW(nullptr, 0, nullptr, nullptr, nullptr))>;

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
  WaveFormat wave;
  Uint8* samples = nullptr;
  Uint32 length = 0;
  if (!SDL_LoadWAV(path.c_str(), &wave, &samples, &length)) return;
  // The device is opened in the sound's own format, so SDL converts nothing
  // and a second sound of the same format reuses it.
  const bool same_format =
      wave.freq == frequency_ && wave.format == format_ && wave.channels == channels_;
  if (device_ != 0 && !same_format) {
    SDL_CloseAudioDevice(device_);
    device_ = 0;
  }
  if (device_ == 0) {
    device_ = SDL_OpenAudioDevice(nullptr, 0, &wave, nullptr, 0);
    frequency_ = wave.freq;
    format_ = wave.format;
    channels_ = wave.channels;
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
