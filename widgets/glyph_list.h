#pragma once
// Where the push buttons keep the images they make from glyph strips: one
// list per image size, shared by every button whose glyph cells have that
// size, and a slot freed by one button is reused by the next.
#include <memory>
#include <vector>

#include "platform/graphics/bitmap.h"
#include "platform/graphics/types.h"

// A list of images of one size. Each slot holds an image and the colour
// left out when it is drawn; a deleted slot keeps its image until reused.
class TKxGlyphList {
 public:
  TKxGlyphList(int width, int height) : width_(width), height_(height) {}

  int Width() const { return width_; }
  int Height() const { return height_; }
  // Occupied slots.
  int Count() const { return count_; }
  // Slots ever made, occupied or free.
  int SlotCount() const { return static_cast<int>(slots_.size()); }
  bool Used(int slot) const { return slot >= 0 && slot < SlotCount() && used_[slot]; }

  // Stores `bitmap` in the first free slot (appending one when none is
  // free) with `mask_color` as its left-out colour; clDefault takes the
  // image's bottom-left pixel. Returns the slot.
  int AddMasked(const TBitmap& bitmap, TColor mask_color);
  // Frees a slot for reuse; a slot that is not occupied is left alone.
  void Delete(int slot);

  // Draws a slot at (x, y): transparently, or with its left-out pixels
  // painted in `background`.
  void Draw(TCanvas& canvas, int slot, int x, int y, bool transparent, TColor background) const;
  // The image of a slot with its left-out colour, for copies at other sizes.
  const TBitmap& Image(int slot) const { return slots_[slot].image; }
  TColor MaskColor(int slot) const { return slots_[slot].mask; }

 private:
  struct Slot {
    TBitmap image;
    TColor mask = clNone;
  };

  int width_;
  int height_;
  int count_ = 0;
  std::vector<Slot> slots_;
  std::vector<bool> used_;
};

// The program's lists of glyph images, one per image size.
class TKxGlyphCache {
 public:
  // The list for that image size, made when there is none yet.
  TKxGlyphList* GetList(int width, int height);
  // Frees a list that no slot uses any more.
  void ReturnList(TKxGlyphList* list);
  bool Empty() const { return lists_.empty(); }
  int ListCount() const { return static_cast<int>(lists_.size()); }

 private:
  std::vector<std::unique_ptr<TKxGlyphList>> lists_;
};

// The one cache: made by the first glyph holder that needs it and freed by
// the last holder that goes while it is empty.
extern TKxGlyphCache* GlyphCache;
