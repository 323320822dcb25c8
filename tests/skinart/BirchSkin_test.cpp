// Checks of the committed Birch skin: the options file the program loads,
// the master bitmap its entries cut up, the two own bitmaps and the pack.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <filesystem>
#include <set>

#include "SkinFiles.h"
#include "platform/BmpCodec.h"
#include "tools/skinart/BirchSkinBuilder.h"
#include "tools/skinart/OptionsText.h"

namespace {

using SkinFiles::MasterEntry;

const std::vector<std::string> kSectionOrder = {
    "GLOBALINFO",       "DIVIDER",          "EDIT",          "GRIPH",          "GRIPV",          "GROUPBOX",
    "ICOLINE",          "HINT",             "MAINMENU",      "MDIAREA",        "MENUITEM",       "MENULINE",
    "PANEL",            "PANEL_LOW",        "PROGRESSH",     "STATUSBAR",      "TABCONTROL",     "FORM",
    "DIVIDERV",         "GAUGE",            "COMBOBOX",      "EXTEDIT",        "SPLITTER",       "SCROLLBAR1V",
    "SCROLLBAR1H",      "SCROLLBAR2H",      "SCROLLBAR2V",   "SCROLLSLIDERV",  "SCROLLBTNTOP",   "SCROLLBTNBOTTOM",
    "SCROLLBTNRIGHT",   "SCROLLBTNLEFT",    "COMBOBTN",      "PROGRESSV",      "BUTTON",         "CHECKBOX",
    "SPEEDBUTTON",      "SPEEDBUTTON_SMALL", "RADIOBUTTON",  "TRACKBAR",       "TABTOP",         "UPDOWNBTN",
    "WEBBUTTON",        "BARTITLE",         "BARPANEL",      "EXTCOMBOBOX",    "TOOLBUTTON",     "COLHEADER",
    "BUTTON_HUGE",      "PAGECONTROLBOTTOM", "PAGECONTROLLEFT", "PAGECONTROLRIGHT", "TABBOTTOM",    "TABLEFT",
    "TABRIGHT",         "BUTTON_BIG",       "DIALOG",        "SCROLLSLIDERH",  "EXTRALINE",      "TOOLBAR",
    "PAGECONTROL",      "FORMTITLE",        "BAR",           "DRAGBAR"};

class BirchSkinTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    options_ = new OptionsText(SkinFiles::readText(SkinFiles::folder() + "/Options.dat"));
    master_ = new Bitmap(SkinFiles::readBitmap(SkinFiles::folder() + "/Master.bmp"));
  }
  static void TearDownTestSuite() {
    delete options_;
    delete master_;
  }

  std::string value(const std::string& section, const std::string& key) {
    return options_->value(section, key).value_or("<missing>");
  }

  // Every entry that cuts a rectangle out of the master bitmap.
  std::vector<std::pair<std::string, MasterEntry>> masterEntries() {
    std::vector<std::pair<std::string, MasterEntry>> out;
    for (const auto& s : options_->sections())
      for (const auto& k : s.keys) {
        if (k.value.empty() || std::string("^@~").find(k.value[0]) == std::string::npos) continue;
        auto e = SkinFiles::parseMasterEntry(k.value);
        EXPECT_TRUE(e.has_value()) << s.name << "." << k.name << " = " << k.value << " does not read by its columns";
        if (e) out.push_back({s.name + "." + k.name, *e});
      }
    return out;
  }

  static OptionsText* options_;
  static Bitmap* master_;
};

OptionsText* BirchSkinTest::options_ = nullptr;
Bitmap* BirchSkinTest::master_ = nullptr;

bool isKey(const Bitmap& b, int x, int y) { return b.pixel(x, y) == 0xFF00FF; }

TEST_F(BirchSkinTest, SectionsAreTheSixtyFourInTheProgramsOrder) {
  std::vector<std::string> names;
  for (const auto& s : options_->sections()) names.push_back(s.name);
  EXPECT_EQ(names, kSectionOrder);
  for (const auto& s : options_->sections())
    for (const auto& k : s.keys) {
      EXPECT_TRUE(std::none_of(k.name.begin(), k.name.end(), [](unsigned char c) { return std::islower(c); }))
          << s.name << "." << k.name << " is not upper case";
      // A "#" makes the mask loader read the value in the old notation.
      EXPECT_EQ(k.value.find('#'), std::string::npos) << s.name << "." << k.name;
    }
}

TEST_F(BirchSkinTest, EveryKeyIsOneTheProgramReads) {
  // A misspelt key is silently ignored by the loaders; catch it here.
  const std::set<std::string> general = {
      "PARENTCLASS",   "COLOR",         "FONTCOLOR",        "TCLEFT",         "TCTOP",           "TCRIGHT",
      "TCBOTTOM",      "HOTFONTCOLOR",  "HOTTCLEFT",        "HOTTCTOP",       "HOTTCRIGHT",      "HOTTCBOTTOM",
      "GIVEOWNFONT",   "RESERVEDBOOLEAN", "TRANSPARENCY",   "GRADIENTPERCENT", "GRADIENTDATA",   "IMAGEPERCENT",
      "SHOWFOCUS",     "FADINGENABLED", "FADINGITERATIONS", "HOTCOLOR",       "HOTTRANSPARENCY", "HOTGRADIENTPERCENT",
      "HOTGRADIENTDATA", "HOTIMAGEPERCENT"};
  const std::set<std::string> global = {"VERSION",      "AUTHOR",     "DESCRIPTION", "MASTERBITMAP",
                                        "SHADOW1COLOR", "SHADOW1OFFSET", "SHADOW1BLUR", "SHADOW1TRANSPARENCY",
                                        "BORDERCOLOR",  "BISPACE",    "BIVALIGN"};
  const std::set<std::string> images = {
      "BORDERSMASK",  "GLYPHMASK",     "PATTERN",      "HOTPATTERN",     "GRIPIMAGE",   "STATUSPANELMASK",
      "TITLEBAR",     "CHECK",         "BOXCHECKED",   "BOXUNCHECKED",   "BOXGRAYED",   "RADIOCHECKED",
      "RADIOUNCHECKED", "RADIOGRAYED", "SMALLCHECKED", "SMALLUNCHECKED", "SMALLGRAYED", "BICONCLOSE",
      "BICONMAX",     "BICONNORM",     "BICONMIN",     "BICONHELP",      "SICONCLOSE",  "SICONMAX",
      "SICONNORM",    "SICONMIN",      "SICONHELP",    "TITLEBUTTON",    "IMGTOPLEFT",  "IMGTOPRIGHT",
      "IMGBTMLEFT",   "IMGBTMRIGHT"};
  for (const auto& s : options_->sections())
    for (const auto& k : s.keys) {
      const bool known = general.count(k.name) || images.count(k.name) || (s.name == "GLOBALINFO" && global.count(k.name));
      EXPECT_TRUE(known) << s.name << "." << k.name << " is read by nothing";
      if (images.count(k.name) && k.value != "N/A") {
        EXPECT_NE(std::string("^@~!").find(k.value[0]), std::string::npos) << s.name << "." << k.name;
      }
    }
}

TEST_F(BirchSkinTest, KeepsTheFactsQuotedAboutTheProgramsSkin) {
  EXPECT_EQ(value("GLOBALINFO", "VERSION"), "6.02");
  EXPECT_EQ(value("EDIT", "BORDERSMASK"), "^0034^0019^0041^0028^0002^0002^0002^0002^1^0^1^1");
  EXPECT_EQ(value("BUTTON_HUGE", "BORDERSMASK"), "!BUTTONHUGE.BMP!3!1!0!0048!0048!0047!0047");
  EXPECT_EQ(value("FORMTITLE", "IMGTOPLEFT"), "!TL.BMP!1!1!2");
  EXPECT_EQ(value("GLOBALINFO", "BICONCLOSE"), "@0034@0000@0130@0018@3@0");
  EXPECT_EQ(value("GRIPH", "PATTERN"), "~0110~0036~0113~0042~10~1");
  EXPECT_EQ(value("GRIPV", "BORDERSMASK"), "N/A");
  EXPECT_EQ(value("SCROLLSLIDERV", "GRADIENTDATA").rfind("15987442;15329512;53;1;0", 0), 0u);
  for (const char* absent : {"SICONMAX", "SICONHELP", "BICONHELP"})
    EXPECT_FALSE(options_->value("GLOBALINFO", absent).has_value()) << absent;
  for (const char* present : {"BICONMAX", "BICONNORM", "BICONMIN", "SICONCLOSE", "SICONMIN", "BOXCHECKED",
                              "BOXUNCHECKED", "RADIOCHECKED", "RADIOUNCHECKED", "GRIPIMAGE"})
    EXPECT_TRUE(options_->value("GLOBALINFO", present).has_value()) << present;
  // The master bitmap is found in the pack by its upper-cased name.
  EXPECT_EQ(value("GLOBALINFO", "MASTERBITMAP"), "MASTER.BMP");
}

TEST_F(BirchSkinTest, ButtonLikeSectionsFadeInTwentySteps) {
  for (const char* s : {"BUTTON", "SPEEDBUTTON", "SPEEDBUTTON_SMALL", "BUTTON_BIG", "BUTTON_HUGE", "TOOLBUTTON",
                        "UPDOWNBTN", "WEBBUTTON", "COMBOBTN", "SCROLLBTNTOP", "SCROLLBTNBOTTOM", "SCROLLBTNLEFT",
                        "SCROLLBTNRIGHT", "SCROLLSLIDERV", "SCROLLSLIDERH"}) {
    EXPECT_EQ(options_->inherited(s, "FADINGENABLED").value_or(""), "TRUE") << s;
    EXPECT_EQ(options_->inherited(s, "FADINGITERATIONS").value_or(""), "20") << s;
  }
}

TEST_F(BirchSkinTest, EverySectionTheProgramPaintsHasABorderMask) {
  // Looked up as the engine does: the section's own, else its parent's.
  for (const char* s : {"EDIT", "BUTTON", "SPEEDBUTTON", "COMBOBOX", "COMBOBTN", "GROUPBOX", "GAUGE", "PROGRESSH",
                        "PROGRESSV", "FORM", "FORMTITLE", "DIALOG", "HINT", "SCROLLBAR1V", "SCROLLBAR2V",
                        "SCROLLBAR1H", "SCROLLBAR2H", "SCROLLSLIDERV", "SCROLLSLIDERH", "SCROLLBTNTOP",
                        "SCROLLBTNBOTTOM", "SCROLLBTNLEFT", "SCROLLBTNRIGHT"}) {
    auto mask = options_->inherited(s, "BORDERSMASK");
    ASSERT_TRUE(mask.has_value()) << s;
    EXPECT_TRUE((*mask)[0] == '^' || (*mask)[0] == '!') << s << " = " << *mask;
  }
}

TEST_F(BirchSkinTest, ActiveStatesHaveTheirOwnColour) {
  // Without HOTCOLOR a section turns white when hot, pressed or focused.
  for (const auto& s : options_->sections()) {
    if (s.name == "GLOBALINFO") continue;
    EXPECT_TRUE(options_->inherited(s.name, "HOTCOLOR").has_value()) << s.name;
  }
}

// Relative luminance and contrast ratio as the web accessibility guidelines
// define them; 4.5 is their minimum for normal text.
double luminance(TColor c) {
  auto channel = [](int v) {
    const double s = v / 255.0;
    return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * channel(GetRValue(c)) + 0.7152 * channel(GetGValue(c)) + 0.0722 * channel(GetBValue(c));
}
double contrast(TColor a, TColor b) {
  const double la = luminance(a), lb = luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

TEST_F(BirchSkinTest, TextIsReadableOnItsBackground) {
  const TColor face = static_cast<TColor>(std::stol(value("GLOBALINFO", "COLOR")));
  for (const auto& s : options_->sections()) {
    for (const bool hot : {false, true}) {
      auto font = options_->inherited(s.name, hot ? "HOTFONTCOLOR" : "FONTCOLOR");
      auto color = options_->inherited(s.name, hot ? "HOTCOLOR" : "COLOR");
      if (!font || !color) continue;
      // A fully transparent section shows the window behind its text.
      const bool seeThrough = options_->inherited(s.name, hot ? "HOTTRANSPARENCY" : "TRANSPARENCY") == "100";
      const TColor background = seeThrough ? face : static_cast<TColor>(std::stol(*color));
      EXPECT_GE(contrast(static_cast<TColor>(std::stol(*font)), background), 4.5) << s.name << (hot ? " (hot)" : "");
    }
  }
}

TEST_F(BirchSkinTest, MasterRectanglesLieInsideTheBitmapAndNeverOverlap) {
  ASSERT_FALSE(master_->empty());
  const auto entries = masterEntries();
  ASSERT_GT(entries.size(), 40u);
  const TRect whole{0, 0, master_->width(), master_->height()};
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const auto& [name, e] = entries[i];
    EXPECT_EQ(Intersect(e.r, whole), e.r) << name << " leaves Master.bmp";
    ASSERT_GT(e.imageCount, 0) << name;
    EXPECT_EQ(e.r.Width() % e.imageCount, 0) << name << ": frames of unequal width";
    EXPECT_EQ(e.r.Height() % (e.maskType + 1), 0) << name << ": image and mask rows of unequal height";
    for (std::size_t j = i + 1; j < entries.size(); ++j)
      EXPECT_TRUE(Intersect(e.r, entries[j].second.r).IsEmpty()) << name << " overlaps " << entries[j].first;
  }
}

TEST_F(BirchSkinTest, BorderWidthsFitTheirFrames) {
  for (const auto& [name, e] : masterEntries()) {
    if (e.notation != '^') continue;
    const int w = e.r.Width() / e.imageCount, h = e.r.Height() / (e.maskType + 1);
    EXPECT_LE(e.wl + e.wr, w) << name;
    EXPECT_LE(e.wt + e.wb, h) << name;
    EXPECT_GT(e.wl + e.wt + e.wr + e.wb, 0) << name << ": the loader would invent widths";
  }
}

TEST_F(BirchSkinTest, PixelsOutsideTheImagesAreKeyColoured) {
  std::vector<std::vector<bool>> used(master_->height(), std::vector<bool>(master_->width(), false));
  for (const auto& [name, e] : masterEntries())
    for (int y = e.r.Top; y < e.r.Bottom; ++y)
      for (int x = e.r.Left; x < e.r.Right; ++x) used[y][x] = true;
  int stray = 0;
  for (int y = 0; y < master_->height(); ++y)
    for (int x = 0; x < master_->width(); ++x)
      if (!used[y][x] && !isKey(*master_, x, y)) ++stray;
  EXPECT_EQ(stray, 0) << "pixels drawn where no entry looks";
}

TEST_F(BirchSkinTest, KeyPixelsOfMaskedImagesKeepWhatLiesUnder) {
  // Some copies blend key pixels through the mask instead of skipping them;
  // a mask of 255 keeps the destination there.
  for (const auto& [name, e] : masterEntries()) {
    if (e.maskType != 1) continue;
    const int half = e.r.Height() / 2;
    for (int y = e.r.Top; y < e.r.Top + half; ++y)
      for (int x = e.r.Left; x < e.r.Right; ++x)
        if (isKey(*master_, x, y)) {
          ASSERT_EQ(master_->pixel(x, y + half), 0xFFFFFFu) << name << " at " << x << "," << y;
        }
  }
}

TEST_F(BirchSkinTest, PlainBorderMasksHaveKeyPixelsOnlyInTheirCorners) {
  // Edges and centre of a plain mask are block copies: a key pixel there
  // would show as magenta on screen.
  for (const auto& [name, e] : masterEntries()) {
    if (e.notation != '^' || e.maskType != 0) continue;
    const int w = e.r.Width() / e.imageCount, h = e.r.Height();
    for (int f = 0; f < e.imageCount; ++f)
      for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
          const bool corner = (x < e.wl || x >= w - e.wr) && (y < e.wt || y >= h - e.wb);
          if (!corner) {
            EXPECT_FALSE(isKey(*master_, e.r.Left + f * w + x, e.r.Top + y)) << name << " frame " << f;
          }
        }
  }
}

TEST_F(BirchSkinTest, EdgesOfBorderMasksTileWithoutSeams) {
  // Masked borders are always tiled: an edge piece whose rows (left and
  // right edges) or columns (top and bottom edges) differ shows a repeating
  // pattern along the control's sides. Plain borders are stretched, which
  // would smear such a difference over the whole side.
  for (const auto& [name, e] : masterEntries()) {
    if (e.notation != '^') continue;
    const int halves = e.maskType + 1;
    const int w = e.r.Width() / e.imageCount, h = e.r.Height() / halves;
    const int ch = h - e.wt - e.wb, cw = w - e.wl - e.wr;
    for (int f = 0; f < e.imageCount; ++f) {
      const int x0 = e.r.Left + f * w, y0 = e.r.Top;
      for (int half = 0; half < halves; ++half) {
        const int y = y0 + half * h;
        for (int row = 1; row < ch; ++row)
          for (int x = 0; x < w; ++x) {
            if (x >= e.wl && x < w - e.wr) continue;  // only the side edges
            ASSERT_EQ(master_->pixel(x0 + x, y + e.wt + row), master_->pixel(x0 + x, y + e.wt))
                << name << " frame " << f << " side edge row " << row;
          }
        for (int col = 1; col < cw; ++col)
          for (int yy = 0; yy < h; ++yy) {
            if (yy >= e.wt && yy < h - e.wb) continue;  // only the top and bottom edges
            ASSERT_EQ(master_->pixel(x0 + e.wl + col, y + yy), master_->pixel(x0 + e.wl, y + yy))
                << name << " frame " << f << " top/bottom edge column " << col;
          }
      }
    }
  }
}

TEST_F(BirchSkinTest, OwnBitmapsHaveTheirKnownSizes) {
  const Bitmap huge = SkinFiles::readBitmap(SkinFiles::folder() + "/ButtonHuge.bmp");
  EXPECT_EQ(huge.width(), 288);
  EXPECT_EQ(huge.height(), 192);
  const Bitmap decoration = SkinFiles::readBitmap(SkinFiles::folder() + "/tl.bmp");
  EXPECT_EQ(decoration.width(), 429);
  EXPECT_EQ(decoration.height(), 600);
  EXPECT_EQ(master_->format(), PixelFormat::Bgr24);
}

TEST_F(BirchSkinTest, TitleDecorationStaysInTheFrameTheEngineDraws) {
  // The engine takes a third of an own bitmap's width and half its height
  // as the frame of a corner image; anything beyond would never be seen.
  const Bitmap decoration = SkinFiles::readBitmap(SkinFiles::folder() + "/tl.bmp");
  ASSERT_EQ(decoration.width(), 429);
  const int frameWidth = decoration.width() / 3, imageRows = decoration.height() / 2;
  int drawn = 0, outside = 0;
  for (int y = 0; y < imageRows; ++y)
    for (int x = 0; x < decoration.width(); ++x) {
      if (isKey(decoration, x, y)) continue;
      ++drawn;
      if (x >= frameWidth) ++outside;
    }
  EXPECT_GT(drawn, 500) << "the twig is missing";
  EXPECT_EQ(outside, 0);
}

TEST(BirchSourcesTest, CommittedFilesAreWhatTheSourcesProduce) {
  // The folder must come from the committed sources, not from hand edits
  // or an older generator: tools/skinart/rebuild.sh brings it up to date.
  Result<BirchSkinFiles> built =
      BirchSkinBuilder::build(SkinFiles::readText(std::string(SKIN_RESOURCES_DIR) + "/skin/Birch.options"));
  ASSERT_TRUE(built.ok()) << built.error();
  const std::string folder = SkinFiles::folder();
  EXPECT_EQ(built->options, SkinFiles::readText(folder + "/Options.dat"));
  EXPECT_EQ(BmpCodec::encode(built->master), SkinFiles::readBytes(folder + "/Master.bmp"));
  EXPECT_EQ(BmpCodec::encode(built->hugeButton), SkinFiles::readBytes(folder + "/ButtonHuge.bmp"));
  EXPECT_EQ(BmpCodec::encode(built->decoration), SkinFiles::readBytes(folder + "/tl.bmp"));
}

TEST(BirchPackTest, HoldsTheFolderFilesInTheProgramsOrder) {
  const auto files = SkinFiles::unpack(SkinFiles::readBytes(SkinFiles::packPath()));
  ASSERT_EQ(files.size(), 4u) << "pack missing or malformed";
  const std::vector<std::string> order = {"Options.dat", "ButtonHuge.bmp", "Master.bmp", "tl.bmp"};
  for (std::size_t i = 0; i < order.size(); ++i) {
    EXPECT_EQ(files[i].name, order[i]);
    EXPECT_EQ(files[i].bytes, SkinFiles::readBytes(SkinFiles::folder() + "/" + order[i]))
        << order[i] << " in the pack differs from the folder: rebuild the pack";
  }
}

}  // namespace
