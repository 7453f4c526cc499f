#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

namespace {

struct WaveSummary {
  int channels = 0;
  int sample_rate = 0;
  int bits_per_sample = 0;
  std::vector<std::int16_t> samples;
  double Seconds() const { return static_cast<double>(samples.size()) / channels / sample_rate; }
};

std::uint32_t ReadLittleEndian(const std::string& bytes, std::size_t at, int count) {
  std::uint32_t value = 0;
  for (int i = count - 1; i >= 0; --i) {
    value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
  }
  return value;
}

// Walks the RIFF chunks as a player would; nothing when the file does not parse
// as uncompressed PCM.
std::optional<WaveSummary> ParseWave(const std::string& bytes) {
  if (bytes.size() < 12 || bytes.compare(0, 4, "RIFF") != 0 || bytes.compare(8, 4, "WAVE") != 0) {
    return std::nullopt;
  }
  if (ReadLittleEndian(bytes, 4, 4) != bytes.size() - 8) return std::nullopt;
  WaveSummary wave;
  bool have_format = false;
  std::size_t at = 12;
  while (at + 8 <= bytes.size()) {
    const std::string id = bytes.substr(at, 4);
    const std::uint32_t size = ReadLittleEndian(bytes, at + 4, 4);
    const std::size_t body = at + 8;
    if (body + size > bytes.size()) return std::nullopt;
    if (id == "fmt ") {
      if (size < 16 || ReadLittleEndian(bytes, body, 2) != 1) return std::nullopt;
      wave.channels = static_cast<int>(ReadLittleEndian(bytes, body + 2, 2));
      wave.sample_rate = static_cast<int>(ReadLittleEndian(bytes, body + 4, 4));
      wave.bits_per_sample = static_cast<int>(ReadLittleEndian(bytes, body + 14, 2));
      have_format = true;
    } else if (id == "data") {
      if (!have_format || wave.bits_per_sample != 16 || size % 2 != 0) return std::nullopt;
      for (std::size_t i = 0; i < size; i += 2) {
        wave.samples.push_back(static_cast<std::int16_t>(ReadLittleEndian(bytes, body + i, 2)));
      }
      return wave;
    }
    at = body + size + size % 2;
  }
  return std::nullopt;
}

std::string ReadGameFile(const std::string& name) {
  std::ifstream file(std::string(GRAYMARCH_GAME_DIR) + "/" + name, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

class BattleSound : public ::testing::TestWithParam<const char*> {};

TEST_P(BattleSound, IsShortAudiblePcmThatDoesNotClip) {
  const auto wave = ParseWave(ReadGameFile(GetParam()));
  ASSERT_TRUE(wave.has_value()) << GetParam() << " does not parse as PCM WAV";
  EXPECT_EQ(wave->channels, 1);
  EXPECT_GE(wave->sample_rate, 11025);
  EXPECT_GT(wave->Seconds(), 0.3);
  EXPECT_LT(wave->Seconds(), 2.0);
  int loudest = 0;
  for (std::int16_t sample : wave->samples) loudest = std::max(loudest, std::abs(int{sample}));
  EXPECT_GT(loudest, 16000) << "too quiet to hear over the map";
  EXPECT_LT(loudest, 32767) << "clipped";
}

INSTANTIATE_TEST_SUITE_P(BesideTheGame, BattleSound,
                         ::testing::Values("LAND.WAV", "PORT.WAV", "SEA.WAV"));

}  // namespace
