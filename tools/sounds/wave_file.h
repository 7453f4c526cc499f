#pragma once

#include <string>

#include "tools/sounds/synthesis.h"

// Writes mono 16-bit PCM; samples beyond -1..1 are clipped. False when the file
// cannot be written.
bool WriteWaveFile(const std::string& path, const Sound& sound);
