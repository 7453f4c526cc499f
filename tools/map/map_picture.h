#pragma once
// The two pictures of the map: the 2128 x 1512 map the player looks at, drawn from the
// vector lines, and the 76 x 54 minimap, one pixel per hex, drawn from the layers.
#include "tools/map/map_art.h"
#include "tools/map/raster.h"

inline constexpr int kMapPictureWidth = 2128;
inline constexpr int kMapPictureHeight = 1512;

Picture PaintMapPicture(const MapArt& art);
Picture PaintMinimap(const MapLayers& layers);
