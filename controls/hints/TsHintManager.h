#pragma once
// The hint manager: which preset look its hints take, how long they stay up,
// where the window sits against the hint point. It takes over the
// application's hint timing and show-hint handler when made, and puts the
// drawn hint window of its Style in place of the application's hint window
// class (hsStandard gives the platform's window back, hsNone shows none).
#include <memory>
#include <string>

#include "controls/hints/TsHintKind.h"
#include "framework/TApplication.h"
#include "framework/TComponent.h"
#include "framework/graphics/TBitmap.h"

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

  // The manager whose window class shows the application's hints, and
  // whether it shows them at all (not with hsStandard or hsNone).
  static TsHintManager* Current() { return current_; }
  bool Active() const;
  // Puts the window class of the current Style in place.
  void InstallWindowClass();
  // Measuring happens with this bitmap's canvas; it takes each hint's size.
  TBitmap& WorkBitmap() { return workBitmap_; }

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
  TBitmap workBitmap_;
  static TsHintManager* current_;
  // Cleared when the manager goes, so the application's handler never calls
  // into a destroyed manager.
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};
