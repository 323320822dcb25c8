#pragma once
// The skinned frame of one form: border, title bar with icon, caption and
// title buttons, and the system menu. It keeps the frame geometry the system
// gives the form's border style and paints over it from the skin: the whole
// window is composed into the frame's cache bitmap, the non-client strips
// are copied from there on WM_NCPAINT, and the client part of the same
// picture is what the form's controls borrow as their background.
//
// The provider takes over its form's message handler (keeping the previous
// one for what it does not handle) and registers the form with the skin
// manager's registry of skinned forms for as long as it lives.
#include <array>
#include <memory>
#include <string>

#include "framework/FrameworkMessages.h"
#include "framework/TComponent.h"
#include "framework/TControl.h"
#include "framework/TControlSubclass.h"
#include "skin/TsCommonData.h"
#include "skin/frame/TacSysMenu.h"
#include "skin/frame/TsFrameSkinOwner.h"
#include "skin/frame/TsTitleButton.h"

class TCustomForm;
class TsSkinManager;

enum TAlignment { taLeftJustify, taRightJustify, taCenter };
enum TsGripMode { gmNone, gmRightBottom };
enum TsResizeMode { rmStandard, rmBorder };

// Control kind code of the form frame.
constexpr int ComponentFrameKind = 224;

// The title icon of the frame when not the form's own.
class TsTitleIcon : public TPersistent {
 public:
  TRAINER_CLASS_INFO()
  TBitmap Glyph;
  int Height = 0;
  int Width = 0;
};

class TsSkinProvider : public TComponent, public TsFrameSkinOwner {
 public:
  TRAINER_CLASS_INFO()

  // The system title buttons, in layout order from the right.
  enum SystemButton { sbClose, sbMaximize, sbMinimize, sbHelp, sbCount };

  // `owner` must be a form; with another owner the provider stays detached.
  explicit TsSkinProvider(TComponent* owner);
  ~TsSkinProvider() override;

  // ---- published settings
  TAlignment CaptionAlignment() const { return captionAlignment_; }
  void SetCaptionAlignment(TAlignment value);
  TsCommonData& SkinData() { return *skinData_; }
  const TsCommonData& SkinData() const { return *skinData_; }
  TsGripMode GripMode() const { return gripMode_; }
  void SetGripMode(TsGripMode value);
  bool MakeSkinMenu = false;
  std::string MenuLineSkin;
  TsResizeMode ResizeMode = rmStandard;
  bool ScreenSnap = false;
  int SnapBuffer = 10;
  bool ShowAppIcon() const { return showAppIcon_; }
  void SetShowAppIcon(bool value);
  TsTitleButtons& TitleButtons() { return titleButtons_; }
  TsTitleIcon& TitleIcon() { return titleIcon_; }
  const std::string& TitleSkin() const { return titleSkin_; }
  void SetTitleSkin(const std::string& value);
  bool UseGlobalColor = true;
  TNotifyEvent OnSkinItem;

  // ---- the frame
  TCustomForm* Form() const { return form_; }
  // False for a provider that is not the first of its form.
  bool Attached() const { return attached_; }
  bool Active() const { return active_; }
  // While a skin is applied to the frame.
  bool Skinned() const;
  // Set when the provider lives (the window hook keeps a weak reference).
  std::weak_ptr<bool> Alive() const { return alive_; }

  // Geometry (pixels, window coordinates).
  int SideBorderWidth() const;
  int TopBorderHeight() const;
  int CaptionHeight() const;
  int TitleButtonHeight() const;
  TSize IconSize() const;
  TRect IconRect() const;
  bool ShowsIcon() const;
  // The y where the title buttons' band starts.
  int ButtonBandTop() const;
  const TsFrameButtonState& Button(SystemButton which) const { return buttons_[which]; }
  // The vertical position a button of this height was drawn at.
  int ButtonTop(const TsFrameButtonState& button, int height) const;
  int HotHit() const { return hotHit_; }
  bool HasSystemMenu() const { return hasSysMenu_; }
  // Whether the minimize / maximize buttons are shown.
  bool MinimizeShown() const;
  bool MaximizeShown() const;
  // The hit code for a point in window coordinates (HTNOWHERE when the
  // previous handler must decide).
  int TitleHitTest(TPoint inWindow);

  // The composed window picture (null until first painted).
  TBitmap* FramePicture() const { return skinData_->CacheBmp(); }
  // Composes the whole window into the frame's cache when it is out of date.
  void PrepareFrame();
  // Composes it now whatever its state (used by the benchmark as well).
  void ComposeFrame();
  // The frame's system menu model.
  TacSysMenu& SysMenu() { return sysMenu_; }
  // Shows the system menu at a screen point and performs the chosen command.
  void PopupSysMenu(TPoint screen);

  // ---- TsFrameSkinOwner
  TCustomForm* FrameForm() const override { return form_; }
  void FrameSectionChanged() override;
  void FrameManagerChanged() override;

 private:
  void NewWndProc(TMessage& message);
  void CallPrevious(TMessage& message);
  bool HandleSkinCommand(TMessage& message);
  // The window messages of a skinned frame; each handler calls the previous
  // handler where its order needs it. Answers whether the frame took the
  // message (else the previous handler gets it).
  bool HandleFrameMessage(TMessage& message);
  void PrintFrame(TMessage& message);
  void ActivationChanged(TMessage& message);
  void FrameChanged(TMessage& message);
  void Showing(TMessage& message);
  void Moving(TMessage& message);
  void SkinLoaded();
  void SkinRemoved();
  void TakeStyle();
  void RestoreStyle();
  void ApplyGlobalColor(bool skinned);
  // Message forms and dialog-style forms fade in with DialogShow's time.
  bool ShowsAsDialog() const;
  // The fade time on showing (0: the form appears at once).
  unsigned ShowFadeTime() const;

  // ---- painting
  void PaintNonClient();
  // The form's WM_PAINT: its client area through ShowClient.
  void PaintClient(TMessage& message);
  // The client part of the frame picture with the form's children on it.
  void ShowClient(HDC dc);
  void ComposeTitle(Bitmap& pixels, HDC dc, int width);
  void DrawTitleIcon(HDC dc);
  void DrawCaption(HDC dc, int width);
  void AnswerBackground(TMessage& message);
  void RepaintFrame();

  // ---- title buttons
  void TakeButtonMasks();
  int ButtonWidth(int maskIndex) const;
  int MaskHeight(int maskIndex) const;
  int TotalButtonWidth() const;
  void LayoutButtons(int windowWidth);
  void DrawButtons(Bitmap& pixels);
  TsFrameButtonState* ButtonForHit(int hit);
  void SetHot(int hit);
  void SetPressed(int hit);
  void TrackPress(TMessage& message);
  void ButtonAction(int hit);
  // The mouse over the title and its buttons; answers whether the frame
  // took the message.
  bool HandleNonClientMouse(TMessage& message);
  void AnswerHitTest(TMessage& message);
  bool TitlePressed(TMessage& message);
  // The capture went elsewhere while a title button was held.
  void PressLost();
  bool CanMaximize() const;
  bool CanMinimize() const;

  TCustomForm* form_ = nullptr;
  bool attached_ = false;
  TControlSubclass formSubclass_;
  std::unique_ptr<TsCommonData> skinData_;
  TAlignment captionAlignment_ = taLeftJustify;
  TsGripMode gripMode_ = gmNone;
  bool showAppIcon_ = true;
  TsTitleButtons titleButtons_{this};
  TsTitleIcon titleIcon_;
  std::string titleSkin_;
  TacSysMenu sysMenu_;

  std::array<TsFrameButtonState, sbCount> buttons_{};
  int hotHit_ = 0;
  int pressedHit_ = 0;    // the button held down (0: none)
  bool tracking_ = false;  // the mouse is captured for a held button
  bool active_ = false;
  bool hasSysMenu_ = false;
  bool styleTaken_ = false;
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};
