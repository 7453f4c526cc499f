#pragma once
// Fixed repairs to the map and the records that every loaded game gets, so
// that games saved before a repair play like new ones, and the garrison
// counts recounted from the brigade table. Each repair sets a
// value, so applying them twice does no more than once.
void ApplyLoadCorrections();

// A city's original camp above 4 is unknown; such a city counts as the Union's.
void ResetUnknownOriginalSides();
