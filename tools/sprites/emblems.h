#pragma once
// The small pictures faintly printed on the dialog backgrounds, one for each
// subject: a dispatch about a fleet carries an anchor, one about a riot a torch.
#include "platform/graphics/canvas.h"

enum class Emblem {
  kStar,
  kAnchor,
  kCannon,
  kRail,
  kFort,
  kTorch,
  kFlag,
  kWreath,
  kNewspaper,
  kDome,
  kSabres,
  kTent,
  kChain,
};

// Draws the emblem in `ink` inside `box`; `paper` fills the openings in it.
void DrawEmblem(TCanvas& canvas, Emblem emblem, const TRect& box, TColor ink, TColor paper);
