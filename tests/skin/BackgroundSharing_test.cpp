// Background and colour sharing between skinned parents and children: what
// a background request is answered with, the translucent colour rules, the
// containers that keep a picture of their own, the font section lookup, and
// the routines that put a cache and windowless children on the screen.
#include <gtest/gtest.h>

#include "platform/graphics/Fills.h"
#include "skin/CacheToScreen.h"
#include "skin/SharedBackground.h"
#include "skin/SkinCommandMessage.h"
#include "skin/SkinCommands.h"
#include "skin/TsBackgroundRequest.h"
#include "tests/skin/SkinStateFixture.h"

namespace {

struct Sharing : ::testing::Test, SkinStateFixture {};

TColor Channels(int r, int g, int b) { return static_cast<TColor>(r | (g << 8) | (b << 16)); }

// A windowless skinned control that counts the SKC_PARENT_MOVED it hears.
class TCountingDot : public TSkinnedDot {
 public:
  using TSkinnedDot::TSkinnedDot;
  int ParentMoves = 0;

 protected:
  void WndProc(TMessage& message) override {
    if (message.Msg == SM_SKINCOMMAND && SkinCommandOf(message.WParam) == SKC_PARENT_MOVED) ++ParentMoves;
    TSkinnedDot::WndProc(message);
  }
};

}  // namespace

TEST_F(Sharing, ATransparentChildBorrowsThePanelsPictureMovedByItsPosition) {
  const int panelSection = AddSection("PANEL", 0, 0x00336699);
  Section(panelSection).GradientPercent = 100;
  Section(panelSection).GradientData = "16777215;0;100;0;0";
  Section(panelSection).GradientArray = {{0xFFFFFF, 0, 100, 0}};
  AddSection("CLEAR", 100);
  TSkinnedPanel* panel = AddPanel(form, "PANEL", Bounds(10, 10, 200, 120));
  TSkinnedDot* child = AddDot(panel, "CLEAR", Bounds(30, 20, 40, 20));
  panel->SkinData.PrepareCache();

  TsBackgroundRequest request;
  AskForBackground(request, child, false);
  EXPECT_EQ(request.BgKind, bgBitmap);
  EXPECT_EQ(request.BgBmp, &panel->SkinData.CacheBmp()->Pixels());
  EXPECT_EQ(request.BgX, 30);
  EXPECT_EQ(request.BgY, 20);
  const TCacheInfo ci = CacheInfoFromRequest(request);
  EXPECT_TRUE(ci.Ready);
  EXPECT_EQ(ci.FillColor, clFuchsia);
}

TEST_F(Sharing, AnOpaquePlainSectionAnswersItsColour) {
  AddSection("SOLID", 0, 0x00123456);
  TSkinnedPanel* panel = AddPanel(form, "SOLID", Bounds(0, 0, 50, 50));
  TsBackgroundRequest request;
  AskForBackground(request, panel, false);
  EXPECT_EQ(request.BgKind, bgColor);
  EXPECT_EQ(request.BgColor, 0x00123456u);
  EXPECT_FALSE(CacheInfoFromRequest(request).Ready);
}

TEST_F(Sharing, UnskinnedFormsAndContainersAnswerWithTheirColour) {
  form->SetColor(0x00445566);
  AddSection("CLEAR", 100);
  TSkinnedDot* child = AddDot(form, "CLEAR", Bounds(0, 0, 10, 10));
  TsBackgroundRequest request;
  AskForBackground(request, child, false);
  EXPECT_EQ(request.BgKind, bgColor);
  EXPECT_EQ(request.BgColor, 0x00445566u);
  EXPECT_EQ(ParentColor(static_cast<TControl*>(form)), 0x00445566u);
  form->HandleNeeded();
  EXPECT_EQ(ParentColor(form->Handle()), 0x00445566u);
}

TEST_F(Sharing, BordersWiderThanTwentyFourMakeAContainerKeepItsOwnCache) {
  AddSection("WIDE");
  AddBorderMask("WIDE", 10, 10, 5, 0);
  AddSection("NARROW");
  AddBorderMask("NARROW", 6, 6, 6, 6);
  TSkinnedPanel* wide = AddPanel(form, "WIDE", Bounds(0, 0, 50, 50));
  TSkinnedPanel* narrow = AddPanel(form, "NARROW", Bounds(0, 0, 50, 50));
  wide->SkinData.SharesCacheLikeContainer = true;
  narrow->SkinData.SharesCacheLikeContainer = true;
  form->Show();
  driver.runUntilIdle();
  EXPECT_TRUE(wide->SkinData.NeedsOwnCache());
  EXPECT_FALSE(narrow->SkinData.NeedsOwnCache());
  narrow->SkinData.RecomputeCacheMode(false);
  wide->SkinData.RecomputeCacheMode(false);
  EXPECT_EQ(SendSkinCommand(narrow, SKC_CACHE_MODE), pmNoOwnCache);
  EXPECT_EQ(SendSkinCommand(wide, SKC_CACHE_MODE), 0);
  EXPECT_FALSE(narrow->SkinData.MustPaintItself());
  EXPECT_TRUE(wide->SkinData.MustPaintItself());
}

// A gradient stretches with its container: the children's share of it moved.
// A child anchored to the right or bottom edge moves itself with that edge
// and hears of it through its own move, so the container leaves it out.
TEST_F(Sharing, AGradientContainerSizedTellsItsChildrenExceptThoseAnchoredToTheFarEdges) {
  const int gradient = AddSection("GRADIENT", 0, 0x00336699);
  Section(gradient).GradientPercent = 100;
  Section(gradient).GradientArray = {{0xFFFFFF, 0, 100, 0}};
  AddSection("CLEAR", 100);
  TSkinnedPanel* panel = AddPanel(form, "GRADIENT", Bounds(10, 10, 200, 120));
  auto dot = [&](TAnchors anchors, TRect bounds) {
    auto* child = new TCountingDot(form);
    child->SetParent(panel);
    child->SetBounds(bounds.Left, bounds.Top, bounds.Width(), bounds.Height());
    child->SetAnchors(anchors);
    child->SkinData.SetSkinSection("CLEAR");
    return child;
  };
  TCountingDot* still = dot(akLeft | akTop, Bounds(10, 10, 20, 20));
  TCountingDot* right = dot(akRight | akTop, Bounds(150, 10, 20, 20));
  TCountingDot* bottom = dot(akLeft | akBottom, Bounds(10, 90, 20, 20));
  form->Show();
  driver.runUntilIdle();
  for (TCountingDot* child : {still, right, bottom}) child->ParentMoves = 0;
  panel->SetBounds(10, 10, 240, 150);
  driver.runUntilIdle();
  EXPECT_EQ(still->ParentMoves, 1);
  EXPECT_EQ(right->BoundsRect(), Bounds(190, 10, 20, 20));
  EXPECT_EQ(right->ParentMoves, 1) << "once, from its own move";
  EXPECT_EQ(bottom->ParentMoves, 1) << "once, from its own move";
  EXPECT_TRUE(right->SkinData.BackgroundChanged());
}

TEST_F(Sharing, TranslucentColourKeepsTheParentsShare) {
  AddSection("HALF", 50, 0x000000);
  TSkinnedDot* dot = AddDot(form, "HALF", Bounds(0, 0, 10, 10));
  form->SetColor(0xFFFFFF);
  // (50 * 255 + 0 * 256) >> 8 = 49 on every channel.
  EXPECT_EQ(SendSkinCommand(dot, SKC_GET_COLOR, clFuchsia), static_cast<LRESULT>(Channels(49, 49, 49)));
  // The normal state's colour mixes half and half: 127.5 rounds to even 128.
  EXPECT_EQ(dot->SkinData.ColorForState(false), Channels(128, 128, 128));
}

TEST_F(Sharing, ColourRulesOfOpaqueAndClearSections) {
  AddSection("OWN", 0, 0x00010203);
  AddSection("CLEAR", 100, 0x00FFFFFF);
  TSkinnedDot* own = AddDot(form, "OWN", Bounds(0, 0, 10, 10));
  TSkinnedDot* clear = AddDot(form, "CLEAR", Bounds(0, 0, 10, 10));
  form->SetColor(0x00A0B0C0);
  EXPECT_EQ(SendSkinCommand(own, SKC_GET_COLOR, clFuchsia), 0x00010203);
  EXPECT_EQ(SendSkinCommand(clear, SKC_GET_COLOR, clFuchsia), 0x00A0B0C0);
  EXPECT_EQ(clear->SkinData.ColorForState(false), 0x00A0B0C0u);
  own->SkinData.SetCustomColor(true);
  own->SetColor(0x00112233);
  EXPECT_EQ(own->SkinData.ColorForState(false), 0x00112233u) << "a custom colour wins over the section's";
}

TEST_F(Sharing, AClearSectionOnASkinnedPanelAnswersThePanelsSkinColourNotItsOwnProperty) {
  AddSection("OWN", 0, 0x00010203);
  AddSection("CLEAR", 100, 0x00FFFFFF);
  TSkinnedPanel* panel = AddPanel(form, "OWN", Bounds(0, 0, 50, 50));
  panel->SetColor(0x00A0B0C0);
  TSkinnedDot* clear = AddDot(panel, "CLEAR", Bounds(0, 0, 10, 10));
  form->Show();
  driver.runUntilIdle();
  EXPECT_EQ(SendSkinCommand(panel, SKC_GET_COLOR, clFuchsia), 0x00010203);
  EXPECT_EQ(SendSkinCommand(panel, SKC_QUERY_SKINNED), 1);
  EXPECT_EQ(SendSkinCommand(clear, SKC_GET_COLOR, clFuchsia), 0x00010203);
}

TEST_F(Sharing, AClearSectionAnswersOpaqueWhileItsParentHasNoWindow) {
  AddSection("TEXTURED", 0);
  AddSection("CLEAR", 100);
  const int textured = manager.Content().GetSkinIndex("TEXTURED");
  Section(textured).ImagePercent = 30;
  TSkinnedPanel* panel = AddPanel(form, "TEXTURED", Bounds(0, 0, 50, 50));
  TSkinnedDot* clear = AddDot(panel, "CLEAR", Bounds(0, 0, 10, 10));
  ASSERT_FALSE(panel->HandleAllocated());
  EXPECT_EQ(SendSkinCommand(clear, SKC_QUERY_TRANSPARENT), 0) << "nothing to show through yet";
  panel->HandleNeeded();
  EXPECT_EQ(SendSkinCommand(clear, SKC_QUERY_TRANSPARENT), 1) << "the textured panel shows through";
}

TEST_F(Sharing, AClearSectionWithoutParentOrWindowAnswersTheGlobalColour) {
  AddSection("CLEAR", 100);
  TSkinnedDot orphan(nullptr);
  orphan.SkinData.SetSkinSection("CLEAR");
  TsBackgroundRequest request;
  orphan.SkinData.GetBackground(request, false);
  EXPECT_EQ(request.BgKind, bgColor);
  EXPECT_EQ(request.BgColor, 0x00D0E0F0u) << "GLOBALINFO's colour";
}

TEST_F(Sharing, QueryTransparentAndDependingOnTheParent) {
  AddSection("OWN", 0);
  AddSection("HALF", 40);
  const int textured = AddSection("TEXTURED", 0);
  Section(textured).ImagePercent = 30;
  TSkinnedPanel* host = AddPanel(form, "OWN", Bounds(0, 0, 100, 100));
  TSkinnedDot* opaque = AddDot(host, "OWN", Bounds(0, 0, 10, 10));
  TSkinnedPanel* texturedPanel = AddPanel(form, "TEXTURED", Bounds(100, 0, 100, 100));
  TSkinnedPanel* overTexture = AddPanel(texturedPanel, "HALF", Bounds(0, 0, 30, 30));
  TSkinnedPanel* overPlainForm = AddPanel(form, "HALF", Bounds(0, 100, 30, 30));
  form->Show();
  driver.runUntilIdle();
  EXPECT_EQ(SendSkinCommand(opaque, SKC_QUERY_TRANSPARENT), 0);
  EXPECT_FALSE(opaque->SkinData.DependsOnParent());
  EXPECT_EQ(SendSkinCommand(texturedPanel, SKC_QUERY_TRANSPARENT), 1);
  // A translucent control depends on a parent that shows a picture, not on
  // a plain form, which answers that nothing shows through it.
  EXPECT_TRUE(overTexture->SkinData.DependsOnParent());
  EXPECT_FALSE(overPlainForm->SkinData.DependsOnParent());
  opaque->SetEnabled(false);
  EXPECT_FALSE(opaque->SkinData.DependsOnParent()) << "its opaque parent shows nothing through";
  opaque->SetVisible(false);
  EXPECT_TRUE(opaque->SkinData.DependsOnParent());
}

// A control told that its picture depends on its parent (or one the skin
// does not reach) answers that its parent shows through, and passes a move
// of its parent on to its children.
TEST_F(Sharing, AControlToldItDependsOnItsParentPassesParentMovesOn) {
  AddSection("OWN", 0);
  TSkinnedPanel* panel = AddPanel(form, "OWN", Bounds(0, 0, 100, 100));
  auto* child = new TCountingDot(form);
  child->SetParent(panel);
  child->SetBounds(10, 10, 10, 10);
  child->SkinData.SetSkinSection("OWN");
  TSkinnedPanel* unskinned = AddPanel(form, "NOSUCHSECTION", Bounds(100, 0, 50, 50));
  form->Show();
  driver.runUntilIdle();
  EXPECT_TRUE(unskinned->SkinData.DependsOnParent()) << "the skin does not paint it";
  EXPECT_EQ(SendSkinCommand(panel, SKC_QUERY_TRANSPARENT), 0);
  SendSkinCommand(panel, SKC_PARENT_MOVED);
  EXPECT_EQ(child->ParentMoves, 0) << "an opaque panel's children keep their pictures";

  SendSkinCommand(panel, SKC_SET_PARENT_DEPENDENT, 0, 1);
  EXPECT_TRUE(panel->SkinData.DependsOnParent());
  EXPECT_EQ(SendSkinCommand(panel, SKC_QUERY_TRANSPARENT), 1);
  SendSkinCommand(panel, SKC_PARENT_MOVED);
  EXPECT_EQ(child->ParentMoves, 1);
}

TEST_F(Sharing, ParentMovedMarksDependentChildrenChanged) {
  const int textured = AddSection("TEXTURED", 0);
  Section(textured).ImagePercent = 30;
  AddSection("HALF", 40);
  AddSection("OWN", 0);
  TSkinnedPanel* outer = AddPanel(form, "TEXTURED", Bounds(0, 0, 200, 200));
  TSkinnedPanel* panel = AddPanel(outer, "HALF", Bounds(0, 0, 100, 100));
  TSkinnedDot* child = AddDot(panel, "HALF", Bounds(0, 0, 10, 10));
  TSkinnedDot* solid = AddDot(outer, "OWN", Bounds(150, 150, 10, 10));
  form->Show();
  driver.runUntilIdle();
  panel->SkinData.CacheRebuilt();
  child->SkinData.CacheRebuilt();
  solid->SkinData.CacheRebuilt();
  SendSkinCommand(panel, SKC_PARENT_MOVED);
  EXPECT_TRUE(panel->SkinData.BackgroundChanged());
  EXPECT_TRUE(child->SkinData.BackgroundChanged());
  SendSkinCommand(solid, SKC_PARENT_MOVED);
  EXPECT_FALSE(solid->SkinData.BackgroundChanged()) << "an opaque control does not care where its parent is";
}

TEST_F(Sharing, FontSectionLookupSkipsMostlyClearParentsAndHonoursGiveOwnFont) {
  const int giving = AddSection("GIVING");
  Section(giving).GiveOwnFont = true;
  AddSection("KEEPING");
  AddSection("CLEAR", 60);
  TSkinnedPanel* outer = AddPanel(form, "GIVING", Bounds(0, 0, 200, 200));
  TSkinnedPanel* clear = AddPanel(outer, "CLEAR", Bounds(0, 0, 100, 100));
  TSkinnedDot* inClear = AddDot(clear, "GLOBALINFO", Bounds(0, 0, 10, 10));
  TSkinnedPanel* keeping = AddPanel(form, "KEEPING", Bounds(0, 0, 100, 100));
  TSkinnedDot* inKeeping = AddDot(keeping, "GLOBALINFO", Bounds(0, 0, 10, 10));
  TSkinnedDot* onForm = AddDot(form, "GLOBALINFO", Bounds(0, 0, 10, 10));
  form->Show();
  driver.runUntilIdle();
  EXPECT_EQ(FontSectionIndex(inClear, 7, &manager), giving);
  EXPECT_EQ(FontSectionIndex(inKeeping, 7, &manager), 7);
  EXPECT_EQ(FontSectionIndex(onForm, 7, &manager), 7);
  EXPECT_EQ(FontSectionIndex(nullptr, 7, &manager), 7);
}

TEST_F(Sharing, AHalfClearParentStillGivesItsOwnFont) {
  const int half = AddSection("HALFGIVING", 50);
  Section(half).GiveOwnFont = true;
  const int outerGiving = AddSection("GIVING");
  Section(outerGiving).GiveOwnFont = true;
  TSkinnedPanel* outer = AddPanel(form, "GIVING", Bounds(0, 0, 200, 200));
  TSkinnedPanel* panel = AddPanel(outer, "HALFGIVING", Bounds(0, 0, 100, 100));
  TSkinnedDot* dot = AddDot(panel, "GLOBALINFO", Bounds(0, 0, 10, 10));
  form->Show();
  driver.runUntilIdle();
  EXPECT_EQ(FontSectionIndex(dot, 7, &manager), half) << "only a parent more than half clear is looked through";
}

TEST_F(Sharing, WindowlessChildrenArePaintedOverTheContainersBackgroundExceptKeyColouredOnes) {
  AddSection("SOLID", 0, 0x00808080);
  TSkinnedPanel* panel = AddPanel(form, "SOLID", Bounds(0, 0, 100, 60));
  TSkinnedDot* red = AddDot(panel, "SOLID", Bounds(10, 10, 10, 10));
  red->Fill = 0x0000FF;
  TSkinnedDot* keyed = AddDot(panel, "SOLID", Bounds(40, 10, 10, 10));
  keyed->Fill = clFuchsia;
  TBitmap target(100, 60);
  FillRect(target.Canvas().Handle(), Rect(0, 0, 100, 60), 0x00FF0000);
  PaintWindowlessChildren(target.Canvas().Handle(), *panel, Point(0, 0));
  EXPECT_EQ(target.Canvas().Pixel(15, 15), 0x0000FFu);
  EXPECT_EQ(target.Canvas().Pixel(45, 15), 0x00FF0000u) << "a key-coloured child leaves the target as it was";
  EXPECT_EQ(target.Canvas().Pixel(5, 5), 0x00FF0000u) << "only the children's rectangles are copied";

  // Shifted by a point: the children land moved.
  TBitmap shifted(120, 80);
  PaintWindowlessChildren(shifted.Canvas().Handle(), *panel, Point(20, 20));
  EXPECT_EQ(shifted.Canvas().Pixel(35, 35), 0x0000FFu);
}

TEST_F(Sharing, AnEmptyClipMarksTheContainerPartlyHiddenAndDrawsNothing) {
  AddSection("SOLID", 0, 0x00808080);
  TSkinnedPanel* panel = AddPanel(form, "SOLID", Bounds(0, 0, 100, 60));
  TSkinnedDot* dot = AddDot(panel, "SOLID", Bounds(10, 10, 10, 10));
  dot->Fill = 0x0000FF;
  form->Show();
  driver.runUntilIdle();
  panel->SkinData.SetPartlyHidden(false);
  TBitmap target(100, 60);
  HDC dc = target.Canvas().Handle();
  IntersectClipRect(dc, 0, 0, 0, 0);
  PaintWindowlessChildren(dc, *panel, Point(0, 0));
  EXPECT_TRUE(panel->SkinData.PartlyHidden());
  EXPECT_EQ(target.Pixels().pixel(15, 15), 0u);
}

TEST_F(Sharing, CopyingACacheLeavesOutChildrenThatPaintOverIt) {
  AddSection("SOLID", 0, 0x00808080);
  TSkinnedPanel* panel = AddPanel(form, "SOLID", Bounds(0, 0, 100, 60));
  AddDot(panel, "SOLID", Bounds(10, 10, 10, 10));
  AddDot(panel, "SOLID", Bounds(60, 10, 10, 10))->SetVisible(false);
  TBitmap& cache = panel->SkinData.PrepareCache();
  FillRect(cache.Canvas().Handle(), Rect(0, 0, 100, 60), 0x0000FF00);
  TBitmap target(100, 60);
  CopyCacheToScreen(*panel, panel->SkinData, Point(0, 0), target.Canvas().Handle(), Rect(0, 0, 100, 60), Point(0, 0),
                    false);
  EXPECT_EQ(target.Canvas().Pixel(5, 5), 0x0000FF00u);
  EXPECT_EQ(target.Canvas().Pixel(15, 15), 0u) << "the child's rectangle is its own to paint";
  EXPECT_EQ(target.Canvas().Pixel(65, 15), 0x0000FF00u) << "a hidden child paints nothing: the cache shows there";
  // A part of the cache to a part of the target.
  TBitmap part(50, 50);
  CopyCacheToScreen(*panel, panel->SkinData, Point(20, 20), part.Canvas().Handle(), Rect(0, 0, 30, 30), Point(-20, -20),
                    false);
  EXPECT_EQ(part.Canvas().Pixel(29, 29), 0x0000FF00u);
  EXPECT_EQ(part.Canvas().Pixel(31, 31), 0u);
}

TEST_F(Sharing, UpdateCornersPutsTheParentBehindKeyColouredCornerPixels) {
  AddSection("FRAMED", 0, 0x00808080);
  const int mask = AddBorderMask("FRAMED", 3, 3, 3, 3);
  Bitmap& pieces = *manager.Content().Masks[static_cast<std::size_t>(mask)].Bmp;
  pieces.fill(0x00000000);
  pieces.setPixel(0, 0, clFuchsia);    // top-left corner pixel shows the parent
  pieces.setPixel(29, 19, clFuchsia);  // bottom-right corner pixel too
  form->SetColor(0x0000FF00);
  TSkinnedPanel* panel = AddPanel(form, "FRAMED", Bounds(5, 5, 40, 30));
  ASSERT_EQ(panel->SkinData.BorderIndex, mask);
  TBitmap& cache = panel->SkinData.PrepareCache();
  FillRect(cache.Canvas().Handle(), Rect(0, 0, 40, 30), 0x00FF0000);
  UpdateCorners(panel->SkinData, 0);
  EXPECT_EQ(cache.Canvas().Pixel(0, 0), 0x0000FF00u) << "the form's colour behind the key pixel";
  EXPECT_EQ(cache.Canvas().Pixel(1, 0), 0u) << "the corner's own pixel";
  EXPECT_EQ(cache.Canvas().Pixel(39, 29), 0x0000FF00u);
  EXPECT_EQ(cache.Canvas().Pixel(20, 15), 0x00FF0000u) << "the inside is not touched";
}
