#pragma once
// The ground of the skinned controls' tests: the headless screen, the
// application, and a skin manager whose skin is put together in code from
// sections of plain colours, so one pixel tells which section was painted.
// The skin is cleared when the test ends.
#include <memory>
#include <string>
#include <utility>

#include "framework/TApplication.h"
#include "framework/TCustomForm.h"
#include "platform/headless/HeadlessDriver.h"
#include "skin/TsSkinManager.h"

// A form without a layout: the test places its controls itself.
class TBareTestForm : public TForm {
 public:
  using TForm::TForm;

 protected:
  std::string LayoutResource() const override { return {}; }
};

struct SkinOnScreen {
  HeadlessDriver driver;
  TApplication app{nullptr};
  TsSkinManager manager{nullptr};

  SkinOnScreen() { app.Initialize(); }
  ~SkinOnScreen() { manager.Content().ClearSkin(); }

  // Appends a section of one colour; the reference lives until the next one.
  TsGeneralData& AddSection(const std::string& name, TColor color) {
    TsGeneralData section;
    section.SectionName = name;
    section.Color = color;
    manager.Content().Sections.push_back(section);
    return manager.Content().Sections.back();
  }
  // The same with its colour in the hot state.
  TsGeneralData& AddSection(const std::string& name, TColor color, TColor hot) {
    TsGeneralData& section = AddSection(name, color);
    section.HotColor = hot;
    return section;
  }
  // Gives a section a border picture of its own (BORDERSMASK): `frames`
  // state frames side by side, borders `width` pixels wide all round.
  TsMaskData& AddBorderPicture(const std::string& section, std::shared_ptr<Bitmap> picture, int width, int frames = 1) {
    TsMaskData border;
    border.SectionName = section;
    border.PropertyName = "BORDERSMASK";
    border.R = Rect(0, 0, picture->width(), picture->height());
    border.Bmp = std::move(picture);
    border.ImageCount = frames;
    border.WL = border.WT = border.WR = border.WB = width;
    border.Manager = &manager;
    manager.Content().Masks.push_back(border);
    return manager.Content().Masks.back();
  }
  // Puts the skin to use once its sections are in.
  void ActivateSkin() {
    manager.Content().SkinData.Active = true;
    manager.Content().RefreshConstIndexes();
  }
};
