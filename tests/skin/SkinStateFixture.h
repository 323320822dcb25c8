#pragma once
// Small skinned controls and a skin put together in code for the tests of
// the control skin state and of background sharing: a container that keeps
// a cache (or leaves its children to ask further up), a windowless control
// and a form, on the headless screen.
#include <string>

#include "framework/TApplication.h"
#include "framework/TCustomControl.h"
#include "framework/TCustomForm.h"
#include "framework/TGraphicControl.h"
#include "framework/graphics/TBitmap.h"
#include "platform/headless/HeadlessDriver.h"
#include "skin/TsCommonData.h"
#include "skin/TsSkinManager.h"

// A windowed container whose skin state answers the engine's questions.
class TSkinnedPanel : public TCustomControl {
 public:
  explicit TSkinnedPanel(TComponent* owner, int kind = 51) : TCustomControl(owner), SkinData(this, true, kind) {}
  TsCommonData SkinData;

 protected:
  void WndProc(TMessage& message) override {
    if (SkinData.ProcessMessage(message)) return;
    TCustomControl::WndProc(message);
  }
};

// A windowless control with a skin state; paints a solid colour.
class TSkinnedDot : public TGraphicControl {
 public:
  explicit TSkinnedDot(TComponent* owner, int kind = 200) : TGraphicControl(owner), SkinData(this, false, kind) {}
  TsCommonData SkinData;
  TColor Fill = clBlack;
  bool OpaqueDot = false;
  bool Opaque() const override { return OpaqueDot; }

 protected:
  void Paint() override {
    Canvas().Brush.SetColor(Fill);
    Canvas().FillRect(Rect(0, 0, Width(), Height()));
  }
  void WndProc(TMessage& message) override {
    if (SkinData.ProcessMessage(message)) return;
    TGraphicControl::WndProc(message);
  }
};

class TPlainTestForm : public TForm {
 public:
  using TForm::TForm;

 protected:
  std::string LayoutResource() const override { return {}; }
};

struct SkinStateFixture {
  HeadlessDriver driver;
  TApplication app{nullptr};
  TsSkinManager manager{nullptr};
  TPlainTestForm* form = nullptr;

  SkinStateFixture();
  ~SkinStateFixture();

  // Appends a section and answers its index.
  int AddSection(const std::string& name, int transparency = 0, TColor color = 0xFFFFFF);
  TsGeneralData& Section(int index) { return manager.Content().Sections[static_cast<std::size_t>(index)]; }
  // A border mask in its own bitmap with the given widths.
  int AddBorderMask(const std::string& section, int wl, int wt, int wr, int wb);
  TSkinnedPanel* AddPanel(TWinControl* parent, const std::string& section, TRect bounds);
  TSkinnedDot* AddDot(TWinControl* parent, const std::string& section, TRect bounds);
};
