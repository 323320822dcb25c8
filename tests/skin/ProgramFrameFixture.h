#pragma once
// Forms on the headless screen with the program's own skin loaded and the
// window hook connected, so every form gets its skinned frame at its first
// activation, as in the program.
#include <string>
#include <vector>

#include "framework/TApplication.h"
#include "framework/TCustomForm.h"
#include "platform/headless/HeadlessDriver.h"
#include "skin/TsSkinManager.h"
#include "skin/frame/TsSkinProvider.h"

class TFrameTestForm : public TForm {
 public:
  using TForm::TForm;
  int Closed = 0;
  std::vector<WPARAM> SysKeysHeard;  // the Alt keys the form's own handling received

 protected:
  std::string LayoutResource() const override { return {}; }
  void WndProc(TMessage& message) override {
    if (message.Msg == WM_SYSKEYDOWN) SysKeysHeard.push_back(message.WParam);
    TForm::WndProc(message);
  }
};

struct ProgramFrameFixture {
  HeadlessDriver driver;
  TApplication app{nullptr};
  TsSkinManager manager{nullptr};

  explicit ProgramFrameFixture(unsigned rules = srStdForms | srStdDialogs | srThirdParty);
  ~ProgramFrameFixture();

  // A form of the style with the given client size, shown and activated.
  TFrameTestForm* ShowForm(TFormBorderStyle style, TBorderIcons icons, int clientWidth, int clientHeight,
                           const std::string& caption = "Банки", std::intptr_t tag = 0);
  // The frame object of a form (through the skin command), or null.
  static TsSkinProvider* ProviderOf(TCustomForm& form);
  const TsSkinContent& Skin() const { return manager.Content(); }
  const TsMaskData& Mask(int index) const { return manager.Content().Masks[static_cast<std::size_t>(index)]; }
};
