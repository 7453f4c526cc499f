#pragma once

#include <string>
#include <vector>

// Plays WAV files without waiting for them: a new sound replaces the one
// playing, and a file that is missing or unreadable plays nothing.
class TSoundPlayer {
 public:
  virtual ~TSoundPlayer() = default;
  // `name` is a path, or a bare file name looked up beside the program
  // whatever its letter case ("LAND.WAV").
  virtual void Play(const std::string& name) = 0;
};

// Plays through SDL's audio device, opened at the first sound.
class TSdlSoundPlayer : public TSoundPlayer {
 public:
  TSdlSoundPlayer() = default;
  ~TSdlSoundPlayer() override;
  TSdlSoundPlayer(const TSdlSoundPlayer&) = delete;
  TSdlSoundPlayer& operator=(const TSdlSoundPlayer&) = delete;

  void Play(const std::string& name) override;

 private:
  bool audio_started_ = false;
  unsigned device_ = 0;
  int frequency_ = 0;
  unsigned format_ = 0;
  int channels_ = 0;
};

// Keeps the names it is asked to play, for tests.
class TRecordingSoundPlayer : public TSoundPlayer {
 public:
  void Play(const std::string& name) override { Played.push_back(name); }
  std::vector<std::string> Played;
};

// The player the game uses; nullptr restores the SDL one.
TSoundPlayer& SoundPlayer();
void SetSoundPlayer(TSoundPlayer* player);
