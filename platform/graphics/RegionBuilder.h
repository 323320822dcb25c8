#pragma once
// Builds a Region row by row from the top down. Each row gives its spans in
// any order, overlapping or touching; rows must come with increasing y and
// rows not given stay empty. Equal neighbouring rows become one band.
#include <span>
#include <vector>

#include "platform/graphics/Region.h"

class RegionBuilder {
 public:
  void addRow(int y, std::span<const Region::Span> spans);
  void addRow(int y, int left, int right);
  Region finish();

 private:
  void flush();
  std::vector<Region::Span> scratch_;
  std::vector<Region::Span> open_;  // normalised spans of the open band
  int openTop_ = 0;
  int openBottom_ = 0;  // the open band covers openTop_..openBottom_-1
  Region result_;
};
