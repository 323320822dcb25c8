#pragma once
// The skin manager component: its published settings, choosing the skin's
// source (pack file, unpacked folder or stored skin), running the loaders
// and the recolouring, and the order of the announcements. What an
// announcement does to windows (the skin command message, the window hook,
// repainting) is handed to WindowConnections(), which the windowing layer
// sets; lookups of the loaded skin are those of Content().
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "framework/Events.h"
#include "framework/TComponent.h"
#include "paint/TsSkinContent.h"
#include "skin/TacAnimEffects.h"
#include "skin/TacMenuSupport.h"
#include "skin/TacThirdParty.h"
#include "skin/TsStoredSkins.h"

class TClassRegistry;

// Which kinds of windows are skinned automatically (a set of bits).
enum TacSkinningRule : unsigned { srStdForms = 1u << 0, srStdDialogs = 1u << 1, srThirdParty = 1u << 2 };

class TsSkinManager : public TComponent {
 public:
  TRAINER_CLASS_INFO()

  static constexpr std::string_view kVersion = "6.02 beta";
  static constexpr std::string_view kDefaultSkinDirectory = "c:\\Skins";

  enum class LoadOutcome {
    None,       // nothing tried yet
    Loaded,     // a skin was loaded
    NoSource,   // no pack, folder or stored skin: Active went false
    NotPacked,  // the pack had the wrong magic; no skin is kept
    Failed,     // the skin is malformed (LastError tells why); no skin is kept
  };

  explicit TsSkinManager(TComponent* owner);
  ~TsSkinManager() override;

  // ---- Published settings ----
  bool SkinnedPopups() const { return skinnedPopups_; }
  void SetSkinnedPopups(bool value) { skinnedPopups_ = value; }
  TacAnimEffects& AnimEffects() { return animEffects_; }
  bool IsDefault() const { return defaultManager_ == this; }
  void SetIsDefault(bool value);
  bool Active() const { return active_; }
  void SetActive(bool value);
  const std::vector<std::string>& CommonSections() const { return commonSections_; }
  // Blanks are removed from every line that is not empty and not a comment;
  // then the skin is reloaded.
  void SetCommonSections(const std::vector<std::string>& lines);
  int Saturation() const { return saturation_; }
  void SetSaturation(int value);
  int HueOffset() const { return hueOffset_; }
  void SetHueOffset(int value);
  TsStoredSkins& InternalSkins() { return internalSkins_; }
  const TsStoredSkins& InternalSkins() const { return internalSkins_; }
  TacMenuSupport& MenuSupport() { return menuSupport_; }
  const std::string& SkinDirectory() const { return skinDirectory_; }
  void SetSkinDirectory(const std::string& value);
  const std::string& SkinName() const { return skinName_; }
  void SetSkinName(const std::string& value);
  // The loaded skin's version ("6.02"), or "N/A" while no skin is active.
  std::string SkinInfo() const;
  unsigned SkinningRules() const { return skinningRules_; }
  void SetSkinningRules(unsigned rules) { skinningRules_ = rules; }
  TacThirdParty& ThirdParty() { return thirdParty_; }
  TNotifyEvent OnAfterChange;
  TNotifyEvent OnBeforeChange;

  // The end of reading from the layout: defaults restored, the loaded skin
  // announced (without repainting).
  void Loaded() override;

  // ---- The loaded skin ----
  TsSkinContent& Content() { return content_; }
  const TsSkinContent& Content() const { return content_; }
  bool Packed() const { return packed_; }
  LoadOutcome LastLoadOutcome() const { return lastOutcome_; }
  const std::string& LastError() const { return lastError_; }

  // The skin directory made absolute against the program's folder.
  std::string ResolvedSkinDirectory() const;
  // The names of the available skins (TacSkinList kinds); answers the first.
  std::string GetSkinNames(std::vector<std::string>& names, int kind) const;
  // The folder relative skin directories start from (the running program's
  // folder unless set).
  void SetProgramFolder(std::string folder) { programFolder_ = std::move(folder); }

  // The manager every skinned control uses unless it names another: the
  // first one created, or the last one set IsDefault.
  static TsSkinManager* DefaultManager() { return defaultManager_; }
  // True while a skin is reloaded by SkinName, HueOffset or Saturation.
  static bool SkinChanging() { return skinChanging_; }

  // ---- Connections to the windowing layer ----
  // Set once for the whole program: managers read from a layout announce
  // their skin before anyone could connect to them one by one.
  struct Connections {
    // Announces the new skin to every window (repaint: also redraw them).
    std::function<void(TsSkinManager&, bool repaint)> AnnounceSkin;
    // Tells every window the skin is going away.
    std::function<void(TsSkinManager&)> RemoveSkin;
    // Repaints every window after a change of colours.
    std::function<void(TsSkinManager&)> RepaintAll;
    // Shows a warning box (text, caption).
    std::function<void(std::string_view, std::string_view)> Warning;
    // Reports a skin that could not be loaded (the application's error report).
    std::function<void(TsSkinManager&, const std::string&)> LoadError;
  };
  static Connections& WindowConnections();

 private:
  void ChangeSkin();
  void LoadSkin();
  void AnnounceNewSkin(bool repaint);
  void RemoveSkin();
  void Reload();

  TsSkinContent content_;
  TsStoredSkins internalSkins_;
  TacAnimEffects animEffects_{this};
  TacMenuSupport menuSupport_;
  TacThirdParty thirdParty_;
  std::vector<std::string> commonSections_;
  std::string skinName_;
  std::string skinDirectory_{kDefaultSkinDirectory};
  std::string programFolder_;
  int hueOffset_ = 0;
  int saturation_ = 0;
  unsigned skinningRules_ = srStdForms | srStdDialogs | srThirdParty;
  bool skinnedPopups_ = true;
  bool active_ = true;
  bool packed_ = false;
  LoadOutcome lastOutcome_ = LoadOutcome::None;
  std::string lastError_;

  static TsSkinManager* defaultManager_;
  static bool skinChanging_;
};

// Makes the skin classes known to layouts.
void RegisterSkinClasses(TClassRegistry& registry);
