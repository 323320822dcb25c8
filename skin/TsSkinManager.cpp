#include "skin/TsSkinManager.h"

#include <charconv>
#include <optional>
#include <string>

#include "framework/TApplication.h"
#include "framework/streaming/TClassInfo.h"
#include "framework/streaming/TClassRegistry.h"
#include "framework/streaming/TPropertyBuilder.h"
#include "platform/FileBytes.h"
#include "platform/controls/ControlMessages.h"
#include "platform/controls/MessageBoxDialog.h"
#include "platform/windowing/WinUser.h"
#include "skin/SkinCommandMessage.h"
#include "skin/TacSkinBroadcast.h"
#include "skin/frame/TacShowWindowFade.h"
#include "skin/frame/TacSkinnedForms.h"
#include "skin/hook/TacWindowHook.h"
#include "skin/load/ESkinLoadError.h"
#include "skin/load/TacIniFile.h"
#include "skin/load/TacSkinConvertor.h"
#include "skin/load/TacSkinFiles.h"
#include "skin/load/TacSkinFolders.h"
#include "skin/load/TacSkinList.h"
#include "skin/load/TacSkinLoadContext.h"
#include "skin/load/TacSkinLoader.h"
#include "skin/load/TacSkinPaths.h"

TsSkinManager* TsSkinManager::defaultManager_ = nullptr;
bool TsSkinManager::skinChanging_ = false;
bool TsSkinManager::newSkin_ = false;
bool TsSkinManager::removing_ = false;
bool TsSkinManager::skinChangeAnimation_ = false;

const TClassInfo& TsSkinManager::StaticClassInfo() {
  static const TClassInfo info("TsSkinManager", &TComponent::StaticClassInfo(), [](TClassInfo& c) {
    using M = TsSkinManager;
    c.SetFactory(ComponentFactory<M>());
    TPropertyBuilder<M>(c)
        .Boolean("SkinnedPopups", &M::SkinnedPopups, &M::SetSkinnedPopups)
        .Object("AnimEffects", [](M& m) -> TPersistent* { return &m.AnimEffects(); })
        .Boolean("IsDefault", &M::IsDefault, &M::SetIsDefault)
        .Boolean("Active", &M::Active, &M::SetActive)
        .Strings("CommonSections", &M::CommonSections, &M::SetCommonSections)
        .Integer("Saturation", &M::Saturation, &M::SetSaturation)
        .Integer("HueOffset", &M::HueOffset, &M::SetHueOffset)
        .Collection("InternalSkins", [](M& m) -> TPersistent* { return &m.InternalSkins(); })
        .Object("MenuSupport", [](M& m) -> TPersistent* { return &m.MenuSupport(); })
        .String("SkinDirectory", &M::SkinDirectory, &M::SetSkinDirectory)
        .String("SkinName", &M::SkinName, &M::SetSkinName)
        .String("SkinInfo", &M::SkinInfo, [](M&, const std::string&) {})  // read only: writing does nothing
        .Set("SkinningRules", {"srStdForms", "srStdDialogs", "srThirdParty"}, &M::SkinningRules,
             &M::SetSkinningRules)
        .Object("ThirdParty", [](M& m) -> TPersistent* { return &m.ThirdParty(); })
        .String("Version", [](const M&) { return std::string(kVersion); }, [](M&, const std::string&) {})
        .Event("OnAfterChange", &M::OnAfterChange)
        .Event("OnBeforeChange", &M::OnBeforeChange);
  });
  return info;
}

void RegisterSkinClasses(TClassRegistry& registry) { registry.Register<TsSkinManager>(); }

TsSkinManager::Connections& TsSkinManager::WindowConnections() {
  // The window hook of this layer skins every window unless a caller
  // connects something else (tests do).
  static Connections connections{&TacWindowHook::Install, &TacWindowHook::Remove, {}, {}};
  return connections;
}

namespace {

TacIniFile IniFromBytes(const std::vector<std::uint8_t>* bytes) {
  if (bytes == nullptr) return TacIniFile();
  return TacIniFile(std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()));
}

// Clears a flag when the scope ends, also by an exception.
class FlagScope {
 public:
  explicit FlagScope(bool& flag) : flag_(flag) { flag_ = true; }
  ~FlagScope() { flag_ = false; }
  FlagScope(const FlagScope&) = delete;
  FlagScope& operator=(const FlagScope&) = delete;

 private:
  bool& flag_;
};

}  // namespace

TsSkinManager::TsSkinManager(TComponent* owner)
    : TComponent(owner),
      internalSkins_(this),
      programFolder_(TacSkinPaths::ProgramFolder()),
      dataFolders_(TacSkinFolders::DataFoldersOfEnvironment()),
      programName_(TacSkinPaths::ProgramName()) {
  if (defaultManager_ == nullptr) defaultManager_ = this;
}

TsSkinManager::~TsSkinManager() {
  SetActive(false);
  if (defaultManager_ == this) defaultManager_ = nullptr;
}

// ---- Settings ------------------------------------------------------------

void TsSkinManager::SetSkinName(const std::string& value) {
  skinName_ = value;
  if (!active_) return;
  ChangeSkin();
}

void TsSkinManager::SetSkinDirectory(const std::string& value) {
  if (value == skinDirectory_) return;
  skinDirectory_ = value;
  content_.SkinData.SkinPath = ResolvedSkinDirectory();
}

void TsSkinManager::SetActive(bool value) {
  if (value == active_) return;
  active_ = value;
  if (value) {
    SetSkinName(skinName_);
    return;
  }
  if (!IsLoading()) RemoveSkin();
  content_.RefreshConstIndexes();
}

void TsSkinManager::SetHueOffset(int value) {
  if (value == hueOffset_) return;
  hueOffset_ = value;
  Reload();
}

void TsSkinManager::SetSaturation(int value) {
  if (value == saturation_) return;
  saturation_ = value;
  Reload();
}

void TsSkinManager::SetCommonSections(const std::vector<std::string>& lines) {
  commonSections_ = lines;
  for (std::string& line : commonSections_) {
    if (line.empty() || line.front() == ';') continue;
    std::erase(line, ' ');
  }
  SetSkinName(skinName_);
}

std::string TsSkinManager::SkinInfo() const {
  if (!content_.SkinData.Active) return "N/A";
  char text[32];
  const auto r = std::to_chars(text, text + sizeof text, content_.SkinData.Version);
  return std::string(text, r.ptr);
}

void TsSkinManager::SetIsDefault(bool value) {
  if (!value && defaultManager_ != nullptr) return;  // another manager stays the default
  defaultManager_ = this;
  if (!active_) {
    RemoveSkin();
  } else {
    AnnounceNewSkin(true);
  }
}

void TsSkinManager::Loaded() {
  TComponent::Loaded();
  if (skinDirectory_.empty()) skinDirectory_ = kDefaultSkinDirectory;
  if (menuSupport_.IcoLineSkin.empty()) menuSupport_.IcoLineSkin = "ICOLINE";
  if (active_ && !skinName_.empty()) AnnounceNewSkin(false);
}

std::vector<TacSkinFolders::Candidate> TsSkinManager::SkinFolders() const {
  return TacSkinFolders::For(skinDirectory_, programFolder_, programName_, dataFolders_);
}

std::string TsSkinManager::ResolvedSkinDirectory() const {
  const std::vector<TacSkinFolders::Candidate> folders = SkinFolders();
  return folders.empty() ? std::string() : folders.front().Folder;
}

std::string TsSkinManager::GetSkinNames(std::vector<std::string>& names, int kind) const {
  std::vector<std::string> folders;
  for (const TacSkinFolders::Candidate& candidate : SkinFolders()) folders.push_back(candidate.Folder);
  return TacSkinList::GetSkinNames(internalSkins_, folders, kind, names);
}

// ---- Changing the skin ---------------------------------------------------

void TsSkinManager::ChangeSkin() {
  if (OnBeforeChange) OnBeforeChange(this);
  {
    FlagScope changing(skinChanging_);
    content_.SkinData.Active = false;
    LoadSkin();
    // A failed load has dropped the skin; the windows must let go of it too.
    if (!active_ || lastOutcome_ != LoadOutcome::Loaded) {
      RemoveSkin();
    } else {
      AnnounceNewSkin(true);
    }
  }
  if (OnAfterChange) OnAfterChange(this);
}

void TsSkinManager::Reload() {
  if (!active_) return;
  {
    FlagScope changing(skinChanging_);
    LoadSkin();
  }
  if (lastOutcome_ != LoadOutcome::Loaded) {
    RemoveSkin();
  } else if (!IsLoading()) {
    RepaintAllWindows();
  }
}

void TsSkinManager::LoadSkin() {
  lastError_.clear();
  TacSkinConvertor reader;
  std::optional<TacIniFile> ini;
  const TsStoredSkin* stored = nullptr;
  std::string skinPath;
  bool notPacked = false;

  try {
    // The first folder holding the skin wins; in each, the pack file comes
    // before the unpacked folder, and the stored skin after them all.
    bool found = false;
    for (const TacSkinFolders::Candidate& folder : SkinFolders()) {
      const std::string packFile = TacSkinPaths::PackFileName(folder.PackDirectory, skinName_);
      const std::string options = folder.Folder + "\\" + skinName_ + "\\Options.dat";
      if (TacSkinPaths::FileExists(packFile)) {
        notPacked = reader.OpenFile(packFile) == TacSkinConvertor::OpenResult::NotPacked;
        ini = IniFromBytes(reader.Options());
        skinPath = folder.Folder + "\\";
        packed_ = true;
      } else if (TacSkinPaths::FileExists(options)) {
        Result<std::vector<std::uint8_t>> bytes = FileBytes::read(TacSkinPaths::ToNativePath(options));
        if (!bytes) throw ESkinLoadError("Cannot read \"" + options + "\": " + bytes.error());
        ini = IniFromBytes(&bytes.value());
        skinPath = folder.Folder + "\\" + skinName_ + "\\";
        packed_ = false;
      } else {
        continue;
      }
      found = true;
      break;
    }
    if (!found) {
      stored = internalSkins_.Find(skinName_);
      if (stored == nullptr && !internalSkins_.Empty()) {
        stored = internalSkins_[0];
        skinName_ = stored->Name;
      }
      if (stored == nullptr) {
        active_ = false;
        lastOutcome_ = LoadOutcome::NoSource;
        return;
      }
      if (!stored->Data().empty()) {
        notPacked = reader.Parse(stored->Data()) == TacSkinConvertor::ParseResult::NotPacked;
        ini = IniFromBytes(reader.Options());
        packed_ = true;
      } else {
        packed_ = false;
      }
    }
    if (notPacked) {
      // Nothing of the pack is available: keep the manager without a skin.
      content_.ClearSkin();
      content_.RefreshConstIndexes();
      lastOutcome_ = LoadOutcome::NotPacked;
      ShowWarning(TacSkinConvertor::kNotPackedMessage, TacSkinConvertor::kWarningCaption);
      return;
    }
    content_.SkinData.SkinPath = skinPath;
    const TacSkinFiles files(packed_ ? &reader : nullptr, skinPath);
    TacSkinLoadContext context;
    context.Ini = ini ? &*ini : nullptr;
    context.Stored = ini ? nullptr : stored;
    context.Files = &files;
    context.CommonSections = commonSections_;
    context.Manager = this;
    context.HueOffset = hueOffset_;
    context.Saturation = saturation_;
    TacSkinLoader::Run(content_, context);
    lastOutcome_ = LoadOutcome::Loaded;
  } catch (const ESkinLoadError& e) {
    // A half-loaded skin would paint garbage; drop it and report.
    content_.ClearSkin();
    content_.RefreshConstIndexes();
    lastOutcome_ = LoadOutcome::Failed;
    lastError_ = e.what();
    ReportLoadError();
  }
}

void TsSkinManager::AnnounceNewSkin(bool repaint) {
  if (IsLoading()) return;
  // The framed forms stay still until the whole change can be shown at once.
  if (repaint) {
    TacSkinBroadcast::SetRedraw(TacSkinBroadcast::FramedTopLevelForms(), false);
    if (IsDefault() && animEffects_.SkinChanging.Active) skinChangeAnimation_ = true;
  }
  content_.SkinData.Active = false;
  {
    FlagScope announcing(newSkin_);
    content_.RefreshConstIndexes();
    Broadcast(SKC_SKIN_LOADED);
  }
  content_.SkinData.Active = true;
  if (IsDefault() && !hookInstalled_) {
    if (const auto& install = WindowConnections().InstallHook) install(*this);
    hookInstalled_ = true;
  }
  if (repaint) RepaintAllWindows();
}

void TsSkinManager::RepaintAllWindows() {
  Broadcast(SKC_FADE_DONE);  // running fades end before the new look arrives
  const std::vector<HWND> framed = IsLoading() ? std::vector<HWND>() : TacSkinBroadcast::FramedTopLevelForms();
  TacSkinBroadcast::SetRedraw(framed, false);
  Broadcast(SKC_SKIN_CHANGED);
  if (IsDefault()) skinChangeAnimation_ = false;
  // The skin-change animation switches each form's drawing back on itself.
  if (animEffects_.SkinChanging.Active) {
    for (HWND form : framed)
      if (IsWindow(form)) TacShowWindowFade::Run(form, animEffects_.SkinChanging.Time);
  } else {
    TacSkinBroadcast::SetRedraw(framed, true);
  }
  TacSkinBroadcast::RedrawNow(framed);
}

void TsSkinManager::RemoveSkin() {
  {
    FlagScope removing(removing_);
    if (hookInstalled_) {
      if (const auto& remove = WindowConnections().RemoveHook) remove(*this);
      hookInstalled_ = false;
    }
    content_.SkinData.Active = false;
    Broadcast(SKC_SKIN_REMOVED);
    content_.ClearSkin();
  }
}

void TsSkinManager::Broadcast(WORD command) {
  TacSkinBroadcast::Broadcast(SM_SKINCOMMAND, SkinCommand(command), reinterpret_cast<LPARAM>(this));
}

// ---- Windows ---------------------------------------------------------------

void TsSkinManager::SetHotWindow(HWND window) {
  if (window == hotWindow_) return;
  const HWND previous = hotWindow_;
  hotWindow_ = window;
  const LPARAM self = reinterpret_cast<LPARAM>(this);
  if (previous != nullptr) SendMessage(previous, SM_SKINCOMMAND, SkinCommand(SKC_MOUSE_LEAVE), self);
  if (window != nullptr) SendMessage(window, SM_SKINCOMMAND, SkinCommand(SKC_MOUSE_ENTER), self);
}

void TsSkinManager::RegisterForm(TCustomForm* form) { TacSkinnedForms::Register(form); }

void TsSkinManager::UnregisterForm(TCustomForm* form) { TacSkinnedForms::Unregister(form); }

// ---- Reports -----------------------------------------------------------------

void TsSkinManager::ShowWarning(std::string_view text, std::string_view caption) {
  if (const auto& warn = WindowConnections().Warning) {
    warn(text, caption);
    return;
  }
  const std::string message(text);
  const std::string title(caption);
  MessageBox(nullptr, message.c_str(), title.c_str(), MB_OK | MB_ICONWARNING);
}

void TsSkinManager::ReportLoadError() {
  if (const auto& report = WindowConnections().LoadError) {
    report(*this, lastError_);
    return;
  }
  if (Application != nullptr) Application->HandleException(std::make_exception_ptr(ESkinLoadError(lastError_)));
}
