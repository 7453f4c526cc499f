#pragma once
// The game's texts are 8-bit Windows-1252; fonts are indexed by Unicode. Names
// on disk and the text SDL types are UTF-8, converted at those two borders.
#include <optional>
#include <string>
#include <string_view>

// The Unicode code point of a Windows-1252 byte; the five unassigned bytes
// map to themselves.
char32_t Cp1252ToUnicode(unsigned char byte);

// The UTF-8 form of Windows-1252 text; every byte has one.
std::string Utf8OfCp1252(std::string_view text);

// The Windows-1252 form of UTF-8 text; nothing when the text is not UTF-8 or
// holds a character Windows-1252 lacks.
std::optional<std::string> Cp1252OfUtf8(std::string_view text);

// The Windows-1252 form of typed UTF-8 text, character by character: a
// character Windows-1252 lacks, or a sequence that is not UTF-8, is left out
// and the rest kept.
std::string Cp1252OfTyped(std::string_view text);
