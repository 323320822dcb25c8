#include "tools/skinpack/SkinChecker.h"

#include <algorithm>
#include <filesystem>
#include <optional>
#include <set>

#include "paint/TsSkinContent.h"
#include "platform/FileBytes.h"
#include "skin/load/ESkinLoadError.h"
#include "skin/load/SkinNumbers.h"
#include "skin/load/SkinText.h"
#include "skin/load/TacIniFile.h"
#include "skin/load/TacMaskNotation.h"
#include "skin/load/TacSkinConvertor.h"
#include "skin/load/TacSkinFiles.h"
#include "skin/load/TacSkinLoadContext.h"
#include "skin/load/TacSkinLoader.h"

namespace fs = std::filesystem;

namespace {

// The sections of the program's skin and those the engine names in code.
constexpr const char* kRequiredSections[] = {
    "GLOBALINFO", "DIVIDER", "EDIT", "GRIPH", "GRIPV", "GROUPBOX", "ICOLINE", "HINT", "MAINMENU", "MDIAREA",
    "MENUITEM", "MENULINE", "PANEL", "PANEL_LOW", "PROGRESSH", "STATUSBAR", "TABCONTROL", "FORM", "DIVIDERV",
    "GAUGE", "COMBOBOX", "EXTEDIT", "SPLITTER", "SCROLLBAR1V", "SCROLLBAR1H", "SCROLLBAR2H", "SCROLLBAR2V",
    "SCROLLSLIDERV", "SCROLLBTNTOP", "SCROLLBTNBOTTOM", "SCROLLBTNRIGHT", "SCROLLBTNLEFT", "COMBOBTN", "PROGRESSV",
    "BUTTON", "CHECKBOX", "SPEEDBUTTON", "SPEEDBUTTON_SMALL", "RADIOBUTTON", "TRACKBAR", "TABTOP", "UPDOWNBTN",
    "WEBBUTTON", "BARTITLE", "BARPANEL", "EXTCOMBOBOX", "TOOLBUTTON", "COLHEADER", "BUTTON_HUGE",
    "PAGECONTROLBOTTOM", "PAGECONTROLLEFT", "PAGECONTROLRIGHT", "TABBOTTOM", "TABLEFT", "TABRIGHT", "BUTTON_BIG",
    "DIALOG", "SCROLLSLIDERH", "EXTRALINE", "TOOLBAR", "PAGECONTROL", "FORMTITLE", "BAR", "DRAGBAR"};
// Named in code, but the controls fall back to another section without it.
constexpr const char* kOptionalSections[] = {"TABSHEET"};

bool IsStrictKey(const std::string& key) {
  return key == "SHADOW1OFFSET" || key == "SHADOW1BLUR" || key == "SHADOW1TRANSPARENCY";
}

}  // namespace

std::vector<std::string> SkinChecker::Check(const std::string& path) {
  problems_.clear();
  remarks_.clear();
  TacSkinConvertor reader;
  std::optional<TacIniFile> ini;
  std::string skinPath;
  std::error_code ec;
  try {
    if (fs::is_directory(path, ec)) {
      Result<std::vector<std::uint8_t>> bytes = FileBytes::read((fs::path(path) / "Options.dat").string());
      if (!bytes) {
        Problem("no readable Options.dat in " + path + ": " + bytes.error());
        return problems_;
      }
      ini.emplace(std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()));
      skinPath = path + "/";
    } else {
      switch (reader.OpenFile(path)) {
        case TacSkinConvertor::OpenResult::Missing:
          Problem("no such file: " + path);
          return problems_;
        case TacSkinConvertor::OpenResult::NotPacked:
          Problem(std::string(TacSkinConvertor::kNotPackedMessage));
          return problems_;
        case TacSkinConvertor::OpenResult::Parsed:
          break;
      }
      if (reader.Options() == nullptr) {
        Problem("the pack holds no Options.dat");
        return problems_;
      }
      const std::vector<std::uint8_t>& options = *reader.Options();
      ini.emplace(std::string_view(reinterpret_cast<const char*>(options.data()), options.size()));
    }
  } catch (const ESkinLoadError& e) {
    Problem(e.what());
    return problems_;
  }

  CheckNumbers(*ini);
  CheckSections(*ini);
  CheckParents(*ini);

  const TacSkinFiles files(reader.Options() ? &reader : nullptr, skinPath,
                           [this](const std::string& note) { Problem(note); });
  TacSkinLoadContext context;
  context.Ini = &*ini;
  context.Files = &files;
  TsSkinContent content;
  try {
    TacSkinLoader::Run(content, context);
  } catch (const ESkinLoadError& e) {
    // Already listed entry by entry above; the load stops at the first.
    remarks_.push_back(std::string("the load stopped at: ") + e.what());
    return problems_;
  }
  if (!content.MasterBitmap) Problem("no master bitmap (GLOBALINFO MASTERBITMAP)");
  CheckMasks(content);
  return problems_;
}

void SkinChecker::CheckNumbers(const TacIniFile& ini) {
  for (const std::string& section : ini.ReadSections()) {
    for (const std::string& key : ini.ReadSection(section)) {
      const std::string value = ini.ReadString(section, key, "");
      const std::string where = section + " " + key + ": ";
      try {
        if (SkinText::SameText(section, "GLOBALINFO") && IsStrictKey(SkinText::UpperCase(key))) {
          (void)SkinNumbers::StrToInt(value, key);
        } else if (value.empty()) {
          continue;
        } else if (value.front() == '@') {
          (void)TacMaskNotation::ParseGlyph(value);
        } else if (value.front() == '^') {
          (void)TacMaskNotation::ParseBorder(value);
        } else if (value.front() == '~') {
          (void)TacMaskNotation::ParseTexture(value);
        } else if (value.front() == '!') {
          // A wrong image type is reported by the loader.
          if (!TacMaskNotation::OwnBitmapFileName(value).empty()) (void)TacMaskNotation::ParseOwnBitmap(value);
        } else if (SkinText::Contains(value, "#") && value != "#") {
          (void)TacMaskNotation::ParseOldNotation(value);
        }
      } catch (const ESkinLoadError& e) {
        Problem(where + "bad number: " + e.what());
      }
    }
  }
}

void SkinChecker::CheckSections(const TacIniFile& ini) {
  const std::vector<std::string> sections = ini.ReadSections();
  // Later lookups compare exactly, so the spelling must be the upper-case one.
  auto has = [&](const char* name) { return std::find(sections.begin(), sections.end(), name) != sections.end(); };
  for (const char* name : kRequiredSections) {
    if (!has(name)) Problem(std::string("missing section [").append(name).append("]"));
  }
  for (const char* name : kOptionalSections) {
    if (!has(name)) remarks_.push_back(std::string("no section [").append(name).append("]; its controls use their fallback"));
  }
}

void SkinChecker::CheckParents(const TacIniFile& ini) {
  for (const std::string& section : ini.ReadSections()) {
    std::set<std::string> seen{SkinText::UpperCase(section)};
    std::string current = section;
    while (true) {
      const std::string parent = ini.ReadString(current, "PARENTCLASS", "");
      if (parent.empty() || SkinText::SameText(parent, current)) break;
      if (!ini.SectionExists(parent)) {
        Problem(current + " PARENTCLASS: no section [" + parent + "]");
        break;
      }
      if (!seen.insert(SkinText::UpperCase(parent)).second) {
        Problem(section + " PARENTCLASS: the chain loops back to [" + parent + "]");
        break;
      }
      current = parent;
    }
  }
}

void SkinChecker::CheckMasks(const TsSkinContent& content) {
  for (const TsMaskData& m : content.Masks) {
    const std::string where = m.SectionName + " " + m.PropertyName + ": ";
    if (m.Bmp && m.R.IsEmpty() && m.R == TRect{}) continue;  // JPEG textures keep R empty
    const Bitmap* holder = m.Bmp ? m.Bmp.get() : content.MasterBitmap.get();
    if (holder == nullptr) {
      Problem(where + "mask without a master bitmap");
      continue;
    }
    const TRect bounds{0, 0, holder->width(), holder->height()};
    if (m.R.IsEmpty() || m.R.Left < 0 || m.R.Top < 0 || m.R.Right > bounds.Right || m.R.Bottom > bounds.Bottom) {
      Problem(where + "rectangle (" + std::to_string(m.R.Left) + ", " + std::to_string(m.R.Top) + ", " +
              std::to_string(m.R.Right) + ", " + std::to_string(m.R.Bottom) + ") lies outside the " +
              (m.Bmp ? "mask's own bitmap" : "master bitmap") + " (" + std::to_string(bounds.Right) + " x " +
              std::to_string(bounds.Bottom) + ")");
    }
    if (m.ImageCount < 1 || m.MaskType < 0)
      Problem(where + "ImageCount " + std::to_string(m.ImageCount) + " / MaskType " + std::to_string(m.MaskType) +
              " cannot be divided into frames");
  }
}
