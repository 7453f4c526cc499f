#pragma once
// The two pictures of the map: the 2128 x 1512 map the player looks at, drawn from the
// vector lines, and the 76 x 54 minimap, one pixel per hex, drawn from the layers.
#include "tools/map/map_art.h"
#include "tools/map/raster.h"

inline constexpr int kMapPictureWidth = 2128;
inline constexpr int kMapPictureHeight = 1512;

// The ink the lines of the map leave, shared by the painter and by the lettering that keeps
// clear of it.
inline constexpr float kRailwayReach = 2.6f;    // from a railway's middle to its ties' ends
inline constexpr float kCityMarkRadius = 5.0f;  // the ring of paper round a city's mark
inline constexpr float kBorderWidth = 2.6f;     // a border's faint underlay
Polyline RailwayCourse(const TaggedLine& railway);
Polyline RiverCourse(const TaggedLine& river);
float RiverWidth(const TaggedLine& river);

Picture PaintMapPicture(const MapArt& art);
Picture PaintMinimap(const MapLayers& layers);
