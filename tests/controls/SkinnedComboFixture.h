#pragma once
// A skinned command picker on the headless screen with a small skin made in
// code (the box, its button and the three frames of its arrow glyph in
// plain colours), beside a plain button that can take the focus, a default
// button and a cancel button, each counting its presses.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "controls/TsComboBox.h"
#include "framework/controls/TButton.h"
#include "platform/windowing/WinUser.h"
#include "tests/skin/SkinOnScreen.h"

namespace combo_test {

constexpr TColor kBox = 0x00F8F0E8;
constexpr TColor kBoxHot = 0x00FFF8F0;
constexpr TColor kButton = 0x00C0D0E0;
constexpr TColor kButtonHot = 0x00E0B090;
constexpr TColor kGlyph[3] = {0x00000080, 0x00008000, 0x00800000};
constexpr TColor kText = 0x00102080;
constexpr TColor kFormColor = 0x00406020;

// A skinned picker's parts on the headless screen: the arrow glyph the
// skin gives it, and the screen's pixels at points of the box.
struct ComboOnScreen : SkinOnScreen {
  TsComboBox* combo = nullptr;

  // Three 8 x 6 frames side by side, one colour each, as GLYPHMASK.
  void AddGlyph() {
    auto picture = std::make_shared<Bitmap>(24, 6);
    for (int frame = 0; frame < 3; ++frame)
      for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 8; ++x) picture->setPixel(frame * 8 + x, y, kGlyph[frame]);
    TsMaskData glyph;
    glyph.Bmp = picture;
    glyph.SectionName = "COMBOBOX";
    glyph.PropertyName = "GLYPHMASK";
    glyph.R = Rect(0, 0, 24, 6);
    glyph.ImageCount = 3;
    glyph.ImgType = itisaGlyph;
    manager.Content().Masks.push_back(glyph);
  }
  HWND box() { return combo->Handle(); }
  TColor At(int x, int y) {
    const POINT p = driver.clientToScreen(box(), {x, y});
    return driver.screenshot().pixel(p.X, p.Y);
  }
  TRect Button() { return combo->Geometry().ButtonRect(); }
  TPoint ButtonMiddle() { return Point((Button().Left + Button().Right) / 2, (Button().Top + Button().Bottom) / 2); }
};

struct SkinnedComboFixture : ::testing::Test, ComboOnScreen {
  TBareTestForm* form = nullptr;
  TButton* other = nullptr;
  TButton* okButton = nullptr;
  TButton* cancelButton = nullptr;
  int okPresses = 0;
  int cancelPresses = 0;

  SkinnedComboFixture() {
    AddSection("GLOBALINFO", 0x00F0F0F0, 0x00F0F0F0);
    AddSection("COMBOBOX", kBox, kBoxHot);
    AddSection("COMBOBTN", kButton, kButtonHot);
    AddSection("EDIT", 0x00E8FFE8, 0x00E8FFE8);
    AddGlyph();
  }
  // Puts the skin to use and shows the form; a test adds its masks before.
  void Show() {
    ActivateSkin();
    form = TForm::Create<TBareTestForm>(&app);
    form->SetBounds(40, 40, 320, 300);
    form->SetColor(kFormColor);
    combo = new TsComboBox(form);
    combo->SetParent(form);
    combo->SetBounds(8, 20, 241, 21);
    combo->SetCtl3D(false);
    combo->Font().SetColor(kText);
    for (const char* entry : {"Наполнить БАНКУ 1", "Наполнить БАНКУ 2", "Вылить всё из БАНКИ 1"}) combo->Items().Add(entry);
    combo->SetText("Выберите команду");
    other = AddButton("Другая", 200);
    okButton = AddButton("OK", 230);
    okButton->SetDefault(true);
    okButton->OnClick = [this](TObject*) { ++okPresses; };
    cancelButton = AddButton("Отмена", 260);
    cancelButton->SetCancel(true);
    cancelButton->OnClick = [this](TObject*) { ++cancelPresses; };
    form->Show();
    driver.runUntilIdle();
    other->SetFocus();
    driver.runUntilIdle();
  }
  TButton* AddButton(const char* caption, int top) {
    auto* button = new TButton(form);
    button->SetParent(form);
    button->SetBounds(8, top, 80, 25);
    button->SetCaption(caption);
    return button;
  }
};

}  // namespace combo_test
