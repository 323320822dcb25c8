// The name field without a skin: its text is drawn in its font's colour
// (navy in the personal-data window), not in the platform's black.
#include <gtest/gtest.h>

#include <cstdlib>

#include "controls/TsEdit.h"
#include "framework/TApplication.h"
#include "framework/TCustomForm.h"
#include "platform/headless/HeadlessDriver.h"
#include "platform/windowing/WinUser.h"

namespace {
class TEditForm : public TForm {
 public:
  using TForm::TForm;

 protected:
  std::string LayoutResource() const override { return {}; }
};

int CountNear(const Bitmap& shot, const TRect& area, TColor color) {
  int n = 0;
  for (int y = area.Top; y < area.Bottom; ++y)
    for (int x = area.Left; x < area.Right; ++x) {
      const TColor c = shot.pixel(x, y);
      int d = 0;
      for (int shift : {0, 8, 16}) d += std::abs(static_cast<int>((c >> shift) & 0xFF) - static_cast<int>((color >> shift) & 0xFF));
      n += d < 40;
    }
  return n;
}
}  // namespace

TEST(PlainNameField, TextIsDrawnInTheFontColour) {
  HeadlessDriver driver;
  TApplication app(nullptr);
  app.Initialize();
  auto* form = TForm::Create<TEditForm>(&app);
  form->SetBounds(20, 20, 300, 120);
  auto* edit = new TsEdit(form);
  edit->SetParent(form);
  edit->SetBounds(10, 10, 137, 32);
  edit->SetColor(clWhite);
  edit->Font().SetColor(clNavy);
  edit->Font().SetHeight(-19);
  edit->SetText("Мария");
  form->Show();
  driver.runUntilIdle();
  const POINT topLeft = driver.clientToScreen(edit->Handle(), {0, 0});
  const Bitmap shot = driver.screenshot();
  const TRect area = Bounds(topLeft.X, topLeft.Y, edit->ClientWidth(), edit->ClientHeight());
  const int navy = CountNear(shot, area, ColorToRGB(clNavy));
  EXPECT_GT(navy, 20);
  // Only the caret of the focused field is black.
  EXPECT_LT(CountNear(shot, area, clBlack), navy / 2);
}
