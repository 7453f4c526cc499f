#pragma once

#include <functional>
#include <vector>

#include "platform/components/component.h"
#include "platform/graphics/bitmap.h"

class TImageList;

// A link through which a control hears that an image list changed.
class TChangeLink {
 public:
  ~TChangeLink();
  std::function<void()> OnChange;

 private:
  friend class TImageList;
  TImageList* sender_ = nullptr;
};

// Pictures of one size, each with the colour its transparent pixels have.
// Adding a strip wider than Width adds one picture per Width-wide cell.
class TImageList : public TComponent {
 public:
  explicit TImageList(TComponent* owner = nullptr, int width = 16, int height = 16);
  ~TImageList() override;

  int Width() const { return width_; }
  int Height() const { return height_; }
  // Changing the size empties the list.
  void SetSize(int width, int height);
  int Count() const { return static_cast<int>(images_.size()); }

  // Adds the cells of `strip`, transparent where they have `mask_color`
  // (clNone: nothing is transparent); returns the index of the first, or -1
  // when the strip is narrower than one picture.
  int AddMasked(const TBitmap& strip, TColor mask_color);
  void Delete(int index);
  void Clear();
  // Copies picture `index` into `bitmap`; false for an index out of range.
  bool GetBitmap(int index, TBitmap& bitmap) const;
  // Draws picture `index` at (x, y); a disabled one in the shadow colour.
  void Draw(TCanvas& canvas, int x, int y, int index, bool enabled = true) const;

  void RegisterChanges(TChangeLink& link);
  void UnRegisterChanges(TChangeLink& link);
  std::function<void()> OnChange;

 private:
  void Changed();

  int width_;
  int height_;
  std::vector<TBitmap> images_;
  std::vector<TChangeLink*> links_;
};
