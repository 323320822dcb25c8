#pragma once
// The skin manager component: its published settings, choosing the skin's
// source (pack file, unpacked folder or stored skin), running the loaders
// and the recolouring, announcing each change of skin to every window with
// the skin command message, and the window under the pointer. The window
// hook and the reports of bad skins go through WindowConnections(); lookups
// of the loaded skin are those of Content().
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "framework/Events.h"
#include "framework/TComponent.h"
#include "paint/TsSkinContent.h"
#include "platform/windowing/WinTypes.h"
#include "skin/load/TacSkinFolders.h"
#include "skin/load/TsStoredSkins.h"
#include "skin/settings/TacAnimEffects.h"
#include "skin/settings/TacMenuSupport.h"
#include "skin/settings/TacThirdParty.h"

class TClassRegistry;
class TCustomForm;

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

  // The skin directory made absolute against the program's folder; for a
  // drive-letter setting the first folder it stands for (TacSkinFolders).
  std::string ResolvedSkinDirectory() const;
  // The folders searched for a skin, in order (TacSkinFolders).
  std::vector<TacSkinFolders::Candidate> SkinFolders() const;
  // The names of the available skins (TacSkinList kinds) in all of those
  // folders; answers the first.
  std::string GetSkinNames(std::vector<std::string>& names, int kind) const;
  // The folder relative skin directories start from (the running program's
  // folder unless set).
  void SetProgramFolder(std::string folder) { programFolder_ = std::move(folder); }
  // The XDG data folders a drive-letter skin directory stands for (those
  // of the environment unless set).
  void SetDataFolders(std::vector<std::string> folders) { dataFolders_ = std::move(folders); }

  // The manager every skinned control uses unless it names another: the
  // first one created, or the last one set IsDefault.
  static TsSkinManager* DefaultManager() { return defaultManager_; }
  // True while a skin is reloaded by SkinName, HueOffset or Saturation.
  static bool SkinChanging() { return skinChanging_; }
  // True while SKC_SKIN_LOADED is being delivered.
  static bool NewSkin() { return newSkin_; }
  // True while the skin is being removed (SKC_SKIN_REMOVED is delivered).
  static bool Removing() { return removing_; }
  // Set when the default manager starts a change with SkinChanging
  // animation on; cleared when the change is shown.
  static bool SkinChangeAnimation() { return skinChangeAnimation_; }

  // ---- Windows ----
  // The window under the pointer: the previous one gets SKC_MOUSE_LEAVE and
  // the new one SKC_MOUSE_ENTER. Setting the same window again sends nothing.
  void SetHotWindow(HWND window);
  HWND HotWindow() const { return hotWindow_; }
  // The registry of forms with a frame-skinning object (used by the frame).
  static void RegisterForm(TCustomForm* form);
  static void UnregisterForm(TCustomForm* form);
  // Whether this manager has installed the thread's window hook.
  bool HookInstalled() const { return hookInstalled_; }

  // ---- Connections to the layers above ----
  // Set once for the whole program: managers read from a layout announce
  // their skin before anyone could connect to them one by one.
  struct Connections {
    // Install and remove the thread's window hook that skins windows
    // automatically; empty until that layer fills them (the manager keeps
    // its hook flag either way).
    std::function<void(TsSkinManager&)> InstallHook;
    std::function<void(TsSkinManager&)> RemoveHook;
    // Shows a warning (text, caption); empty: the platform message box.
    std::function<void(std::string_view, std::string_view)> Warning;
    // Reports a skin that could not be loaded; empty: the application's
    // standard error report.
    std::function<void(TsSkinManager&, const std::string&)> LoadError;
  };
  static Connections& WindowConnections();

 private:
  void ChangeSkin();
  void LoadSkin();
  void AnnounceNewSkin(bool repaint);
  void RepaintAllWindows();
  void RemoveSkin();
  void Reload();
  void Broadcast(WORD command);
  void ShowWarning(std::string_view text, std::string_view caption);
  void ReportLoadError();

  TsSkinContent content_;
  TsStoredSkins internalSkins_;
  TacAnimEffects animEffects_{this};
  TacMenuSupport menuSupport_;
  TacThirdParty thirdParty_;
  std::vector<std::string> commonSections_;
  std::string skinName_;
  std::string skinDirectory_{kDefaultSkinDirectory};
  std::string programFolder_;
  std::vector<std::string> dataFolders_;
  std::string programName_;
  int hueOffset_ = 0;
  int saturation_ = 0;
  unsigned skinningRules_ = srStdForms | srStdDialogs | srThirdParty;
  bool skinnedPopups_ = true;
  bool active_ = true;
  bool packed_ = false;
  LoadOutcome lastOutcome_ = LoadOutcome::None;
  std::string lastError_;
  HWND hotWindow_ = nullptr;
  bool hookInstalled_ = false;

  static TsSkinManager* defaultManager_;
  static bool skinChanging_;
  static bool newSkin_;
  static bool removing_;
  static bool skinChangeAnimation_;
};

// Makes the skin classes known to layouts.
void RegisterSkinClasses(TClassRegistry& registry);
