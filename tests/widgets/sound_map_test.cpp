#include "widgets/sound_map.h"

#include <gtest/gtest.h>

#include <sstream>

#include "platform/services/sound_player.h"

namespace {

class SoundMapTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetSoundPlayer(&player);
    std::istringstream scheme(
        "[Schemes\\Apps\\Graymarch\\Click\\.current]\r\n"
        "[Schemes\\Apps\\Graymarch\\Check]\r\n"
        "Disabled=true\r\n"
        "[Schemes\\Apps\\Graymarch\\Check\\.current]\r\n"
        "[Schemes\\Apps\\Graymarch\\Drum\\Loud]\r\n");
    store.LoadFrom(scheme);
    store.WriteString("\\Schemes\\Apps\\Graymarch\\Click\\.current", "", " click.wav ");
    store.WriteString("\\Schemes\\Apps\\Graymarch\\Check\\.current", "", "check.wav");
    store.WriteString("\\Schemes\\Apps\\Graymarch\\Drum\\Loud", "", "drum.wav");
    map.SetStorage(&store);
    map.SetApplicationKey("Graymarch");
  }
  void TearDown() override { SetSoundPlayer(nullptr); }

  TRecordingSoundPlayer player;
  TKxIniFile store;
  TKxSoundMap map;
};

TEST_F(SoundMapTest, PlaysTheSchemesFileForAnEnabledEventUnlessMuted) {
  map.Play("Click");
  map.Play("Check");    // disabled
  map.Play("Unknown");  // no key: enabled, but names no file
  map.Play("Drum");     // no file in the current scheme
  map.SetScheme("Loud");
  map.Play("Drum");
  map.SetMute(true);
  map.Play("Drum");
  EXPECT_EQ(player.Played, (std::vector<std::string>{"click.wav", "drum.wav"}));
  EXPECT_THROW(map.SetScheme("lo\tud"), std::invalid_argument);
  EXPECT_EQ(map.Scheme(), "Loud");
}

TEST_F(SoundMapTest, ForgetsAStorageThatGoesAway) {
  auto* own = new TKxIniFile();
  map.SetStorage(own);
  delete own;
  EXPECT_EQ(map.Storage(), nullptr);
  map.Play("Click");  // the internal store reads the registry, which holds no scheme
  EXPECT_TRUE(player.Played.empty());
}

}  // namespace
