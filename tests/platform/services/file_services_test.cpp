#include <gtest/gtest.h>

#include "platform/services/executable_folder.h"
#include "platform/services/file_lookup.h"
#include "platform/services/sound_player.h"
#include "temp_folder.h"

namespace {

TEST(FileLookup, AFileIsFoundWhateverTheCaseOfItsName) {
  TTempFolder folder;
  folder.Write("gmr_eng.txt", "");
  folder.Write("NewMap.bmp", "");
  EXPECT_EQ(ResolveFileName(folder.Path(), "GMR_ENG.TXT"), folder.Path() / "gmr_eng.txt");
  EXPECT_EQ(ResolveFileName(folder.Path(), "NEWMAP.BMP"), folder.Path() / "NewMap.bmp");
  EXPECT_EQ(ResolveFileName(folder.Path(), "newmap.bmp"), folder.Path() / "NewMap.bmp");
  EXPECT_FALSE(ResolveFileName(folder.Path(), "NEWMAP.BM"));
  EXPECT_FALSE(ResolveFileName(folder.Path() / "missing", "NEWMAP.BMP"));
}

TEST(FileLookup, AnExactSpellingWinsAndOtherwiseTheChoiceIsStable) {
  TTempFolder folder;
  folder.Write("Land.wav", "");
  folder.Write("LAND.WAV", "");
  folder.Write("land.WAV", "");
  EXPECT_EQ(ResolveFileName(folder.Path(), "Land.wav"), folder.Path() / "Land.wav");
  EXPECT_EQ(ResolveFileName(folder.Path(), "lAnD.wAv"), folder.Path() / "LAND.WAV");
  std::filesystem::create_directory(folder.Path() / "SEA.WAV");
  EXPECT_FALSE(ResolveFileName(folder.Path(), "sea.wav"));  // a folder is no sound
}

TEST(ExecutableFolder, IsTheFolderOfTheRunningProgram) {
  const std::filesystem::path folder = ExecutableFolder();
  EXPECT_TRUE(std::filesystem::exists(folder / "platform_tests"));
}

// A WAV file of `samples` 8-bit mono samples at 8000 Hz.
std::string Wave(uint32_t samples) {
  auto u32 = [](uint32_t v) { return std::string(reinterpret_cast<const char*>(&v), 4); };
  auto u16 = [](uint16_t v) { return std::string(reinterpret_cast<const char*>(&v), 2); };
  return "RIFF" + u32(36 + samples) + "WAVEfmt " + u32(16) + u16(1) + u16(1) + u32(8000) +
         u32(8000) + u16(1) + u16(8) + "data" + u32(samples) + std::string(samples, '\x80');
}

TEST(SoundPlayer, PlayingReturnsAtOnceAndAMissingOrBrokenFileIsSilent) {
  TTempFolder folder;
  TSdlSoundPlayer player;
  player.Play(folder.Write("LAND.WAV", Wave(8000)).string());
  player.Play(folder.Write("PORT.WAV", "not a sound").string());
  player.Play((folder.Path() / "SEA.WAV").string());
  SUCCEED();
}

}  // namespace
