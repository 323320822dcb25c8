#pragma once
// A list of small pictures of one size (Width x Height), taken from strips
// cut into cells; buttons draw one of them as their glyph. Pictures are
// 24-bit, their bottom-left pixel the transparent colour.
#include <vector>

#include "framework/TComponent.h"
#include "platform/Bitmap.h"

class TImageList : public TComponent {
 public:
  TRAINER_CLASS_INFO()

  explicit TImageList(TComponent* owner);

  int Width() const { return width_; }
  void SetWidth(int width);
  int Height() const { return height_; }
  void SetHeight(int height);
  int Count() const { return static_cast<int>(images_.size()); }

  // Cuts the strip into cells of Width x Height, left to right, and adds
  // them; answers the index of the first one (-1 when none fits).
  int Add(const Bitmap& strip);
  void Clear() { images_.clear(); }
  // The picture at the index, nullptr outside the list.
  const Bitmap* Image(int index) const;

 private:
  int width_ = 16;
  int height_ = 16;
  std::vector<Bitmap> images_;
};
