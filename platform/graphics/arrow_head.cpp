#include "platform/graphics/arrow_head.h"

void DrawArrowHead(TCanvas& canvas, TPoint tip, TArrowDirection direction, int rows, TColor color) {
  const bool vertical = direction == TArrowDirection::adUp || direction == TArrowDirection::adDown;
  const int back =
      direction == TArrowDirection::adUp || direction == TArrowDirection::adLeft ? 1 : -1;
  for (int row = 0; row < rows; ++row) {
    for (int across = -row; across <= row; ++across) {
      if (vertical) {
        canvas.SetPixel(tip.X + across, tip.Y + back * row, color);
      } else {
        canvas.SetPixel(tip.X + back * row, tip.Y + across, color);
      }
    }
  }
}

void DrawButtonArrow(TCanvas& canvas, const TRect& button, TArrowDirection direction,
                     TColor color) {
  TPoint tip{(button.Left + button.Right) / 2, (button.Top + button.Bottom) / 2};
  switch (direction) {
    case TArrowDirection::adUp:
      --tip.Y;
      break;
    case TArrowDirection::adDown:
      ++tip.Y;
      break;
    case TArrowDirection::adLeft:
      --tip.X;
      break;
    case TArrowDirection::adRight:
      ++tip.X;
      break;
  }
  DrawArrowHead(canvas, tip, direction, 3, color);
}
