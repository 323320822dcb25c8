#pragma once
// The hint manager's published settings: which preset look its hints take,
// how long they stay up, where the window sits against the hint point. It
// takes over the application's hint timing and show-hint handler when made;
// the drawn hint windows themselves are not installed yet, so hints still
// show in the application's own hint window.
#include <memory>
#include <string>

#include "controls/TsHintKind.h"
#include "framework/TApplication.h"
#include "framework/TComponent.h"

enum TsMousePosition { mpLeftTop, mpLeftBottom, mpRightTop, mpRightBottom };
enum TsHintsPredefinitions {
  shSimply, shGradient, shTransparent, shEllipse, shBalloon, shComicsGradient, shComicsTransparent, shStandard,
  shNone, shCustom
};

class TsHintManager : public TComponent {
 public:
  TRAINER_CLASS_INFO()

  static constexpr const char* kDefaultSkinSection = "HINT";

  explicit TsHintManager(TComponent* owner);
  ~TsHintManager() override;

  bool Animated() const { return animated_; }
  void SetAnimated(bool value) { animated_ = value; }
  TsMousePosition DefaultMousePos() const { return defaultMousePos_; }
  void SetDefaultMousePos(TsMousePosition value) { defaultMousePos_ = value; }
  TsHintKind& HintKind() { return hintKind_; }
  bool HTMLMode() const { return htmlMode_; }
  void SetHTMLMode(bool value) { htmlMode_ = value; }
  // Milliseconds a hint stays up; also the application's hint hide pause.
  int PauseHide() const { return pauseHide_; }
  void SetPauseHide(int value);
  TsHintsPredefinitions Predefinitions() const { return predefinitions_; }
  void SetPredefinitions(TsHintsPredefinitions value) { predefinitions_ = value; }
  const std::string& SkinSection() const { return skinSection_; }
  void SetSkinSection(const std::string& value) { skinSection_ = value; }
  bool UseSkinData() const { return useSkinData_; }
  // Switching the skin data off at run time brings the preset back.
  void SetUseSkinData(bool value);
  // The last hint point, (-1, -1) until a hint was shown: the cursor then.
  TPoint HintPoint() const { return hintPoint_; }

  // Overwrites HintKind with the preset look (shStandard, shNone and
  // shCustom change the style at most).
  void ApplyPreset();

  void Loaded() override;

  TShowHintEvent OnShowHint;

 private:
  void ShowHint(std::string& text, bool& canShow, THintInfo& info);

  bool animated_ = true;
  TsMousePosition defaultMousePos_ = mpLeftTop;
  TsHintKind hintKind_;
  bool htmlMode_ = false;
  int pauseHide_ = 5000;
  TsHintsPredefinitions predefinitions_ = shEllipse;
  std::string skinSection_ = kDefaultSkinSection;
  bool useSkinData_ = false;
  TPoint hintPoint_{-1, -1};
  // Cleared when the manager goes, so the application's handler never calls
  // into a destroyed manager.
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};
