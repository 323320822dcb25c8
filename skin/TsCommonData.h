#pragma once
// The skin state every skinned control owns as its `SkinData` property: the
// section it is painted from, that section's indexes in the current skin,
// the control's cache bitmap and the marks that decide when the cache must
// be rebuilt. It answers the engine's questions about the control (its
// colour, the picture under its children, whether it shows through) and
// reacts to the skin command message and to a fixed set of window messages.
//
// It lives in skin/ because it reads the skin manager and is owned both by
// the controls above and by the form frame beside the manager.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "framework/FrameworkMessages.h"
#include "framework/TPersistent.h"
#include "framework/graphics/TBitmap.h"
#include "paint/SkinRecords.h"
#include "platform/Color.h"
#include "platform/windowing/WinTypes.h"

class TComponent;
class TControl;
class TWinControl;
class TsSkinContent;
class TsSkinManager;
class TsFrameSkinOwner;
struct TsBackgroundRequest;

// Paint-mode flag: the owner keeps no cache of its own, so its children ask
// further up for their background.
constexpr std::uint16_t pmNoOwnCache = 1;

// Fill kind flags derived from the section.
constexpr std::uint16_t fkHorizontalGradient = 1;
constexpr std::uint16_t fkVerticalGradient = 2;
constexpr std::uint16_t fkTriangleGradient = 3;
constexpr std::uint16_t fkGradientMask = 3;
constexpr std::uint16_t fkTexture = 4;

class TsCommonData : public TPersistent {
 public:
  TRAINER_CLASS_INFO()

  // `owner` is the control (or form frame) the state belongs to; with
  // `withCache` an empty cache bitmap exists from the start. `controlKind`
  // is the control kind code the owning class declares.
  TsCommonData(TComponent* owner, bool withCache, int controlKind = 0);
  // The same for a control, which may still be under construction (no
  // dynamic type is asked of it).
  TsCommonData(TControl* owner, bool withCache, int controlKind = 0);
  ~TsCommonData() override;
  TsCommonData(const TsCommonData&) = delete;
  TsCommonData& operator=(const TsCommonData&) = delete;

  // The skin state of a control, or null when it has none.
  static TsCommonData* Of(const TControl* control);

  // ---- published settings
  bool CustomColor() const { return customColor_; }
  void SetCustomColor(bool value);
  bool CustomFont() const { return customFont_; }
  void SetCustomFont(bool value);
  // The explicit manager, else the default one (which may be null).
  TsSkinManager* SkinManager() const;
  // The explicit manager only (null: the default one is used).
  TsSkinManager* ExplicitSkinManager() const { return explicitManager_; }
  void SetSkinManager(TsSkinManager* manager);
  const std::string& SkinSection() const { return skinSection_; }
  // Kept upper case; an empty name is stored as "UNKNOWN".
  void SetSkinSection(const std::string& section);

  // ---- the section's indexes and the control's kind
  int BorderIndex = -1;            // the section's BORDERSMASK mask
  int SkinIndex = -1;              // the section's index in the manager
  int Texture = -1;                // the section's PATTERN texture
  int HotTexture = -1;             // the section's HOTPATTERN texture
  int ControlKind = 0;             // the control kind code
  std::uint16_t PaintMode = 0;     // pmNoOwnCache
  std::uint16_t FillKind = 0;      // fk* flags
  // Set by owners that share their cache with their children the way panels
  // and form frames do (they may leave the children to ask further up).
  bool SharesCacheLikeContainer = false;

  // ---- the marks
  // They decide when the cache is rebuilt and when it may be shown. Each
  // changes through a method named after the reason, so that a caller who
  // fixes a stale picture cannot by the same stroke decide whether a fade
  // starts, and the other way round.

  // Background-changed: the cache no longer shows the control as it is.
  bool BackgroundChanged() const { return backgroundChanged_; }
  // The picture under the control, or its own look, changed: the cache is
  // rebuilt before it is shown again. A fade that runs goes on with the two
  // pictures it holds; the next state change repaints at once instead of
  // fading, because a stale cache cannot be a fade's first picture.
  void MarkCacheStale() { backgroundChanged_ = true; }
  // The owner has just painted the cache in the control's current state.
  void CacheRebuilt() { backgroundChanged_ = false; }
  // A hover, press or release is about to change the state: the cache as it
  // was last shown is the old picture the change may fade from. Called right
  // before the fade entry point, which marks the cache stale again whether
  // it fades or repaints; never a way to say the cache was rebuilt.
  void AllowFadeFromCache() { backgroundChanged_ = false; }
  // A fade may start from the cache: one exists and nothing marked it stale.
  bool CacheCanStartFade() const { return cache_ && !backgroundChanged_; }

  // Updating: painting is held while the cache is rebuilt (or while the skin
  // is gone); the control shows nothing new until painting resumes.
  bool Updating() const { return updating_; }
  void HoldPainting() { updating_ = true; }
  void ResumePainting() { updating_ = false; }
  // Resumes painting and answers whether it was held, so that the owner
  // repaints what it held back (SKC_CHILD_REPAINT).
  bool ResumeHeldPainting();

  // Focused and mouse-above: what makes the control look active.
  bool Focused() const { return focused_; }
  bool MouseAbove() const { return mouseAbove_; }
  // The control gained or lost the keyboard focus.
  void FocusChanged(bool focused) { focused_ = focused; }
  // The pointer entered the control: kinds without a hot look never show it.
  // Neither this nor PointerLeft touches the background-changed mark: the
  // state change that follows decides between a fade and a repaint.
  void PointerEntered();
  void PointerLeft() { mouseAbove_ = false; }

  // Parent-dependent: the control's picture follows its parent's (set by
  // SKC_SET_PARENT_DEPENDENT).
  bool ParentDependent() const { return parentDependent_; }
  // Partly-hidden: the control does not lie wholly in view inside its parent.
  bool PartlyHidden() const { return partlyHidden_; }
  void SetPartlyHidden(bool hidden) { partlyHidden_ = hidden; }
  // The windowless child whose animation frame the container is painting.
  TControl* Linked() const { return linked_; }

  TControl* OwnerControl() const { return ownerControl_; }
  TComponent* OwnerObject() const { return ownerObject_; }
  TsFrameSkinOwner* FrameOwner() const { return frameOwner_; }
  TWinControl* WindowedOwner() const;
  // The owner control's colour, else the framed form's, else the button face.
  TColor OwnerColor() const;

  // The cache bitmap, or null.
  TBitmap* CacheBmp() const { return cache_.get(); }
  // The cache bitmap made to the owner control's size (created when missing).
  TBitmap& PrepareCache();
  // Frees the cache bitmap (controls that keep no cache between paints).
  void ReleaseCache() { cache_.reset(); }
  // Resizes the cache to 0 by 0 when it exists.
  void EmptyCache();

  // ---- the loaded skin
  const TsSkinContent* Skin() const;
  // The section record at SkinIndex, or null.
  const TsGeneralData* Section() const;

  // ---- operations
  // A manager with a skin, a valid section, nothing being destroyed, and
  // (with checkActive) the skin reported active.
  bool Skinned(bool checkActive = false) const;
  // Looks the section's indexes up again in the current skin.
  void UpdateIndexes();
  // Called by the owner when it has finished loading.
  void Loaded();
  // Background-changed mark set, and a repaint when the control can paint now.
  void Invalidate();
  void BeginUpdate();
  void EndUpdate();
  // Focused, or under the mouse (for kinds with a hot look).
  bool ControlIsActive() const;
  // The owner control and every container it lies in are enabled. Inside a
  // disabled panel (the replay disables the control panel) a control cannot
  // be used, so every skinned button there looks disabled and fades nothing.
  // A form frame always can.
  bool OwnerLooksEnabled() const;
  // The common handler every skinned control calls first; answers whether
  // it consumed the message (message.Result then holds the answer).
  bool ProcessMessage(TMessage& message);
  // The skin command came from the manager this state follows: the
  // loaded/changed/removed broadcasts of other managers go past the control.
  bool FromOwnManager(const TMessage& message) const {
    return message.LParam == reinterpret_cast<LPARAM>(SkinManager());
  }

  // ---- background and colour sharing
  // Fills a background request for a child (state: normal or active).
  void GetBackground(TsBackgroundRequest& request, bool active, HWND window = nullptr);
  // The colour children paint text or plain backgrounds over; no answer
  // without an owner control.
  std::optional<TColor> GetColor(TColor fallback) const;
  // The colour of the control in a state where no parent picture is at hand.
  TColor ColorForState(bool active, HWND window = nullptr) const;
  // SKC_QUERY_TRANSPARENT's answer.
  int QueryTransparent() const;
  bool DependsOnParent() const;
  void ParentMoved(bool redrawOwnWindow);
  bool NeedsOwnCache() const;
  void RecomputeCacheMode(bool tellChildren);
  bool MustPaintItself() const;
  // Whether the control must wait before it paints: its own hold, or (for a
  // control that paints itself) a parent whose picture is stale or being
  // rebuilt.
  bool IsUpdating() const;
  // Recomputes the updating mark right before a paint and answers it. A
  // control held for its parent's sake is stale too, since it is drawn
  // over the parent's picture; the parent's SKC_CHILD_REPAINT brings it.
  bool RecheckUpdating();

  // The default section of a control kind code ("" for kinds with none).
  static std::string DefaultSectionForKind(int kind);
  // Kinds that never show a hot look.
  static bool KindHasNoHotLook(int kind);
  // Edit classes and the list box kind take their colours from the section.
  bool OwnerIsEditLike() const;

  TPersistent* GetOwner() const override;

 private:
  // The window messages of the common handler.
  void OwnerMoved();
  void OwnerSized();
  void FocusMessage(const TMessage& message);
  void VisibilityChanged(bool visible);
  void HandleMouseEnter(TMessage& message);
  void HandleMouseLeave();
  // The skin command message, by topic.
  bool HandleSkinCommand(TMessage& message);
  void FollowSkinBroadcast(WORD command);
  void ChangeMarkByCommand(WORD command, const TMessage& message);
  void RepaintHeldPicture();
  bool AnswerStateQuery(WORD command, TMessage& message);
  bool AnswerSharingCommand(WORD command, TMessage& message);
  void TakeSectionColors();
  void TakeSystemColors();
  bool OwnerCanPaintNow() const;
  void RecomputeFillKind();
  bool OwnerBeingDestroyed() const;
  void Register(bool withCache);

  TComponent* ownerObject_;
  TControl* ownerControl_;
  TsFrameSkinOwner* frameOwner_;
  std::unique_ptr<TBitmap> cache_;
  std::string skinSection_;
  bool customColor_ = false;
  bool customFont_ = false;
  TsSkinManager* explicitManager_ = nullptr;
  bool backgroundChanged_ = true;
  bool updating_ = false;
  bool focused_ = false;
  bool mouseAbove_ = false;
  bool parentDependent_ = false;
  bool partlyHidden_ = true;
  TControl* linked_ = nullptr;
};
