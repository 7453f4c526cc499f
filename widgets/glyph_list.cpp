#include "widgets/glyph_list.h"

#include <algorithm>

TKxGlyphCache* GlyphCache = nullptr;

int TKxGlyphList::AddMasked(const TBitmap& bitmap, TColor mask_color) {
  auto free_slot = std::find(used_.begin(), used_.end(), false);
  const int slot = static_cast<int>(free_slot - used_.begin());
  if (slot == SlotCount()) {
    slots_.emplace_back();
    used_.push_back(false);
  }
  Slot& target = slots_[slot];
  target.image.SetSize(width_, height_);
  target.image.Canvas().Draw(0, 0, bitmap);
  target.mask =
      mask_color == clDefault ? bitmap.Pixel(0, bitmap.Height() - 1) : ColorToRGB(mask_color);
  used_[slot] = true;
  ++count_;
  return slot;
}

void TKxGlyphList::Delete(int slot) {
  if (!Used(slot)) return;
  used_[slot] = false;
  --count_;
}

void TKxGlyphList::Draw(TCanvas& canvas, int slot, int x, int y, bool transparent,
                        TColor background) const {
  if (!Used(slot)) return;
  const Slot& source = slots_[slot];
  const TColor fill = ColorToRGB(background);
  for (int row = 0; row < height_; ++row) {
    for (int column = 0; column < width_; ++column) {
      const TColor pixel = source.image.Pixel(column, row);
      if (pixel != source.mask) {
        canvas.SetPixel(x + column, y + row, pixel);
      } else if (!transparent) {
        canvas.SetPixel(x + column, y + row, fill);
      }
    }
  }
}

TKxGlyphList* TKxGlyphCache::GetList(int width, int height) {
  for (auto it = lists_.rbegin(); it != lists_.rend(); ++it) {
    if ((*it)->Width() == width && (*it)->Height() == height) return it->get();
  }
  lists_.push_back(std::make_unique<TKxGlyphList>(width, height));
  return lists_.back().get();
}

void TKxGlyphCache::ReturnList(TKxGlyphList* list) {
  if (!list || list->Count() != 0) return;
  std::erase_if(lists_, [list](const auto& held) { return held.get() == list; });
}
