// The preview sheet of a two-section skin built here: a button with a
// two-frame border mask and a caption, and a fully transparent panel.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>
#include <unistd.h>

#include "platform/BmpCodec.h"
#include "platform/FileBytes.h"
#include "platform/PngCodec.h"
#include "skin/load/TacSkinPackWriter.h"
#include "tools/skinpack/PreviewCellRules.h"
#include "tools/skinpack/PreviewSkinLoader.h"
#include "tools/skinpack/SkinPreview.h"
#include "tools/skinpack/SkinPreviewCommand.h"

namespace fs = std::filesystem;

namespace {

constexpr TColor kButtonColor = 0x00C08040;
constexpr TColor kFrame0 = 0x0000FFFF;  // border mask, state frame 0
constexpr TColor kFrame1 = 0x00FFFF00;  // border mask, state frame 1
constexpr TColor kText = 0x000000FF;
constexpr TColor kContour = 0x0000C000;
constexpr TColor kHotText = 0x00FF0000;
constexpr TColor kGlyph0 = 0x00800000;
constexpr TColor kGlyph1 = 0x00008000;

// Master bitmap 12 x 4: the button's border mask in (0, 0, 8, 4), two
// frames of 4 x 4 with the top-left pixel of frame 0 in the key colour;
// GLOBALINFO's CHECK glyph in (8, 0, 12, 2), two frames of 2 x 2 whose
// second frame has a key-colour pixel.
Bitmap MasterBitmap() {
  Bitmap master(12, 4);
  master.fill(clFuchsia);
  for (int y = 0; y < 4; ++y) {
    for (int x = 0; x < 8; ++x) master.setPixel(x, y, x < 4 ? kFrame0 : kFrame1);
  }
  master.setPixel(0, 0, clFuchsia);
  for (int y = 0; y < 2; ++y) {
    for (int x = 8; x < 12; ++x) master.setPixel(x, y, x < 10 ? kGlyph0 : kGlyph1);
  }
  master.setPixel(11, 1, clFuchsia);
  return master;
}

std::string Options() {
  return "[GLOBALINFO]\r\nMASTERBITMAP=MASTER.BMP\r\nCOLOR=15660020\r\n"
         "CHECK=@0008@0000@0012@0002@2@0\r\n"
         "[BUTTON]\r\nCOLOR=" + std::to_string(kButtonColor) + "\r\nHOTCOLOR=" + std::to_string(kButtonColor) +
         "\r\nFONTCOLOR=" + std::to_string(kText) + "\r\nTCBOTTOM=" + std::to_string(kContour) +
         "\r\nHOTFONTCOLOR=" + std::to_string(kHotText) +
         "\r\nBORDERSMASK=^0000^0000^0008^0004^0001^0001^0001^0001^2^0^1^0\r\n"
         "GLYPHMASK=@0008@0000@0010@0002@1@0\r\n"
         "[PANEL]\r\nCOLOR=255\r\nHOTCOLOR=255\r\nTRANSPARENCY=100\r\nHOTTRANSPARENCY=100\r\n";
}

std::vector<std::uint8_t> Bytes(const std::string& text) { return {text.begin(), text.end()}; }

// A fresh folder holding the skin, and a pack of the same files beside it.
class SkinPreviewTest : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = fs::temp_directory_path() /
            ("skinpack_preview_" + std::to_string(getpid()) + "_" +
             ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(root_);
    fs::create_directories(Folder());
    const std::vector<std::uint8_t> options = Bytes(Options());
    const std::vector<std::uint8_t> master = BmpCodec::encode(MasterBitmap());
    ASSERT_TRUE(FileBytes::write((Folder() / "Options.dat").string(), options).ok());
    ASSERT_TRUE(FileBytes::write((Folder() / "Master.bmp").string(), master).ok());
    TacSkinPackWriter writer;
    writer.Add("Options.dat", options);
    writer.Add("MASTER.BMP", master);
    ASSERT_TRUE(FileBytes::write(Pack().string(), writer.Build()).ok());
  }
  void TearDown() override { fs::remove_all(root_); }

  fs::path Folder() const { return root_ / "Tiny"; }
  fs::path Pack() const { return root_ / "Tiny.asz"; }
  fs::path Root() const { return root_; }

  static TsSkinContent LoadOk(const fs::path& path) {
    Result<TsSkinContent> skin = PreviewSkinLoader::Load(path.string());
    EXPECT_TRUE(skin.ok()) << skin.error();
    return skin.ok() ? std::move(skin).value() : TsSkinContent{};
  }

  static const SkinPreview::SectionRow& Row(const SkinPreview& preview, const std::string& name) {
    for (const SkinPreview::SectionRow& row : preview.Sections()) {
      if (row.Name == name) return row;
    }
    ADD_FAILURE() << "no row " << name;
    return preview.Sections().front();
  }

  static TColor CheckerAt(int x, int y) {
    return (x / SkinPreview::kCheckerSize + y / SkinPreview::kCheckerSize) % 2 == 0 ? SkinPreview::kCheckerLight
                                                                                    : SkinPreview::kCheckerDark;
  }

  // Pixels whose channels all lie within 48 of the colour's.
  static int CountNear(const Bitmap& sheet, const TRect& r, TColor color) {
    int count = 0;
    for (int y = r.Top; y < r.Bottom; ++y) {
      for (int x = r.Left; x < r.Right; ++x) count += IsNear(sheet.pixel(x, y), color) ? 1 : 0;
    }
    return count;
  }
  static int LowestNear(const Bitmap& sheet, const TRect& r, TColor color) {
    for (int y = r.Bottom - 1; y >= r.Top; --y) {
      for (int x = r.Left; x < r.Right; ++x) {
        if (IsNear(sheet.pixel(x, y), color)) return y;
      }
    }
    return -1;
  }
  static bool IsNear(TColor a, TColor b) {
    for (int shift = 0; shift < 24; shift += 8) {
      if (std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF)) > 48) return false;
    }
    return true;
  }

  static std::set<TColor> ColorsIn(const Bitmap& sheet, const TRect& r) {
    std::set<TColor> colors;
    for (int y = r.Top; y < r.Bottom; ++y) {
      for (int x = r.Left; x < r.Right; ++x) colors.insert(sheet.pixel(x, y));
    }
    return colors;
  }

 private:
  fs::path root_;
};

TEST_F(SkinPreviewTest, EverySectionGetsOneRowOfThreeStates) {
  const TsSkinContent skin = LoadOk(Folder());
  const SkinPreview preview(skin);
  ASSERT_EQ(preview.Sections().size(), 3u);  // GLOBALINFO, BUTTON, PANEL
  const Bitmap sheet = preview.Render();
  EXPECT_EQ(sheet.width(), preview.SheetSize().cx);
  EXPECT_EQ(sheet.height(), preview.SheetSize().cy);
  for (const SkinPreview::SectionRow& row : preview.Sections()) {
    EXPECT_TRUE(skin.IsValidSkinIndex(row.SkinIndex)) << row.Name;
    for (const TRect& cell : row.Cells) {
      // A hairline outside the cell marks it even where the section is paper-white.
      EXPECT_NE(sheet.pixel(cell.Left - 1, cell.Top - 1), SkinPreview::kPaper) << row.Name;
      EXPECT_NE(sheet.pixel(cell.Right, cell.Bottom), SkinPreview::kPaper) << row.Name;
      EXPECT_GE(cell.Width(), PreviewCellRules::kMinWidth) << row.Name;
      EXPECT_GE(cell.Height(), PreviewCellRules::kMinHeight) << row.Name;
      EXPECT_TRUE(cell.Left >= row.Label.Right && cell.Right <= sheet.width() && cell.Bottom <= sheet.height());
    }
    // The label column holds the name in dark ink on paper.
    const std::set<TColor> label = ColorsIn(sheet, row.Label);
    EXPECT_TRUE(label.count(SkinPreview::kPaper));
    EXPECT_GT(label.size(), 2u) << "no label text for " << row.Name;
  }
  // Rows do not overlap.
  for (std::size_t i = 1; i < preview.Sections().size(); ++i)
    EXPECT_GE(preview.Sections()[i].Cells[0].Top, preview.Sections()[i - 1].Label.Bottom);
}

TEST_F(SkinPreviewTest, SolidSectionShowsItsColourAndItsMaskFramePerState) {
  const TsSkinContent skin = LoadOk(Folder());
  const SkinPreview preview(skin);
  const Bitmap sheet = preview.Render();
  const SkinPreview::SectionRow& button = Row(preview, "BUTTON");
  for (int state = 0; state < SkinPreview::kStates; ++state) {
    const TRect& c = button.Cells[state];
    const int midY = (c.Top + c.Bottom) / 2;
    // Left of the centred caption: the section colour.
    EXPECT_EQ(sheet.pixel(c.Left + 3, midY), kButtonColor) << "state " << state;
    // Top edge: frame 0 in the normal state, frame 1 when hot and (clamped) pressed.
    const TColor edge = state == 0 ? kFrame0 : kFrame1;
    EXPECT_EQ(sheet.pixel((c.Left + c.Right) / 2, c.Top), edge) << "state " << state;
    EXPECT_EQ(sheet.pixel(c.Left, midY), edge) << "state " << state;
    EXPECT_EQ(sheet.pixel(c.Right - 1, c.Bottom - 1), edge) << "state " << state;
  }
  // The key-colour corner of frame 0 shows the checker under the cell;
  // frame 1 has no key pixel there.
  EXPECT_EQ(sheet.pixel(button.Cells[0].Left, button.Cells[0].Top), CheckerAt(button.Cells[0].Left, button.Cells[0].Top));
  EXPECT_EQ(sheet.pixel(button.Cells[1].Left, button.Cells[1].Top), kFrame1);
}

TEST_F(SkinPreviewTest, CaptionUsesTheFontColoursOfTheState) {
  const TsSkinContent skin = LoadOk(Folder());
  const SkinPreview preview(skin);
  const Bitmap sheet = preview.Render();
  const SkinPreview::SectionRow& button = Row(preview, "BUTTON");
  // Glyphs are anti-aliased: look for pixels close to the colours.
  const TRect& normal = button.Cells[0];
  EXPECT_GT(CountNear(sheet, normal, kText), 5);
  EXPECT_GT(CountNear(sheet, normal, kContour), 5) << "the bottom contour is missing";
  EXPECT_EQ(CountNear(sheet, normal, kHotText), 0);
  // The contour lies under the text: one pixel lower, never above it.
  EXPECT_GT(LowestNear(sheet, normal, kContour), LowestNear(sheet, normal, kText));
  const TRect& hot = button.Cells[1];
  EXPECT_GT(CountNear(sheet, hot, kHotText), 5);
  EXPECT_EQ(CountNear(sheet, hot, kText), 0);
  EXPECT_EQ(CountNear(sheet, hot, kContour), 0) << "the hot state has no contour";
  // Sections that are not button-like carry no caption.
  EXPECT_EQ(CountNear(sheet, Row(preview, "PANEL").Cells[0], kText), 0);
}

TEST_F(SkinPreviewTest, TransparentSectionShowsTheChecker) {
  const TsSkinContent skin = LoadOk(Folder());
  const SkinPreview preview(skin);
  const Bitmap sheet = preview.Render();
  const SkinPreview::SectionRow& panel = Row(preview, "PANEL");
  for (int state = 0; state < SkinPreview::kStates; ++state) {
    const TRect& c = panel.Cells[state];
    for (const TPoint p : {Point((c.Left + c.Right) / 2, (c.Top + c.Bottom) / 2), Point(c.Left, c.Top),
                           Point(c.Left + SkinPreview::kCheckerSize, c.Top), Point(c.Right - 1, c.Bottom - 1)})
      EXPECT_EQ(sheet.pixel(p.X, p.Y), CheckerAt(p.X, p.Y)) << "state " << state << " at " << p.X << "," << p.Y;
    EXPECT_EQ(ColorsIn(sheet, c), (std::set<TColor>{SkinPreview::kCheckerLight, SkinPreview::kCheckerDark}));
  }
}

TEST_F(SkinPreviewTest, ImageBlockShowsEveryFrameOfTheGlobalImagesAndGlyphs) {
  const TsSkinContent skin = LoadOk(Folder());
  const SkinPreview preview(skin);
  const Bitmap sheet = preview.Render();
  ASSERT_EQ(preview.Images().size(), 2u);  // in mask order
  EXPECT_EQ(preview.Images()[1].Name, "BUTTON GLYPHMASK");
  ASSERT_EQ(preview.Images()[1].Frames.size(), 1u);
  const TRect& glyph = preview.Images()[1].Frames[0];
  EXPECT_EQ(sheet.pixel(glyph.Left + SkinPreview::kFramePad, glyph.Top + SkinPreview::kFramePad), kGlyph0);
  const SkinPreview::ImageRow& check = preview.Images()[0];
  EXPECT_EQ(check.Name, "GLOBALINFO CHECK");
  ASSERT_EQ(check.Frames.size(), 2u);
  const int pad = SkinPreview::kFramePad;
  const TRect& f0 = check.Frames[0];
  const TRect& f1 = check.Frames[1];
  EXPECT_EQ(sheet.pixel(f0.Left + pad, f0.Top + pad), kGlyph0);
  EXPECT_EQ(sheet.pixel(f0.Left + pad + 1, f0.Top + pad + 1), kGlyph0);
  EXPECT_EQ(sheet.pixel(f1.Left + pad, f1.Top + pad), kGlyph1);
  // The key-colour pixel of frame 1 and the padding show the checker.
  const TPoint key = Point(f1.Left + pad + 1, f1.Top + pad + 1);
  EXPECT_EQ(sheet.pixel(key.X, key.Y), CheckerAt(key.X, key.Y));
  EXPECT_EQ(sheet.pixel(f0.Left, f0.Top), CheckerAt(f0.Left, f0.Top));
  EXPECT_LE(f1.Right, sheet.width());
  EXPECT_LE(f1.Bottom, sheet.height());
}

TEST_F(SkinPreviewTest, BrokenImageRectanglesNeitherShowNorSizeTheSheet) {
  const TsSkinContent good = LoadOk(Folder());
  const TSize goodSize = SkinPreview(good).SheetSize();
  // A glyph reaching far outside the master bitmap, one with more frames
  // than columns, and a border mask outside it too.
  const std::string broken = Options() +
                             "[EXTRA]\r\nGLYPHMASK=@0000@0000@9000@0004@1@1\r\n"
                             "IMGTOPLEFT=@0000@0000@0004@0002@9000@0\r\n"
                             "BORDERSMASK=^0000^0000^9000^4000^0001^0001^0001^0001^1^0^0^0\r\n";
  ASSERT_TRUE(FileBytes::write((Folder() / "Options.dat").string(), Bytes(broken)).ok());
  const TsSkinContent skin = LoadOk(Folder());
  const SkinPreview preview(skin);
  EXPECT_EQ(preview.Images().size(), 2u);
  EXPECT_EQ(preview.SheetSize().cx, goodSize.cx);
  EXPECT_EQ(Row(preview, "EXTRA").Cells[0].Width(), PreviewCellRules::kMinWidth);
  EXPECT_EQ(preview.Render().height(), preview.SheetSize().cy);
}

TEST_F(SkinPreviewTest, PackAndFolderGiveTheSameSheet) {
  const TsSkinContent fromFolder = LoadOk(Folder());
  const TsSkinContent fromPack = LoadOk(Pack());
  EXPECT_TRUE(SkinPreview(fromFolder).Render() == SkinPreview(fromPack).Render());
}

TEST_F(SkinPreviewTest, CommandWritesThePngOfTheSheet) {
  const fs::path out = Root() / "sheet.png";
  ASSERT_EQ(SkinPreviewCommand::Run(Pack().string(), out.string()), 0);
  Result<std::vector<std::uint8_t>> bytes = FileBytes::read(out.string());
  ASSERT_TRUE(bytes.ok()) << bytes.error();
  Result<Bitmap> png = PngCodec::decode(bytes.value());
  ASSERT_TRUE(png.ok()) << png.error();
  const TsSkinContent skin = LoadOk(Pack());
  EXPECT_TRUE(png.value() == SkinPreview(skin).Render());
}

TEST_F(SkinPreviewTest, UnreadableSkinsAreRefusedWithAReason) {
  const fs::path out = Root() / "never.png";
  const fs::path garbage = Root() / "garbage.asz";
  ASSERT_TRUE(FileBytes::write(garbage.string(), Bytes("not a pack at all")).ok());
  const fs::path empty = Root() / "EmptyFolder";
  fs::create_directories(empty);
  const fs::path badNumber = Root() / "BadNumber";
  fs::create_directories(badNumber);
  ASSERT_TRUE(FileBytes::write((badNumber / "Options.dat").string(),
                               Bytes("[BUTTON]\r\nBORDERSMASK=^00x0^0000^0008^0004^0001^0001^0001^0001^2^0^1^0\r\n"))
                  .ok());
  const fs::path noSections = Root() / "NoSections";
  fs::create_directories(noSections);
  ASSERT_TRUE(FileBytes::write((noSections / "Options.dat").string(), Bytes("; nothing here\r\n")).ok());

  for (const fs::path& bad : {Root() / "missing.asz", garbage, empty, badNumber, noSections}) {
    Result<TsSkinContent> skin = PreviewSkinLoader::Load(bad.string());
    EXPECT_FALSE(skin.ok()) << bad;
    EXPECT_NE(skin.error().find(bad.string()), std::string::npos) << "the message names the skin: " << skin.error();
    EXPECT_EQ(SkinPreviewCommand::Run(bad.string(), out.string()), 1) << bad;
    EXPECT_FALSE(fs::exists(out)) << bad;
  }
}

TEST(PreviewCellRules, CellsFitTheirFrameAndUsualShape) {
  // Never below the minimum, and always the whole border frame plus half a tile.
  EXPECT_EQ(PreviewCellRules::CellSize("SOMETHING", {0, 0}),
            (TSize{PreviewCellRules::kMinWidth, PreviewCellRules::kMinHeight}));
  const TSize big = PreviewCellRules::CellSize("BUTTON", {90, 40});
  EXPECT_GE(big.cx, 90 + 45);
  EXPECT_GE(big.cy, 40 + 20);
  // Buttons and edits are wider than plain sections; vertical bars and
  // forms are taller than wide.
  EXPECT_GT(PreviewCellRules::CellSize("BUTTON", {}).cx, PreviewCellRules::kMinWidth);
  EXPECT_GT(PreviewCellRules::CellSize("EDIT", {}).cx, PreviewCellRules::kMinWidth);
  for (const char* upright : {"GAUGE", "PROGRESSV", "SCROLLBAR1V", "SCROLLBAR2V", "SCROLLSLIDERV"}) {
    const TSize s = PreviewCellRules::CellSize(upright, {6, 6});
    EXPECT_GT(s.cy, s.cx) << upright;
    EXPECT_GE(s.cy, PreviewCellRules::kMinWidth) << upright;
  }
  EXPECT_GT(PreviewCellRules::CellSize("FORM", {}).cy, PreviewCellRules::kMinHeight * 2);
  for (const char* buttonLike : {"BUTTON", "BUTTON_BIG", "SPEEDBUTTON", "CHECKBOX", "RADIOBUTTON", "TABTOP",
                                 "COLHEADER", "MENUITEM", "WEBBUTTON", "TOOLBUTTON"})
    EXPECT_TRUE(PreviewCellRules::ShowsCaption(buttonLike)) << buttonLike;
  for (const char* plain : {"PANEL", "FORM", "SCROLLBTNTOP", "COMBOBTN", "TABCONTROL", "TABLEFT", "GAUGE", "EDIT"})
    EXPECT_FALSE(PreviewCellRules::ShowsCaption(plain)) << plain;
}

}  // namespace
