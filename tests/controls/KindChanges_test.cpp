// A label's colour source tells its label only about real changes: setting
// the value it already has repaints nothing, and a kind nobody listens to
// still takes its new values.
#include "controls/TsKind.h"

#include <gtest/gtest.h>

TEST(KindChanges, OnlyARealChangeIsReported) {
  int reports = 0;
  TsKind kind([&reports] { ++reports; });
  kind.SetKindType(ktSkin);
  kind.SetColor(clWhite);
  EXPECT_EQ(reports, 0) << "the values a new kind has already";
  kind.SetKindType(ktCustom);
  EXPECT_EQ(reports, 1);
  kind.SetKindType(ktCustom);
  EXPECT_EQ(reports, 1);
  kind.SetColor(clNavy);
  EXPECT_EQ(reports, 2);
  kind.SetColor(clNavy);
  EXPECT_EQ(reports, 2);
}

TEST(KindChanges, AKindWithoutAListenerStillChanges) {
  TsKind kind{std::function<void()>()};
  EXPECT_NO_THROW(kind.SetKindType(ktStandard));
  EXPECT_NO_THROW(kind.SetColor(clNavy));
  EXPECT_EQ(kind.KindType(), ktStandard);
  EXPECT_EQ(kind.Color(), clNavy);
}
