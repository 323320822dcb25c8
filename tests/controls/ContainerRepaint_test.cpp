// How a skinned container puts its picture on the screen: its cache first,
// then its windowless children drawn over it, each told when the container
// shows only a part of it; a repaint made for a windowless child's animation
// frame shows the children and leaves the container's own picture alone.
#include <gtest/gtest.h>

#include "controls/TsGroupBox.h"
#include "framework/TGraphicControl.h"
#include "platform/graphics/Fills.h"
#include "skin/SkinCommandMessage.h"
#include "skin/SkinCommands.h"
#include "tests/controls/SkinnedButtonFixture.h"

namespace {

constexpr TColor kBoxBefore = 0x00008000;
constexpr TColor kBoxAfter = 0x00800000;
constexpr TColor kChildColor = 0x000000C0;

// A windowless child that fills itself with one colour, counts its paints
// and notes whether it was told that it is shown only in part.
class TNoteTakingChild : public TGraphicControl {
 public:
  using TGraphicControl::TGraphicControl;
  int Paints = 0;
  bool ToldPartlyHidden = false;

 protected:
  void Paint() override {
    ++Paints;
    FillRect(Canvas().Handle(), Rect(0, 0, Width(), Height()), kChildColor);
  }
  void WndProc(TMessage& message) override {
    if (message.Msg == SM_SKINCOMMAND && SkinCommandOf(message.WParam) == SKC_SET_PARTLY_HIDDEN)
      ToldPartlyHidden = true;
    TGraphicControl::WndProc(message);
  }
};

struct ContainerRepaint : ::testing::Test, SkinnedButtonFixture {
  TsGroupBox* box = nullptr;
  int boxSection = -1;

  ContainerRepaint() {
    boxSection = AddSection("BOXFACE", kBoxBefore);
    box = new TsGroupBox(form);
    box->SetParent(form);
    box->SetBounds(10, 10, 200, 120);
    box->SkinData().SetSkinSection("BOXFACE");
  }
  TNoteTakingChild* AddChild(int left, int top) {
    auto* child = new TNoteTakingChild(form);
    child->SetParent(box);
    child->SetBounds(left, top, 40, 20);
    return child;
  }
  void ShowAll() {
    form->Show();
    driver.runUntilIdle();
  }
  TColor BoxPixel(int x, int y) { return Shot(box->Handle()).pixel(x, y); }
};

}  // namespace

TEST_F(ContainerRepaint, WindowlessChildrenAreDrawnOverTheCacheAndACutOneIsToldSo) {
  TNoteTakingChild* inside = AddChild(20, 40);
  TNoteTakingChild* cut = AddChild(180, 40);  // its right half lies past the box's edge
  ShowAll();
  box->Repaint();
  EXPECT_EQ(BoxPixel(100, 100), kBoxBefore) << "the box's own picture";
  EXPECT_EQ(BoxPixel(25, 45), kChildColor) << "the child over it";
  EXPECT_EQ(BoxPixel(185, 45), kChildColor) << "the visible part of the cut child";
  EXPECT_FALSE(inside->ToldPartlyHidden);
  EXPECT_TRUE(cut->ToldPartlyHidden);
}

TEST_F(ContainerRepaint, AChildsAnimationFrameLeavesTheBoxPictureAloneUntilTheLinkEnds) {
  TNoteTakingChild* child = AddChild(20, 40);
  ShowAll();
  ASSERT_EQ(BoxPixel(100, 100), kBoxBefore);
  manager.Content().Sections[static_cast<std::size_t>(boxSection)].Color = kBoxAfter;
  box->SkinData().MarkCacheStale();

  const int paints = child->Paints;
  SendSkinCommand(box, SKC_SET_LINKED, reinterpret_cast<LPARAM>(child));
  box->Repaint();
  EXPECT_GT(child->Paints, paints) << "the frame is shown";
  EXPECT_EQ(BoxPixel(100, 100), kBoxBefore) << "the box is neither rebuilt nor copied for a child's frame";

  SendSkinCommand(box, SKC_SET_LINKED, 0);
  box->Repaint();
  EXPECT_EQ(BoxPixel(100, 100), kBoxAfter);
  EXPECT_EQ(BoxPixel(25, 45), kChildColor);
}
