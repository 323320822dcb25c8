#pragma once
// The skin manager's state and the operations that need no windows: the
// published settings, choosing the skin's source (pack file, unpacked folder
// or stored skin), running the loaders, recolouring, and the order of the
// announcements. What an announcement does to windows (the skin command
// message, the window hook, repainting) is handed to the callbacks, which
// the component wrapper of the windowing layer connects.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "paint/TsSkinContent.h"
#include "skin/TsStoredSkins.h"

class TsSkinManager {
 public:
  static constexpr std::string_view kVersion = "6.02 beta";
  static constexpr std::string_view kDefaultSkinDirectory = "c:\\Skins";

  enum class LoadOutcome {
    None,       // nothing tried yet
    Loaded,     // a skin was loaded
    NoSource,   // no pack, folder or stored skin: Active went false
    NotPacked,  // the pack had the wrong magic; no skin is kept
    Failed,     // the skin is malformed (LastError tells why); no skin is kept
  };

  TsSkinManager();
  TsSkinManager(const TsSkinManager&) = delete;
  TsSkinManager& operator=(const TsSkinManager&) = delete;
  ~TsSkinManager();

  // ---- Published settings ----
  bool Active() const { return active_; }
  void SetActive(bool value);
  const std::string& SkinName() const { return skinName_; }
  void SetSkinName(const std::string& value);
  const std::string& SkinDirectory() const { return skinDirectory_; }
  void SetSkinDirectory(const std::string& value);
  int HueOffset() const { return hueOffset_; }
  void SetHueOffset(int value);
  int Saturation() const { return saturation_; }
  void SetSaturation(int value);
  const std::vector<std::string>& CommonSections() const { return commonSections_; }
  // Blanks are removed from every line that is not empty and not a comment;
  // then the skin is reloaded.
  void SetCommonSections(const std::vector<std::string>& lines);
  TsStoredSkins& InternalSkins() { return internalSkins_; }
  const TsStoredSkins& InternalSkins() const { return internalSkins_; }
  // The loaded skin's version ("6.02"), or "N/A" while no skin is active.
  std::string SkinInfo() const;

  // ---- Reading from a window resource ----
  // While loading, the setters run but no announcement is made.
  void BeginLoading() { loading_ = true; }
  // The end of reading: defaults restored, the loaded skin announced.
  void Loaded();
  bool Loading() const { return loading_; }

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
  // The program's folder used to resolve relative skin directories
  // (the running program's folder unless set).
  void SetProgramFolder(std::string folder) { programFolder_ = std::move(folder); }

  // True while a skin is reloaded by SkinName, HueOffset or Saturation.
  static bool SkinChanging() { return skinChanging_; }

  // ---- Connections to the windowing layer ----
  std::function<void()> OnBeforeChange;
  std::function<void()> OnAfterChange;
  // Announces the new skin to every window (repaint: also redraw them).
  std::function<void(bool repaint)> OnAnnounceSkin;
  // Tells every window the skin is going away.
  std::function<void()> OnRemoveSkin;
  // Repaints every window after a change of colours.
  std::function<void()> OnRepaintAll;
  // Shows a warning box (text, caption).
  std::function<void(std::string_view, std::string_view)> OnWarning;
  // Reports a skin that could not be loaded (the application's error report).
  std::function<void(const std::string&)> OnLoadError;

 private:
  void ChangeSkin();
  // Chooses the source and runs the loaders; answers false when the load
  // gave no skin.
  void LoadSkin();
  void AnnounceNewSkin(bool repaint);
  void RemoveSkin();
  void Reload();

  TsSkinContent content_;
  TsStoredSkins internalSkins_;
  std::vector<std::string> commonSections_;
  std::string skinName_;
  std::string skinDirectory_{kDefaultSkinDirectory};
  std::string programFolder_;
  int hueOffset_ = 0;
  int saturation_ = 0;
  bool active_ = true;
  bool loading_ = false;
  bool packed_ = false;
  LoadOutcome lastOutcome_ = LoadOutcome::None;
  std::string lastError_;

  static bool skinChanging_;
};
