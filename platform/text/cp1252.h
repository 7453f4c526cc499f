#pragma once
// The game's texts are 8-bit Windows-1252; fonts are indexed by Unicode.

// The Unicode code point of a Windows-1252 byte; the five unassigned bytes
// map to themselves.
char32_t Cp1252ToUnicode(unsigned char byte);
