// The off-screen picture of the windowless children is kept between paints
// and grows to the largest size asked for; a paint nested in another one
// gets a picture of its own, never the one the outer paint is drawing on.
#include <gtest/gtest.h>

#include "framework/graphics/TBitmap.h"
#include "skin/KeptPicture.h"

TEST(KeptPicture, IsLentAgainAfterEachPaintAndNeverToTwoPaintsAtOnce) {
  const TBitmap* first = nullptr;
  {
    KeptPicture outer(100, 40);
    first = &outer.Picture();
    EXPECT_GE(outer.Picture().Width(), 100);
    EXPECT_GE(outer.Picture().Height(), 40);
    KeptPicture nested(30, 30);
    EXPECT_NE(&nested.Picture(), first) << "the outer paint is still drawing on the kept picture";
    EXPECT_GE(nested.Picture().Width(), 30);
  }
  KeptPicture later(20, 80);
  EXPECT_EQ(&later.Picture(), first) << "kept, not made anew";
  EXPECT_GE(later.Picture().Width(), 100) << "it only grows";
  EXPECT_GE(later.Picture().Height(), 80);
}
