#pragma once
// Places the images of the master bitmap. Some rectangles are pinned (the
// options file must name them exactly); every other image is put at the
// first free place, scanning rows from the top, with a one-pixel gap of key
// colour around it so that no two images touch.
#include <string>
#include <vector>

#include "platform/Geometry.h"

class MasterLayout {
 public:
  explicit MasterLayout(int width) : width_(width) {}

  // Reserves an exact rectangle; false when it leaves the width or meets a
  // rectangle already placed.
  [[nodiscard]] bool pin(const std::string& name, const TRect& r);
  // Finds room for a width x height image; the rectangle is empty when the
  // image is wider than the layout.
  TRect place(const std::string& name, int width, int height);

  int width() const { return width_; }
  // Height needed to hold every placed rectangle.
  int height() const;

  struct Entry {
    std::string name;
    TRect rect;
  };
  const std::vector<Entry>& entries() const { return entries_; }

 private:
  // A rectangle placed earlier that r (grown by the gap) would touch, or null.
  const Entry* blocker(const TRect& r) const;

  int width_;
  std::vector<Entry> entries_;
};
