#include "platform/graphics/frame_control.h"

#include <array>
#include <string_view>

#include "platform/graphics/edges.h"
#include "platform/graphics/system_colours.h"

namespace {

// The tick of a checked box, placed at (3, 3) inside the 13 x 13 box.
constexpr std::array<std::string_view, 7> kTick = {
    "......#",  //
    ".....##",  //
    "#...###",  //
    "##.###.",  //
    "#####..",  //
    ".###...",  //
    "..#....",  //
};

// The radio circle, 12 x 12: outer ring a (top-left) and b (bottom-right),
// inner ring c and d, inside w, the checked dot o.
constexpr std::array<std::string_view, 12> kRadio = {
    "....aaaa....",  //
    "..aaccccaa..",  //
    ".accwwwwddb.",  //
    ".acwwwwwwdb.",  //
    "acwwwoowwwdb",  //
    "acwwoooowwdb",  //
    "acwwoooowwdb",  //
    "acwwwoowwwdb",  //
    ".acwwwwwwdb.",  //
    ".addwwwwddb.",  //
    "..bbddddbb..",  //
    "....bbbb....",  //
};

template <std::size_t N>
void Stamp(TCanvas& canvas, TPoint at, const std::array<std::string_view, N>& picture, char key,
           TColor color) {
  for (std::size_t y = 0; y < picture.size(); ++y) {
    for (std::size_t x = 0; x < picture[y].size(); ++x) {
      if (picture[y][x] == key) {
        canvas.SetPixel(at.X + static_cast<int>(x), at.Y + static_cast<int>(y), color);
      }
    }
  }
}

void DrawCheckBox(TCanvas& canvas, TPoint at, unsigned state) {
  const bool inactive = state & DFCS_INACTIVE;
  const bool grayed = (state & DFCS_BUTTON3STATE) && (state & DFCS_CHECKED);
  TRect box = TRect::Bounds(at.X, at.Y, kMarkSize, kMarkSize);
  DrawEdge(canvas, box, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
  TCanvasStateGuard guard(canvas);
  canvas.Brush.Style = bsSolid;
  canvas.Brush.Color = inactive || grayed ? clBtnFace : clWindow;
  canvas.FillRect(box);
  if (state & DFCS_CHECKED) {
    Stamp(canvas, {at.X + 3, at.Y + 3}, kTick, '#',
          inactive || grayed ? clBtnShadow : clWindowText);
  }
}

void DrawRadio(TCanvas& canvas, TPoint at, unsigned state) {
  const bool inactive = state & DFCS_INACTIVE;
  const TColor inside = inactive ? clBtnFace : clWindow;
  Stamp(canvas, at, kRadio, 'a', clBtnShadow);
  Stamp(canvas, at, kRadio, 'b', clBtnHighlight);
  Stamp(canvas, at, kRadio, 'c', cl3DDkShadow);
  Stamp(canvas, at, kRadio, 'd', cl3DLight);
  Stamp(canvas, at, kRadio, 'w', inside);
  const bool checked = state & DFCS_CHECKED;
  Stamp(canvas, at, kRadio, 'o', checked ? (inactive ? clBtnShadow : clWindowText) : inside);
}

}  // namespace

bool DrawFrameControl(TCanvas& canvas, const TRect& rect, unsigned type, unsigned state) {
  if (type != DFC_BUTTON) return false;
  if (state & DFCS_BUTTONRADIO) {
    DrawRadio(canvas, rect.TopLeft(), state);
  } else {
    DrawCheckBox(canvas, rect.TopLeft(), state);
  }
  return true;
}
