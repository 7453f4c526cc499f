// Flat scroll bars: a window's bars repainted as plain framed arrows and
// thumb over the classic ones.
#include <algorithm>

#include "platform/graphics/canvas.h"
#include "platform/graphics/system_colours.h"
#include "widgets/draw_utils.h"
#include "widgets/tools.h"

namespace {

struct BarState {
  bool deep;
  bool tracking;
  bool control_bar;
  bool enabled;
};

void FramePart(TCanvas& canvas, const TRect& part, bool deep) {
  if (deep) {
    Draw3DBorder(canvas, part, COLOR_BTNFACE, COLOR_3DDKSHADOW, COLOR_BTNHIGHLIGHT,
                 COLOR_BTNSHADOW);
  } else {
    Draw3DBorder(canvas, part, COLOR_BTNHIGHLIGHT, COLOR_BTNSHADOW, COLOR_BTNFACE, COLOR_BTNFACE);
  }
}

// A part of the bar `length` long, starting `start` pixels along it.
TRect Part(const TRect& bar, bool vertical, int start, int length) {
  return vertical ? TRect{bar.Left, bar.Top + start, bar.Right, bar.Top + start + length}
                  : TRect{bar.Left + start, bar.Top, bar.Left + start + length, bar.Bottom};
}

void DrawFlatScrollBar(TCanvas& canvas, const TRect& bar, bool vertical, const TKxScrollInfo& info,
                       const BarState& state) {
  int arrow = GetSystemMetrics(SM_CXHSCROLL);
  const int smallest_thumb = IsWin98Up ? arrow / 2 : 8;
  const int length = vertical ? bar.Height() : bar.Width();
  if (length < 2 * arrow) arrow = vertical ? length / 2 : (length + 1) / 2;
  if (!state.tracking) {
    FramePart(canvas, Part(bar, vertical, 0, arrow), state.deep);
    FramePart(canvas, Part(bar, vertical, length - arrow, arrow), state.deep);
  }
  if (state.control_bar && !state.enabled) return;
  const int range = info.Max - info.Min + 1;
  if (range == 0) return;
  const int track = length - 2 * arrow;
  int thumb = info.Page != 0 ? std::max(MulDiv(info.Page, track, range), smallest_thumb)
                             : GetSystemMetrics(SM_CXHTHUMB);
  if (thumb >= track) {
    thumb = track;
    if (!state.control_bar) return;
  }
  int offset = 0;
  if (range == info.Page) {
    thumb -= 1;
  } else {
    const int position = state.tracking ? info.TrackPos : info.Pos;
    // A page larger than the range would put the thumb outside the bar.
    offset = std::clamp(MulDiv(position - info.Min, track - thumb, range - info.Page), 0,
                        std::max(0, track - thumb));
  }
  FramePart(canvas, Part(bar, vertical, arrow + offset, thumb), state.deep);
}

}  // namespace

void DrawFlatScrollBars(const TKxScrollBarWindow& window, TCanvas& canvas, const TRect& rect,
                        int bars, bool deep, bool horz_tracking, bool vert_tracking,
                        bool control_bar) {
  const bool want_horz = (bars & kKxHorzBar) != 0 && window.HasHorzBar;
  const bool want_vert = (bars & kKxVertBar) != 0 && window.HasVertBar;
  const int border = window.HasBorder       ? GetSystemMetrics(SM_CXBORDER)
                     : window.HasClientEdge ? GetSystemMetrics(SM_CXEDGE)
                                            : 0;
  const int vert_thickness = GetSystemMetrics(SM_CXHSCROLL);
  const int horz_thickness = GetSystemMetrics(SM_CYVSCROLL);
  const bool width_room = rect.Width() - window.ClientSize.cx >= vert_thickness + border;
  const bool height_room = rect.Height() - window.ClientSize.cy >= horz_thickness + border;
  const int left = rect.Left + border;
  const int top = rect.Top + border;
  const int right = rect.Right - border;
  const int bottom = rect.Bottom - border;
  const auto horz = [&](int end) {
    DrawFlatScrollBar(canvas, {left, bottom - horz_thickness, end, bottom}, false,
                      control_bar ? window.Control : window.Horz,
                      {deep, horz_tracking, control_bar, window.Enabled});
  };
  const auto vert = [&](int end) {
    DrawFlatScrollBar(canvas, {right - vert_thickness, top, right, end}, true,
                      control_bar ? window.Control : window.Vert,
                      {deep, vert_tracking, control_bar, window.Enabled});
  };
  if (want_horz && want_vert && width_room && height_room) {
    horz(right - vert_thickness);
    vert(bottom - horz_thickness);
  } else if (want_vert && width_room) {
    vert(bottom);
  } else if (want_horz && height_room) {
    horz(right);
  }
}
