#include "tools/sounds/wave_file.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>

namespace {

constexpr int kBitsPerSample = 16;
constexpr int kBytesPerSample = kBitsPerSample / 8;

void PutLittleEndian(std::ofstream& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.put(static_cast<char>((value >> (8 * i)) & 0xff));
}

std::int16_t ToPcm(float sample) {
  return static_cast<std::int16_t>(std::lround(std::clamp(sample, -1.0f, 1.0f) * 32767.0f));
}

}  // namespace

bool WriteWaveFile(const std::string& path, const Sound& sound) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!out) return false;
  const auto data_bytes = static_cast<std::uint32_t>(sound.samples.size() * kBytesPerSample);
  out.write("RIFF", 4);
  PutLittleEndian(out, 36 + data_bytes, 4);
  out.write("WAVEfmt ", 8);
  PutLittleEndian(out, 16, 4);  // size of the format block
  PutLittleEndian(out, 1, 2);   // PCM
  PutLittleEndian(out, 1, 2);   // mono
  PutLittleEndian(out, kSampleRate, 4);
  PutLittleEndian(out, kSampleRate * kBytesPerSample, 4);
  PutLittleEndian(out, kBytesPerSample, 2);
  PutLittleEndian(out, kBitsPerSample, 2);
  out.write("data", 4);
  PutLittleEndian(out, data_bytes, 4);
  for (float sample : sound.samples) {
    PutLittleEndian(out, static_cast<std::uint16_t>(ToPcm(sample)), kBytesPerSample);
  }
  return static_cast<bool>(out);
}
