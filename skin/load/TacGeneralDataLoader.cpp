#include "skin/load/TacGeneralDataLoader.h"

#include <sstream>
#include <vector>

#include "skin/TacSkinRecolor.h"
#include "skin/load/SkinNumbers.h"
#include "skin/load/SkinText.h"
#include "skin/load/TacGradientText.h"
#include "skin/load/TacIniFile.h"
#include "skin/load/TsStoredSkin.h"

namespace {

constexpr std::string_view kGlobalInfo = "GLOBALINFO";

// No chain without a loop is longer than the number of sections.
std::size_t ChainLimit(const TacIniFile& ini) { return ini.SectionCount() + 1; }

// The parent section of `section` worth climbing to, or empty.
std::string ParentOf(const TacIniFile& ini, std::string_view section) {
  std::string parent = ini.ReadString(section, "PARENTCLASS", "?");
  if (parent.empty() || parent == "?" || SkinText::SameText(parent, section)) return {};
  return parent;
}

bool IsTrue(std::string_view text) { return SkinText::UpperCase(text) == "TRUE"; }

// Five blank-separated integers, or the defaults for any other text.
TsFontColors FontColorsFromText(std::string_view text) {
  const std::vector<std::string> words = SkinText::Split(text, " ", false);
  TsFontColors colors{0, -1, -1, -1, -1};
  if (words.size() != colors.size()) return colors;
  TsFontColors parsed{};
  for (std::size_t i = 0; i < words.size(); ++i) {
    const std::optional<std::int32_t> v = SkinNumbers::TryParseInt(words[i]);
    if (!v) return colors;
    parsed[i] = *v;
  }
  return parsed;
}

void ParseGradients(TsGeneralData& d) {
  if (d.GradientData != " ") d.GradientArray = TacGradientText::Parse(d.GradientData);
  if (d.HotGradientData != " ") d.HotGradientArray = TacGradientText::Parse(d.HotGradientData);
}

// One section of CommonSections: its key lines as written.
struct RawSection {
  std::string name;
  std::vector<std::pair<std::string, std::string>> keys;

  const std::string* Find(std::string_view key) const {
    for (const auto& [k, v] : keys) {
      if (SkinText::SameText(k, key)) return &v;
    }
    return nullptr;
  }
};

// CommonSections is split without trimming: "[NAME]" lines open sections,
// "KEY=VALUE" lines fill them.
std::vector<RawSection> SplitSections(const std::vector<std::string>& lines) {
  std::vector<RawSection> sections;
  for (const std::string& line : lines) {
    if (line.empty() || line.front() == ';') continue;
    if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
      sections.push_back({line.substr(1, line.size() - 2), {}});
      continue;
    }
    if (sections.empty()) continue;
    const std::size_t eq = line.find('=');
    if (eq == std::string::npos) continue;
    sections.back().keys.emplace_back(line.substr(0, eq), line.substr(eq + 1));
  }
  return sections;
}

}  // namespace

std::int32_t TacGeneralDataLoader::InheritedInteger(const TacIniFile& ini, std::string_view section,
                                                   std::string_view key, std::int32_t def) {
  std::string current(section);
  for (std::size_t step = 0, limit = ChainLimit(ini); step < limit; ++step) {
    const std::int32_t v = ini.ReadInteger(current, key, -1);
    if (v != -1) return v;
    current = ParentOf(ini, current);
    if (current.empty()) break;
  }
  return def;
}

std::string TacGeneralDataLoader::InheritedString(const TacIniFile& ini, std::string_view section,
                                                  std::string_view key, std::string_view def) {
  std::string current(section);
  for (std::size_t step = 0, limit = ChainLimit(ini); step < limit; ++step) {
    std::string v = ini.ReadString(current, key, "?");
    if (v != "?") return v;
    current = ParentOf(ini, current);
    if (current.empty()) break;
  }
  return std::string(def);
}

void TacGeneralDataLoader::Load() {
  content_.Sections.clear();
  if (ctx_.Ini != nullptr) {
    LoadGlobals(*ctx_.Ini);
    LoadSections(*ctx_.Ini);
  } else if (ctx_.Stored != nullptr) {
    LoadStored();
  }
  LoadCommonSections();
  TacSkinRecolor::Recolor(content_, ctx_.HueOffset, ctx_.Saturation);
}

void TacGeneralDataLoader::LoadGlobals(const TacIniFile& ini) {
  TsSkinData& g = content_.SkinData;
  g.Version = ini.ReadFloat(kGlobalInfo, "VERSION", 0);
  g.Author = ini.ReadString(kGlobalInfo, "AUTHOR", "");
  g.Description = ini.ReadString(kGlobalInfo, "DESCRIPTION", "");
  g.Shadow1Color = static_cast<TColor>(ini.ReadInteger(kGlobalInfo, "SHADOW1COLOR", 0));
  g.Shadow1Offset = SkinNumbers::StrToInt(ini.ReadString(kGlobalInfo, "SHADOW1OFFSET", "0"), "SHADOW1OFFSET");
  g.Shadow1Blur = SkinNumbers::StrToInt(ini.ReadString(kGlobalInfo, "SHADOW1BLUR", "-1"), "SHADOW1BLUR");
  g.Shadow1Transparency =
      SkinNumbers::StrToInt(ini.ReadString(kGlobalInfo, "SHADOW1TRANSPARENCY", "0"), "SHADOW1TRANSPARENCY");
  g.BorderColor = static_cast<TColor>(ini.ReadInteger(kGlobalInfo, "BORDERCOLOR", 0));
  g.TitleButtonSpacing = ini.ReadInteger(kGlobalInfo, "BISPACE", 0);
  g.TitleButtonVAlignment = ini.ReadInteger(kGlobalInfo, "BIVALIGN", 0);
}

void TacGeneralDataLoader::LoadSections(const TacIniFile& ini) {
  for (const std::string& s : ini.ReadSections()) {
    auto integer = [&](std::string_view key, std::int32_t def) { return InheritedInteger(ini, s, key, def); };
    auto boolean = [&](std::string_view key) { return IsTrue(InheritedString(ini, s, key, "FALSE")); };
    TsGeneralData d;
    d.SectionName = s;
    d.ParentClass = ini.ReadString(s, "PARENTCLASS", "");
    d.Color = ColorToRGB(static_cast<TColor>(integer("COLOR", 0xFFFFFF)));
    d.FontColor = {integer("FONTCOLOR", 0), integer("TCLEFT", -1), integer("TCTOP", -1), integer("TCRIGHT", -1),
                   integer("TCBOTTOM", -1)};
    d.HotFontColor = {integer("HOTFONTCOLOR", 0), integer("HOTTCLEFT", -1), integer("HOTTCTOP", -1),
                      integer("HOTTCRIGHT", -1), integer("HOTTCBOTTOM", -1)};
    d.GiveOwnFont = boolean("GIVEOWNFONT");
    d.ReservedBoolean = boolean("RESERVEDBOOLEAN");
    d.Transparency = integer("TRANSPARENCY", 0);
    d.GradientPercent = integer("GRADIENTPERCENT", 0);
    d.GradientData = InheritedString(ini, s, "GRADIENTDATA", " ");
    d.ImagePercent = integer("IMAGEPERCENT", 0);
    d.ShowFocus = boolean("SHOWFOCUS");
    d.FadingEnabled = boolean("FADINGENABLED");
    d.FadingIterations = integer("FADINGITERATIONS", 5);
    d.HotColor = static_cast<TColor>(integer("HOTCOLOR", 0xFFFFFF));
    d.HotTransparency = integer("HOTTRANSPARENCY", 0);
    d.HotGradientPercent = integer("HOTGRADIENTPERCENT", 0);
    d.HotGradientData = InheritedString(ini, s, "HOTGRADIENTDATA", "");
    d.HotImagePercent = integer("HOTIMAGEPERCENT", 0);
    ParseGradients(d);
    content_.Sections.push_back(std::move(d));
  }
}

void TacGeneralDataLoader::LoadStored() {
  const TsStoredSkin& stored = *ctx_.Stored;
  TsSkinData& g = content_.SkinData;
  g.Version = stored.Version;
  g.Author = stored.Author;
  g.Description = stored.Description;
  g.Shadow1Color = stored.Shadow1Color;
  g.Shadow1Offset = stored.Shadow1Offset;
  g.Shadow1Blur = stored.Shadow1Blur;
  g.Shadow1Transparency = stored.Shadow1Transparency;
  g.BorderColor = stored.BorderColor;
  for (int i = 0; i < stored.GeneralData.Count(); ++i) {
    const TsSkinGeneral& item = *stored.GeneralData[i];
    TsGeneralData d;
    static_cast<TsSectionValues&>(d) = item;
    d.FontColor = FontColorsFromText(item.FontColor);
    d.HotFontColor = FontColorsFromText(item.HotFontColor);
    ParseGradients(d);
    content_.Sections.push_back(std::move(d));
  }
}

void TacGeneralDataLoader::LoadCommonSections() {
  for (const RawSection& raw : SplitSections(ctx_.CommonSections)) {
    if (content_.GetSkinIndex(raw.name) >= 0) continue;
    TsGeneralData d;
    d.SectionName = raw.name;
    const std::string* parentName = raw.Find("PARENTCLASS");
    d.ParentClass = SkinText::UpperCase(parentName ? *parentName : "-1");
    const TsGeneralData* parent = nullptr;
    for (const TsGeneralData& s : content_.Sections) {
      if (SkinText::UpperCase(s.SectionName) == d.ParentClass) {
        parent = &s;
        break;
      }
    }
    const TsGeneralData defaults;
    const TsGeneralData& base = parent ? *parent : defaults;
    // An integer key counts as present when it reads as something other than -1.
    auto integer = [&](std::string_view key, std::int32_t inherited) {
      const std::string* v = raw.Find(key);
      const std::int32_t n = v ? SkinNumbers::TryParseInt(*v).value_or(-1) : -1;
      return n != -1 ? n : inherited;
    };
    auto text = [&](std::string_view key, const std::string& inherited) {
      const std::string* v = raw.Find(key);
      return v ? *v : inherited;
    };
    auto boolean = [&](std::string_view key, bool inherited) {
      const std::string* v = raw.Find(key);
      return v ? IsTrue(*v) : inherited;
    };
    d.Color = ColorToRGB(static_cast<TColor>(integer("COLOR", static_cast<std::int32_t>(base.Color))));
    const char* fontKeys[] = {"FONTCOLOR", "TCLEFT", "TCTOP", "TCRIGHT", "TCBOTTOM"};
    const char* hotFontKeys[] = {"HOTFONTCOLOR", "HOTTCLEFT", "HOTTCTOP", "HOTTCRIGHT", "HOTTCBOTTOM"};
    for (std::size_t i = 0; i < d.FontColor.size(); ++i) {
      d.FontColor[i] = integer(fontKeys[i], base.FontColor[i]);
      d.HotFontColor[i] = integer(hotFontKeys[i], base.HotFontColor[i]);
    }
    d.GiveOwnFont = boolean("GIVEOWNFONT", base.GiveOwnFont);
    d.ReservedBoolean = boolean("RESERVEDBOOLEAN", base.ReservedBoolean);
    d.Transparency = integer("TRANSPARENCY", base.Transparency);
    d.GradientPercent = integer("GRADIENTPERCENT", base.GradientPercent);
    d.GradientData = text("GRADIENTDATA", base.GradientData);
    d.ImagePercent = integer("IMAGEPERCENT", base.ImagePercent);
    d.ShowFocus = boolean("SHOWFOCUS", base.ShowFocus);
    d.FadingEnabled = boolean("FADINGENABLED", base.FadingEnabled);
    d.FadingIterations = integer("FADINGITERATIONS", base.FadingIterations);
    d.HotColor = static_cast<TColor>(integer("HOTCOLOR", static_cast<std::int32_t>(base.HotColor)));
    d.HotTransparency = integer("HOTTRANSPARENCY", base.HotTransparency);
    d.HotGradientPercent = integer("HOTGRADIENTPERCENT", base.HotGradientPercent);
    d.HotGradientData = text("HOTGRADIENTDATA", base.HotGradientData);
    d.HotImagePercent = integer("HOTIMAGEPERCENT", base.HotImagePercent);
    ParseGradients(d);
    content_.Sections.push_back(std::move(d));
  }
}
