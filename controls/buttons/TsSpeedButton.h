#pragma once
// The skinned speed button ("Убрать"): windowless, painted onto its parent.
// With an active skin it shows its section in the normal, hot or pressed
// state (the section's transparency gives the flat look), its caption
// wrapped in its rectangle, and animates between states through an
// animation timer; without one it is the plain speed button, its picture
// taken from the image list when the Glyph bitmap is empty. The drop-down
// style adds an arrow strip at the right that opens DropdownMenu.
#include <memory>

#include "controls/buttons/SkinnedButtonSettings.h"
#include "controls/buttons/TsButtonGeometry.h"
#include "framework/controls/TPopupMenu.h"
#include "framework/controls/TSpeedButton.h"
#include "paint/CacheInfo.h"
#include "skin/TsAnimTimer.h"

// tbsDropDown keeps a 16-pixel arrow strip at the right for its menu.
enum TsToolButtonStyle { tbsButton, tbsCheck, tbsDropDown, tbsSeparator, tbsDivider };

class TsSpeedButton : public TSpeedButton, public TsButtonSkinSettings, public TsGlyphButtonSettings {
 public:
  TRAINER_CLASS_INFO()

  static constexpr int kControlKind = 92;
  static constexpr int kArrowWidth = 16;

  explicit TsSpeedButton(TComponent* owner);
  ~TsSpeedButton() override;

  TsToolButtonStyle ButtonStyle() const { return buttonStyle_; }
  void SetButtonStyle(TsToolButtonStyle style) { StoreButtonSetting(*this, buttonStyle_, style); }
  // Glyph and caption placement, as on the bitmap button.
  TButtonLayout Layout() const { return layout_; }
  void SetLayout(TButtonLayout layout) { StoreButtonSetting(*this, layout_, layout); }
  int Margin() const { return margin_; }
  void SetMargin(int margin) { StoreButtonSetting(*this, margin_, margin); }
  int Spacing() const { return spacing_; }
  void SetSpacing(int spacing) { StoreButtonSetting(*this, spacing_, spacing); }
  // Shown by a press on the arrow strip of tbsDropDown (anywhere on the
  // button when it has no OnClick).
  TPopupMenu* DropdownMenu() const { return dropdownMenu_; }
  void SetDropdownMenu(TPopupMenu* menu);
  bool MenuShown() const { return menuShown_; }

  // Raised with the finished cache each time the skinned picture is made.
  TsButtonPaintEvent OnPaint;

  // 0 normal, 1 hot (the mouse is over it), 2 pressed (held or Down).
  int StateIndex() const;
  // The button and every container it lies in are enabled (the rule of
  // every skinned button): inside a disabled panel it looks disabled and
  // animates nothing.
  bool LooksEnabled() const { return SkinData().OwnerLooksEnabled(); }
  // The caption and glyph rectangles in the given state, measured with the
  // cache font.
  TRect CaptionRect(int state);
  TRect GlyphRect(int state);
  // The arrow strip's state: pressed while the menu is open or the button is
  // down, hot while active.
  int ArrowStateIndex() const;
  // Repaints with the parent told which child's picture is being made.
  void Repaint();
  TsAnimTimerSlot& Animation() { return anim_; }
  // Skinned speed buttons paint every pixel they cover.
  bool Opaque() const override;
  void Loaded() override;
  void Notification(TComponent* component, TOperation operation) override;

 protected:
  void Paint() override;
  void WndProc(TMessage& message) override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

 private:
  bool HandleSkinCommand(TMessage& message);
  // The mouse entered or left the skinned button itself.
  void PointerCrossed(TMessage& message);
  void PrepareCache();
  void PaintContent(TBitmap& cache, int state);
  void PaintArrow(TBitmap& cache, const TCacheInfo& ci, int state);
  TsGlyphLayoutInput LayoutInput(int state);
  bool InArrowStrip(int x) const;
  void ShowDropdownMenu();
  void Animate(TacAnimatEvent event, bool halve);
  int ArrowWidth() const { return buttonStyle_ == tbsDropDown ? kArrowWidth : 0; }
  TSize GlyphSize();

  TsToolButtonStyle buttonStyle_ = tbsButton;
  TButtonLayout layout_ = blGlyphLeft;
  int margin_ = -1;
  int spacing_ = 4;
  TPopupMenu* dropdownMenu_ = nullptr;
  bool menuShown_ = false;
  TsAnimTimerSlot anim_;
  // What the cached picture was made with.
  bool cachedDown_ = false;
  bool cachedEnabled_ = true;
  int cachedGlyphs_ = 1;
  int cachedSpacing_ = 4;
  bool hintsSwitchedOff_ = false;
  bool hintsWereOn_ = true;
  // Turns false when the button goes: a menu item's handler may free it.
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};
