#pragma once
// Classic 3-D edges: one or two one-pixel rings, each light on the top and
// left and dark on the bottom and right (raised) or the other way (sunken).
// The outer ring is clBtnShadow/clBtnHighlight when sunken and
// cl3DLight/cl3DDkShadow when raised; the inner ring is cl3DDkShadow/cl3DLight
// when sunken and clBtnHighlight/clBtnShadow when raised. The top-right and
// bottom-left corner pixels of a ring take its bottom-right colour.
#include "platform/graphics/canvas.h"
#include "platform/graphics/types.h"

constexpr unsigned BDR_RAISEDOUTER = 0x1;
constexpr unsigned BDR_SUNKENOUTER = 0x2;
constexpr unsigned BDR_RAISEDINNER = 0x4;
constexpr unsigned BDR_SUNKENINNER = 0x8;
constexpr unsigned BDR_OUTER = BDR_RAISEDOUTER | BDR_SUNKENOUTER;
constexpr unsigned BDR_INNER = BDR_RAISEDINNER | BDR_SUNKENINNER;

constexpr unsigned EDGE_RAISED = BDR_RAISEDOUTER | BDR_RAISEDINNER;
constexpr unsigned EDGE_SUNKEN = BDR_SUNKENOUTER | BDR_SUNKENINNER;
constexpr unsigned EDGE_ETCHED = BDR_SUNKENOUTER | BDR_RAISEDINNER;
constexpr unsigned EDGE_BUMP = BDR_RAISEDOUTER | BDR_SUNKENINNER;

constexpr unsigned BF_LEFT = 0x1;
constexpr unsigned BF_TOP = 0x2;
constexpr unsigned BF_RIGHT = 0x4;
constexpr unsigned BF_BOTTOM = 0x8;
constexpr unsigned BF_TOPLEFT = BF_TOP | BF_LEFT;
constexpr unsigned BF_BOTTOMRIGHT = BF_BOTTOM | BF_RIGHT;
constexpr unsigned BF_RECT = BF_LEFT | BF_TOP | BF_RIGHT | BF_BOTTOM;
constexpr unsigned BF_ADJUST = 0x2000;  // shrink rect by the rings drawn

// Draws the rings named by edge on the sides named by flags. With BF_ADJUST
// rect becomes the area inside the rings.
void DrawEdge(TCanvas& canvas, TRect& rect, unsigned edge, unsigned flags);
