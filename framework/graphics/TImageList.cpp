#include "framework/graphics/TImageList.h"

#include <algorithm>

#include "framework/streaming/TClassInfo.h"
#include "framework/streaming/TPropertyBuilder.h"

const TClassInfo& TImageList::StaticClassInfo() {
  static const TClassInfo info("TImageList", &TComponent::StaticClassInfo(), [](TClassInfo& c) {
    c.SetFactory(ComponentFactory<TImageList>());
    TPropertyBuilder<TImageList>(c)
        .Integer("Width", &TImageList::Width, &TImageList::SetWidth)
        .Integer("Height", &TImageList::Height, &TImageList::SetHeight);
  });
  return info;
}

TImageList::TImageList(TComponent* owner) : TComponent(owner) {}

// A new size makes the pictures of the old one meaningless.
void TImageList::SetWidth(int width) {
  width = std::max(1, width);
  if (width == width_) return;
  width_ = width;
  images_.clear();
}

void TImageList::SetHeight(int height) {
  height = std::max(1, height);
  if (height == height_) return;
  height_ = height;
  images_.clear();
}

int TImageList::Add(const Bitmap& strip) {
  if (strip.height() < height_ || strip.width() < width_) return -1;
  const int first = Count();
  for (int left = 0; left + width_ <= strip.width(); left += width_) {
    Bitmap cell(width_, height_, PixelFormat::Bgr24);
    for (int y = 0; y < height_; ++y)
      for (int x = 0; x < width_; ++x) cell.setPixel(x, y, strip.pixel(left + x, y));
    images_.push_back(std::move(cell));
  }
  return first;
}

const Bitmap* TImageList::Image(int index) const {
  if (index < 0 || index >= Count()) return nullptr;
  return &images_[static_cast<std::size_t>(index)];
}
