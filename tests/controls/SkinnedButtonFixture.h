#pragma once
// A form with a skinned button on the headless screen and a small skin made
// in code: a BUTTON section whose normal and hot colours differ, fading
// with 20 iterations like the built-in skin.
#include <initializer_list>
#include <string>

#include "framework/TApplication.h"
#include "framework/TCustomForm.h"
#include "framework/controls/TButton.h"
#include "framework/graphics/TImageList.h"
#include "paint/primitives/BlendPrimitives.h"
#include "platform/headless/HeadlessDriver.h"
#include "platform/windowing/WinUser.h"
#include "skin/TsSkinManager.h"

constexpr TColor kButtonNormal = 0x00204060;
constexpr TColor kButtonHot = 0x00E0C0A0;
constexpr TColor kFormColor = 0x00FFFFFF;

class TButtonTestForm : public TForm {
 public:
  using TForm::TForm;

 protected:
  std::string LayoutResource() const override { return {}; }
};

struct SkinnedButtonFixture {
  HeadlessDriver driver;
  TApplication app{nullptr};
  TsSkinManager manager{nullptr};
  TButtonTestForm* form = nullptr;
  int buttonSection = -1;

  SkinnedButtonFixture() {
    app.Initialize();
    TsSkinContent& skin = manager.Content();
    AddSection("GLOBALINFO", 0x00F0F0F0);
    buttonSection = AddSection("BUTTON", kButtonNormal);
    TsGeneralData& button = Section();
    button.HotColor = kButtonHot;
    button.FadingEnabled = true;
    button.FadingIterations = 20;
    skin.SkinData.Active = true;
    skin.RefreshConstIndexes();
    form = TForm::Create<TButtonTestForm>(&app);
    form->SetBounds(40, 40, 320, 200);
    form->SetColor(kFormColor);
  }
  ~SkinnedButtonFixture() { manager.Content().ClearSkin(); }

  int AddSection(const std::string& name, TColor color) {
    TsGeneralData section;
    section.SectionName = name;
    section.Color = color;
    manager.Content().Sections.push_back(section);
    return static_cast<int>(manager.Content().Sections.size()) - 1;
  }
  TsGeneralData& Section() { return manager.Content().Sections[static_cast<std::size_t>(buttonSection)]; }

  // A plain button far from the skinned one takes the focus, so the skinned
  // one is hot only under the mouse.
  void FocusElsewhere() {
    auto* other = new TButton(form);
    other->SetParent(form);
    other->SetBounds(220, 150, 60, 25);
    other->SetFocus();
    driver.runUntilIdle();
  }

  // An image list of size x size pictures, one solid colour each, every
  // bottom-left pixel (the transparent colour) blue.
  TImageList* SolidImageList(std::initializer_list<TColor> colours, int size) {
    auto* list = new TImageList(form);
    list->SetWidth(size);
    list->SetHeight(size);
    for (const TColor colour : colours) {
      Bitmap picture(size, size);
      picture.fill(colour);
      picture.setPixel(0, size - 1, clBlue);
      list->Add(picture);
    }
    return list;
  }

  // The window's picture as the screen shows it.
  Bitmap Shot(HWND window) { return driver.windowShot(window); }
  POINT ScreenPoint(HWND window, int x, int y) { return driver.clientToScreen(window, {x, y}); }
};

// The weighted copy of `fresh` over `old` with weight a (what a fade frame shows).
inline Bitmap FadeFrame(const Bitmap& old, const Bitmap& fresh, int a) {
  Bitmap frame = old;
  SumBitmaps(frame, fresh, static_cast<std::uint8_t>(a));
  return frame;
}

inline bool SamePixels(const Bitmap& a, const Bitmap& b) {
  if (a.width() != b.width() || a.height() != b.height()) return false;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x)
      if (a.pixel(x, y) != b.pixel(x, y)) return false;
  return true;
}
