#pragma once
// The BMP file format: reading the kinds the game's pictures come in and
// writing the plain 24-bit kind.
#include <cstdint>
#include <span>
#include <vector>

#include "platform/graphics/bitmap.h"

// Reads an uncompressed BMP of 24, 32 or 8 bits per pixel (8 with a
// palette), bottom-up or top-down; throws EInvalidGraphic otherwise.
TBitmap ReadBmp(std::span<const std::uint8_t> bytes);

// A 24-bit bottom-up BMP of the bitmap.
std::vector<std::uint8_t> WriteBmp(const TBitmap& bitmap);
