#include "tests/skin/SkinStateFixture.h"

#include <memory>

SkinStateFixture::SkinStateFixture() {
  app.Initialize();
  manager.Content().SkinData.Active = true;
  AddSection("GLOBALINFO", 0, 0x00D0E0F0);
  manager.Content().RefreshConstIndexes();
  form = TForm::Create<TPlainTestForm>(&app);
  form->SetBounds(40, 40, 320, 240);
  form->SetColor(0x00FFFFFF);
}

SkinStateFixture::~SkinStateFixture() {
  // The skin goes before the controls that point into it.
  manager.Content().ClearSkin();
}

int SkinStateFixture::AddSection(const std::string& name, int transparency, TColor color) {
  TsGeneralData section;
  section.SectionName = name;
  section.Transparency = transparency;
  section.Color = color;
  auto& sections = manager.Content().Sections;
  sections.push_back(section);
  return static_cast<int>(sections.size()) - 1;
}

int SkinStateFixture::AddBorderMask(const std::string& section, int wl, int wt, int wr, int wb) {
  TsMaskData mask;
  mask.SectionName = section;
  mask.PropertyName = "BORDERSMASK";
  mask.Bmp = std::make_shared<Bitmap>(30, 20, PixelFormat::Bgr24);
  mask.R = Rect(0, 0, 30, 20);
  mask.ImageCount = 1;
  mask.WL = static_cast<std::int16_t>(wl);
  mask.WT = static_cast<std::int16_t>(wt);
  mask.WR = static_cast<std::int16_t>(wr);
  mask.WB = static_cast<std::int16_t>(wb);
  mask.Manager = &manager;
  auto& masks = manager.Content().Masks;
  masks.push_back(mask);
  return static_cast<int>(masks.size()) - 1;
}

TSkinnedPanel* SkinStateFixture::AddPanel(TWinControl* parent, const std::string& section, TRect bounds) {
  auto* panel = new TSkinnedPanel(form);
  panel->SetParent(parent);
  panel->SetBounds(bounds.Left, bounds.Top, bounds.Width(), bounds.Height());
  panel->SkinData.SetSkinSection(section);
  return panel;
}

TSkinnedDot* SkinStateFixture::AddDot(TWinControl* parent, const std::string& section, TRect bounds) {
  auto* dot = new TSkinnedDot(form);
  dot->SetParent(parent);
  dot->SetBounds(bounds.Left, bounds.Top, bounds.Width(), bounds.Height());
  dot->SkinData.SetSkinSection(section);
  return dot;
}
