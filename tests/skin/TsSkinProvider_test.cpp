// The skinned frame with the program's skin: title button masks and their
// fall-backs, the geometry hit-testing answers, the pixels drawn there in
// every state, the buttons' actions, the system menu's rules and what the
// frame answers the controls on its form.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "framework/controls/TEdit.h"
#include "platform/windowing/WinUser.h"
#include "skin/SkinCommandMessage.h"
#include "skin/SkinCommands.h"
#include "skin/TsBackgroundRequest.h"
#include "skin/frame/TacFrameMetrics.h"
#include "skin/frame/TacShowWindowFade.h"
#include "tests/skin/ProgramFrameFixture.h"
#include "tests/skin/SkinStateFixture.h"

namespace {

using Button = TsSkinProvider::SystemButton;

struct FrameTest : ::testing::Test, ProgramFrameFixture {
  void SetUp() override { ASSERT_EQ(manager.LastLoadOutcome(), TsSkinManager::LoadOutcome::Loaded) << manager.LastError(); }

  int HitAt(TCustomForm& form, TPoint inWindow) {
    const POINT screen = driver.windowToScreen(form.Handle(), {inWindow.X, inWindow.Y});
    return static_cast<int>(SendMessage(form.Handle(), WM_NCHITTEST, 0, MAKELPARAM(screen.X, screen.Y)));
  }

  // Every non-key pixel of the mask's state frame appears at `at` in the
  // window as it is on the screen.
  void ExpectGlyph(TCustomForm& form, int maskIndex, int state, TPoint at, const char* what) {
    const TsMaskData& mask = Mask(maskIndex);
    ASSERT_FALSE(mask.Bmp) << "the program's title glyphs live in the master bitmap";
    const Bitmap& master = *Skin().MasterBitmap;
    const Bitmap shot = driver.windowShot(form.Handle());
    const int fw = mask.R.Width() / mask.ImageCount;
    const int fh = mask.R.Height() / (mask.MaskType + 1);
    int checked = 0;
    for (int y = 0; y < fh; ++y) {
      for (int x = 0; x < fw; ++x) {
        const TColor expected = master.pixel(mask.R.Left + state * fw + x, mask.R.Top + y);
        if (expected == clFuchsia) continue;
        ++checked;
        ASSERT_EQ(shot.pixel(at.X + x, at.Y + y), expected) << what << " state " << state << " at " << x << "," << y;
      }
    }
    EXPECT_GE(checked, 16) << what << ": too few glyph pixels to tell the states apart";
  }

  // The three states of a glyph must differ, or the state checks prove nothing.
  void ExpectStatesDiffer(int maskIndex) {
    const TsMaskData& mask = Mask(maskIndex);
    const Bitmap& master = *Skin().MasterBitmap;
    const int fw = mask.R.Width() / mask.ImageCount;
    for (int s = 1; s < 3; ++s) {
      bool differs = false;
      for (int y = 0; y < mask.R.Height() && !differs; ++y)
        for (int x = 0; x < fw && !differs; ++x)
          differs = master.pixel(mask.R.Left + x, mask.R.Top + y) != master.pixel(mask.R.Left + s * fw + x, mask.R.Top + y);
      ASSERT_TRUE(differs) << "state " << s << " looks like state 0";
    }
  }
};

}  // namespace

TEST_F(FrameTest, SizeableCloseButtonIsTheGlobalGlyphOfThreeStates32By18) {
  TFrameTestForm* form = ShowForm(bsSizeable, biSystemMenu | biMinimize | biMaximize, 300, 200);
  TsSkinProvider* frame = ProviderOf(*form);
  ASSERT_NE(frame, nullptr);
  const TsFrameButtonState& close = frame->Button(TsSkinProvider::sbClose);
  ASSERT_GE(close.MaskIndex, 0);
  EXPECT_EQ(close.MaskIndex, Skin().GetMaskIndex("GLOBALINFO", "BICONCLOSE"));
  const TsMaskData& mask = Mask(close.MaskIndex);
  EXPECT_EQ(mask.R, Rect(34, 0, 130, 18));  // "@0034@0000@0130@0018@3@0"
  EXPECT_EQ(mask.ImageCount, 3);
  EXPECT_EQ(mask.MaskType, 0);
  EXPECT_TRUE(close.Big);
  EXPECT_EQ(frame->TitleButtonHeight(), 18);
  EXPECT_EQ(close.Right - close.Left, 32);
  // From the right: the side border (4) and the spacing BISPACE (2).
  RECT window{};
  GetWindowRect(form->Handle(), &window);
  EXPECT_EQ(close.Right, window.Width() - 4 - 2);
  const TsFrameButtonState& maximize = frame->Button(TsSkinProvider::sbMaximize);
  EXPECT_EQ(maximize.Right, close.Left - 2);
  EXPECT_EQ(frame->Button(TsSkinProvider::sbMinimize).Right, maximize.Left - 2);
}

TEST_F(FrameTest, DialogFormTakesTheSmallButtonsAndHasNoMaximizeOrHelpMask) {
  TFrameTestForm* form = ShowForm(bsDialog, biSystemMenu | biMinimize | biMaximize | biHelp, 240, 120);
  TsSkinProvider* frame = ProviderOf(*form);
  ASSERT_NE(frame, nullptr);
  ASSERT_GE(Skin().GetMaskIndex("GLOBALINFO", "SICONCLOSE"), 0);
  EXPECT_EQ(frame->Button(TsSkinProvider::sbClose).MaskIndex, Skin().GetMaskIndex("GLOBALINFO", "SICONCLOSE"));
  EXPECT_EQ(frame->Button(TsSkinProvider::sbMinimize).MaskIndex, Skin().GetMaskIndex("GLOBALINFO", "SICONMIN"));
  EXPECT_GE(frame->Button(TsSkinProvider::sbMinimize).MaskIndex, 0);
  EXPECT_EQ(frame->Button(TsSkinProvider::sbMaximize).MaskIndex, -1);
  EXPECT_EQ(frame->Button(TsSkinProvider::sbHelp).MaskIndex, -1);
  EXPECT_FALSE(frame->Button(TsSkinProvider::sbClose).Big);
  // No big bar: no icon, no spacing; the small close button is centred.
  EXPECT_FALSE(frame->ShowsIcon());
  RECT window{};
  GetWindowRect(form->Handle(), &window);
  const TsFrameButtonState& close = frame->Button(TsSkinProvider::sbClose);
  EXPECT_EQ(close.Right, window.Width() - 3);
  const TSize small = Skin().GetMaskFrameSize(close.MaskIndex);
  const TPoint at{close.Left, (3 + 19 - small.cy) / 2};
  ExpectGlyph(*form, close.MaskIndex, 0, at, "small close");
}

TEST_F(FrameTest, EachTitleButtonIsDrawnWhereHitTestingAnswersInEveryState) {
  TFrameTestForm* form = ShowForm(bsSizeable, biSystemMenu | biMinimize | biMaximize, 320, 200);
  TsSkinProvider* frame = ProviderOf(*form);
  ASSERT_NE(frame, nullptr);
  ASSERT_TRUE(frame->Active());
  const struct {
    Button which;
    int hit;
    const char* name;
  } buttons[] = {{TsSkinProvider::sbClose, HTCLOSE, "close"},
                 {TsSkinProvider::sbMaximize, HTMAXBUTTON, "maximize"},
                 {TsSkinProvider::sbMinimize, HTMINBUTTON, "minimize"}};
  for (const auto& b : buttons) {
    SCOPED_TRACE(b.name);
    const TsFrameButtonState span = frame->Button(b.which);
    ASSERT_GE(span.MaskIndex, 0);
    ExpectStatesDiffer(span.MaskIndex);
    const int height = Skin().GetMaskFrameSize(span.MaskIndex).cy;
    const int top = frame->ButtonTop(span, height);
    const int middle = top + height / 2;
    // The span's edges and one pixel beyond them.
    EXPECT_EQ(HitAt(*form, {span.Left, middle}), b.hit);
    EXPECT_EQ(HitAt(*form, {span.Right - 1, middle}), b.hit);
    EXPECT_NE(HitAt(*form, {span.Left - 1, middle}), b.hit);
    EXPECT_NE(HitAt(*form, {span.Right, middle}), b.hit);
    driver.moveTo(driver.windowToScreen(form->Handle(), {10, 100}));  // over the client: nothing hot
    ExpectGlyph(*form, span.MaskIndex, 0, {span.Left, top}, "normal");

    const POINT over = driver.windowToScreen(form->Handle(), {(span.Left + span.Right) / 2, middle});
    driver.moveTo(over);
    EXPECT_EQ(frame->Button(b.which).State, 1);
    ExpectGlyph(*form, span.MaskIndex, 1, {span.Left, top}, "hot");

    driver.press(over);
    EXPECT_EQ(frame->Button(b.which).State, 2);
    ExpectGlyph(*form, span.MaskIndex, 2, {span.Left, top}, "pressed");
    // Let go elsewhere: nothing happens and the button is normal again.
    const POINT away = driver.windowToScreen(form->Handle(), {10, 100});
    driver.moveTo(away);
    EXPECT_EQ(frame->Button(b.which).State, 0);
    driver.release(away);
    ExpectGlyph(*form, span.MaskIndex, 0, {span.Left, top}, "released elsewhere");
  }
  EXPECT_EQ(form->Closed, 0);
  EXPECT_FALSE(IsIconic(form->Handle()));
  EXPECT_FALSE(IsZoomed(form->Handle()));
}

// The big close glyph sits in the middle of the 23-pixel title band of a
// sizeable form, over exactly the rows where hit-testing answers for it.
TEST_F(FrameTest, TheCloseGlyphIsDrawnOverTheRowsThatHitTheCloseButton) {
  TFrameTestForm* form = ShowForm(bsSizeable, biSystemMenu | biMinimize | biMaximize, 320, 200);
  TsSkinProvider* frame = ProviderOf(*form);
  ASSERT_NE(frame, nullptr);
  driver.moveTo(driver.windowToScreen(form->Handle(), {10, 100}));
  const TsFrameButtonState close = frame->Button(TsSkinProvider::sbClose);
  ASSERT_LT(close.Left, close.Right);
  const int x = (close.Left + close.Right) / 2;
  int first = -1, last = -1;
  for (int y = 0; y < 23; ++y) {
    if (HitAt(*form, {x, y}) != HTCLOSE) continue;
    if (first < 0) first = y;
    last = y;
  }
  EXPECT_EQ(first, 2);
  EXPECT_EQ(last, 19) << "18 rows, centred in the band";
  ExpectGlyph(*form, close.MaskIndex, 0, {close.Left, first}, "close");
}

TEST_F(FrameTest, ButtonsSendTheirCommands) {
  TFrameTestForm* form = ShowForm(bsSingle, biSystemMenu | biMinimize, 300, 160);
  TsSkinProvider* frame = ProviderOf(*form);
  ASSERT_NE(frame, nullptr);
  // The program's single-border forms: close and minimize, no maximize.
  EXPECT_EQ(frame->Button(TsSkinProvider::sbMaximize).Right, frame->Button(TsSkinProvider::sbMaximize).Left);
  const TsFrameButtonState minimize = frame->Button(TsSkinProvider::sbMinimize);
  ASSERT_LT(minimize.Left, minimize.Right);
  const int middle = frame->ButtonBandTop() + 9;
  driver.click(driver.windowToScreen(form->Handle(), {(minimize.Left + minimize.Right) / 2, middle}));
  EXPECT_TRUE(IsIconic(form->Handle()));
  ShowWindow(form->Handle(), SW_RESTORE);
  driver.runUntilIdle();
  const TsFrameButtonState close = frame->Button(TsSkinProvider::sbClose);
  driver.click(driver.windowToScreen(form->Handle(), {(close.Left + close.Right) / 2, middle}));
  EXPECT_EQ(form->Closed, 1);
}

// A title button of the form's own: laid out left of the system buttons,
// hit where it is drawn, and told of its press and its release.
TEST_F(FrameTest, AnExtraTitleButtonSitsLeftOfTheSystemButtonsAndHearsItsPressAndRelease) {
  TFrameTestForm* form = ShowForm(bsSingle, biSystemMenu | biMinimize, 300, 160);
  TsSkinProvider* frame = ProviderOf(*form);
  ASSERT_NE(frame, nullptr);
  TsTitleButton* extra = frame->TitleButtons().Add();
  int presses = 0, releases = 0;
  extra->OnMouseDown = [&](TObject*) { ++presses; };
  extra->OnMouseUp = [&](TObject*) { ++releases; };
  const int middle = frame->ButtonBandTop() + 9;
  HitAt(*form, {10, middle});  // hit-testing lays the buttons out again
  const TsFrameButtonState span = extra->Frame;
  ASSERT_LT(span.Left, span.Right) << "the extra button has a place in the title bar";
  EXPECT_LE(span.Right, frame->Button(TsSkinProvider::sbMinimize).Left);
  EXPECT_NE(HitAt(*form, {span.Left, middle}), HTCAPTION);
  EXPECT_EQ(HitAt(*form, {span.Left - 1, middle}), HTCAPTION);

  driver.click(driver.windowToScreen(form->Handle(), {(span.Left + span.Right) / 2, middle}));
  EXPECT_EQ(presses, 1);
  EXPECT_EQ(releases, 1);
  EXPECT_EQ(form->Closed, 0);
  EXPECT_FALSE(IsIconic(form->Handle()));
}

// With the size grip on, the grip's square at the client's bottom right
// sizes the window from that corner, from its first pixel on.
TEST_F(FrameTest, TheSizeGripAnswersAsTheBottomRightCornerFromItsFirstPixel) {
  TFrameTestForm* form = ShowForm(bsSizeable, biSystemMenu | biMinimize | biMaximize, 320, 200);
  TsSkinProvider* frame = ProviderOf(*form);
  ASSERT_NE(frame, nullptr);
  const int grip = Skin().GetMaskIndex("GLOBALINFO", "GRIPIMAGE");
  ASSERT_TRUE(Skin().IsValidImgIndex(grip)) << "the program's skin has a size grip";
  const TSize size = Skin().GetMaskFrameSize(grip);
  const TPoint offset = TacFrameMetrics::ClientOffset(*form);
  const TPoint corner = {offset.X + form->ClientWidth() - size.cx, offset.Y + form->ClientHeight() - size.cy};
  EXPECT_NE(HitAt(*form, corner), HTBOTTOMRIGHT) << "no grip until it is asked for";
  frame->SetGripMode(gmRightBottom);
  EXPECT_EQ(HitAt(*form, corner), HTBOTTOMRIGHT);
  EXPECT_NE(HitAt(*form, {corner.X - 1, corner.Y}), HTBOTTOMRIGHT);
  EXPECT_NE(HitAt(*form, {corner.X, corner.Y - 1}), HTBOTTOMRIGHT);
}

// The maximize button of a sizeable form: maximizing and restoring, with
// the window state set to normal before SC_RESTORE is sent, and the system
// menu refreshed afterwards, so that it offers what the new state allows.
TEST_F(FrameTest, TheMaximizeButtonSetsTheStateFirstAndRefreshesTheSystemMenuAfter) {
  TFrameTestForm* form = ShowForm(bsSizeable, biSystemMenu | biMinimize | biMaximize, 300, 160);
  TsSkinProvider* frame = ProviderOf(*form);
  ASSERT_NE(frame, nullptr);
  std::vector<bool> zoomedAtRestore;
  TWndMethod previous = form->WindowProc;
  form->WindowProc = [&zoomedAtRestore, previous, form](TMessage& m) {
    if (m.Msg == WM_SYSCOMMAND && (m.WParam & 0xFFF0) == SC_RESTORE) zoomedAtRestore.push_back(IsZoomed(form->Handle()));
    previous(m);
  };
  auto clickMaximize = [&] {
    const TsFrameButtonState maximize = frame->Button(TsSkinProvider::sbMaximize);
    ASSERT_LT(maximize.Left, maximize.Right);
    const int height = Skin().GetMaskFrameSize(maximize.MaskIndex).cy;
    const int middle = frame->ButtonTop(maximize, height) + height / 2;
    driver.click(driver.windowToScreen(form->Handle(), {(maximize.Left + maximize.Right) / 2, middle}));
    driver.runUntilIdle();
  };
  auto enabled = [frame](const char* item) {
    const TacSysMenuItem* found = frame->SysMenu().Find(item);
    return found && found->Enabled;
  };
  ASSERT_FALSE(IsZoomed(form->Handle()));
  frame->SysMenu().Update(*form, frame->HasSystemMenu(), frame->MinimizeShown(), frame->MaximizeShown());
  ASSERT_TRUE(enabled("ItemMaximize"));

  clickMaximize();
  EXPECT_TRUE(IsZoomed(form->Handle()));
  EXPECT_FALSE(enabled("ItemMaximize")) << "refreshed after the command: maximized already";
  EXPECT_TRUE(enabled("ItemRestore"));

  clickMaximize();
  EXPECT_FALSE(IsZoomed(form->Handle()));
  EXPECT_EQ(zoomedAtRestore, std::vector<bool>{false}) << "the window state was normal before SC_RESTORE came";
  EXPECT_TRUE(enabled("ItemMaximize"));
  EXPECT_FALSE(enabled("ItemRestore"));
}

TEST_F(FrameTest, TitleBarComesFromTheSkinAndTheCaptionIsBoldTextOfTheTitleSection) {
  TFrameTestForm* form = ShowForm(bsSingle, biSystemMenu | biMinimize, 300, 160, "Банки");
  TsSkinProvider* frame = ProviderOf(*form);
  ASSERT_NE(frame, nullptr);
  ASSERT_NE(frame->FramePicture(), nullptr);
  const Bitmap shot = driver.windowShot(form->Handle());
  const Bitmap& picture = frame->FramePicture()->Pixels();
  ASSERT_EQ(picture.width(), shot.width());
  // The whole title band and the borders on the screen are the frame's picture.
  RECT client{};
  GetClientRect(form->Handle(), &client);
  for (int y = 0; y < shot.height(); ++y)
    for (int x = 0; x < shot.width(); ++x) {
      const bool inClient = x >= 3 && x < 3 + client.Right && y >= 22 && y < 22 + client.Bottom;
      if (inClient) continue;
      ASSERT_EQ(shot.pixel(x, y), picture.pixel(x, y)) << x << "," << y;
    }
  // The glyphs' key colour never reaches the screen: what lies under a
  // button shows through its key pixels.
  for (int y = 0; y < 22; ++y)
    for (int x = 0; x < shot.width(); ++x) ASSERT_NE(shot.pixel(x, y), clFuchsia) << x << "," << y;
  // Not the plain blue caption: somewhere the caption has the title section's
  // hot (active) text colour, and no pixel is the classic active caption.
  const TColor text = ColorToRGB(Skin().Sections[static_cast<std::size_t>(Skin().GetSkinIndex("FORMTITLE"))].HotFontColor[0]);
  int textPixels = 0;
  for (int y = 3; y < 22; ++y)
    for (int x = 3 + 16 + 4; x < 120; ++x) {
      if (shot.pixel(x, y) == text) ++textPixels;
      ASSERT_NE(shot.pixel(x, y), ColorToRGB(clActiveCaption));
    }
  EXPECT_GT(textPixels, 10);
}

TEST_F(FrameTest, HitTestingKnowsTheIconAndTheCaption) {
  TFrameTestForm* form = ShowForm(bsSingle, biSystemMenu | biMinimize, 300, 160);
  TsSkinProvider* frame = ProviderOf(*form);
  ASSERT_NE(frame, nullptr);
  const TRect icon = frame->IconRect();
  EXPECT_EQ(icon, Rect(3, 3, 19, 19));
  const int middle = frame->ButtonBandTop() + 5;
  EXPECT_EQ(HitAt(*form, {3, middle}), HTSYSMENU);
  EXPECT_EQ(HitAt(*form, {18, middle}), HTSYSMENU);
  EXPECT_EQ(HitAt(*form, {19, middle}), HTCAPTION);
  EXPECT_EQ(HitAt(*form, {150, middle}), HTCAPTION);
  EXPECT_EQ(HitAt(*form, {150, 60}), HTCLIENT);
}

// A form without an icon of its own shows the plain application glyph one
// pixel inside the icon's square: a white page in a black frame with a
// navy band across its top.
TEST_F(FrameTest, AFormWithoutAnIconShowsThePlainApplicationGlyph) {
  TFrameTestForm* form = ShowForm(bsSingle, biSystemMenu | biMinimize, 300, 160);
  TsSkinProvider* frame = ProviderOf(*form);
  ASSERT_NE(frame, nullptr);
  ASSERT_EQ(frame->IconRect(), Rect(3, 3, 19, 19));
  const Bitmap shot = driver.windowShot(form->Handle());
  for (int y = 7; y < 18; ++y) {
    EXPECT_EQ(shot.pixel(4, y), clBlack) << "left edge, row " << y;
    EXPECT_EQ(shot.pixel(17, y), clBlack) << "right edge, row " << y;
  }
  for (int x = 4; x < 18; ++x) {
    for (int y = 4; y < 7; ++y) EXPECT_EQ(shot.pixel(x, y), ColorToRGB(clNavy)) << x << "," << y;
    EXPECT_EQ(shot.pixel(x, 17), clBlack) << "bottom edge, column " << x;
  }
  for (int y = 7; y < 17; ++y)
    for (int x = 5; x < 17; ++x) EXPECT_EQ(shot.pixel(x, y), clWhite) << x << "," << y;
}

TEST_F(FrameTest, SystemMenuRulesForTheProgramsSingleBorderForms) {
  TFrameTestForm* form = ShowForm(bsSingle, biSystemMenu | biMinimize, 300, 160);
  TsSkinProvider* frame = ProviderOf(*form);
  ASSERT_NE(frame, nullptr);
  TacSysMenu& menu = frame->SysMenu();
  menu.Update(*form, frame->HasSystemMenu(), frame->MinimizeShown(), frame->MaximizeShown());
  auto item = [&menu](const char* name) {
    const TacSysMenuItem* found = menu.Find(name);
    EXPECT_NE(found, nullptr) << name;
    return found ? *found : TacSysMenuItem{};
  };
  EXPECT_EQ(item("ItemRestore").Command, 61728u);
  EXPECT_TRUE(item("ItemRestore").Visible);
  EXPECT_FALSE(item("ItemRestore").Enabled);
  EXPECT_TRUE(item("ItemMove").Enabled);
  EXPECT_TRUE(item("ItemSize").Visible);
  EXPECT_FALSE(item("ItemSize").Enabled);  // a single border is not sized
  EXPECT_TRUE(item("ItemMinimize").Visible);
  EXPECT_TRUE(item("ItemMinimize").Enabled);
  EXPECT_FALSE(item("ItemMaximize").Visible);
  EXPECT_TRUE(item("ItemClose").Visible);
  EXPECT_TRUE(item("ItemClose").Enabled);
  EXPECT_EQ(item("ItemClose").Command, 61536u);
  ASSERT_EQ(menu.Items().size(), 7u);
  EXPECT_EQ(menu.Items()[5].Caption, "-");

  // Minimized, restoring is allowed and minimizing is not.
  ShowWindow(form->Handle(), SW_MINIMIZE);
  menu.Update(*form, frame->HasSystemMenu(), frame->MinimizeShown(), frame->MaximizeShown());
  EXPECT_TRUE(item("ItemRestore").Enabled);
  EXPECT_FALSE(item("ItemMinimize").Enabled);
}

namespace {
HeadlessDriver* menuDriver = nullptr;
RECT menuRect{};
bool menuSeen = false;

// Once the menu is open: remember where it is and click its last item.
void ClickLastMenuItem(HWND hwnd, UINT, UINT_PTR id, DWORD) {
  KillTimer(hwnd, id);
  const HWND popup = GetCapture();
  if (GetClassNameString(popup) != "#32768") return;
  menuSeen = true;
  GetWindowRect(popup, &menuRect);
  menuDriver->click({menuRect.Left + 10, menuRect.Bottom - 6});
}
}  // namespace

TEST_F(FrameTest, PressingTheIconOpensTheSystemMenuBelowItAndCloseCloses) {
  TFrameTestForm* form = ShowForm(bsSingle, biSystemMenu | biMinimize, 300, 160);
  TsSkinProvider* frame = ProviderOf(*form);
  ASSERT_NE(frame, nullptr);
  menuDriver = &driver;
  menuSeen = false;
  SetTimer(form->Handle(), 77, 10, &ClickLastMenuItem);
  const POINT icon = driver.windowToScreen(form->Handle(), {8, frame->ButtonBandTop() + 5});
  driver.press(icon);
  driver.release(icon);
  ASSERT_TRUE(menuSeen);
  RECT window{};
  GetWindowRect(form->Handle(), &window);
  EXPECT_EQ(menuRect.Left, window.Left + 3);
  EXPECT_EQ(menuRect.Top, window.Top + 19);
  EXPECT_EQ(form->Closed, 1);
}

TEST_F(FrameTest, ControlsBorrowTheFramesPictureAtTheClientOffset) {
  TFrameTestForm* form = ShowForm(bsSizeable, biSystemMenu | biMinimize | biMaximize, 300, 160);
  ASSERT_NE(ProviderOf(*form), nullptr);
  const LRESULT offset = SendMessage(form->Handle(), SM_SKINCOMMAND, SkinCommand(SKC_GET_CLIENT_OFFSET), 0);
  EXPECT_EQ(LOWORD(static_cast<std::uintptr_t>(offset)), 4);
  EXPECT_EQ(HIWORD(static_cast<std::uintptr_t>(offset)), 23);
  TsBackgroundRequest request;
  SendMessage(form->Handle(), SM_SKINCOMMAND, SkinCommand(SKC_GET_BACKGROUND), reinterpret_cast<LPARAM>(&request));
  ASSERT_EQ(request.BgKind, bgBitmap);
  ASSERT_NE(request.BgBmp, nullptr);
  EXPECT_EQ(request.BgX, 4);
  EXPECT_EQ(request.BgY, 23);
  // The client part of the picture is what the form shows in its client area.
  const Bitmap shot = driver.windowShot(form->Handle());
  for (TPoint p : {TPoint{4, 23}, TPoint{150, 100}, TPoint{303, 182}})
    EXPECT_EQ(request.BgBmp->pixel(p.X, p.Y), shot.pixel(p.X, p.Y)) << p.X << "," << p.Y;
  EXPECT_EQ(shot.pixel(150, 100), Skin().GetGlobalColor());
  EXPECT_EQ(ColorToRGB(form->Color()), Skin().GetGlobalColor());
}

TEST_F(FrameTest, TheSystemMenuStyleIsTakenWhileSkinnedAndGivenBackAfter) {
  TFrameTestForm* form = ShowForm(bsSingle, biSystemMenu | biMinimize, 300, 160);
  ASSERT_NE(ProviderOf(*form), nullptr);
  EXPECT_EQ(GetWindowLongPtr(form->Handle(), GWL_STYLE) & WS_SYSMENU, 0);
  manager.SetActive(false);
  driver.runUntilIdle();
  EXPECT_NE(GetWindowLongPtr(form->Handle(), GWL_STYLE) & WS_SYSMENU, 0);
  EXPECT_EQ(ColorToRGB(form->Color()), ColorToRGB(clBtnFace));
  // The plain frame is back: its caption is the classic one.
  const Bitmap shot = driver.windowShot(form->Handle());
  EXPECT_EQ(shot.pixel(150, 10), ColorToRGB(clActiveCaption));
}

// A form that keeps a colour of its own (the frame told not to use the
// skin's global colour, or its colour marked custom) keeps it when the skin
// goes, where the others go back to the button face.
TEST_F(FrameTest, AFormWithAColourOfItsOwnKeepsItWhenTheSkinGoes) {
  TFrameTestForm* global = ShowForm(bsSingle, biSystemMenu | biMinimize, 200, 100);
  TFrameTestForm* notGlobal = ShowForm(bsSingle, biSystemMenu | biMinimize, 200, 100);
  TFrameTestForm* custom = ShowForm(bsSingle, biSystemMenu | biMinimize, 200, 100);
  for (TFrameTestForm* form : {global, notGlobal, custom}) {
    ASSERT_NE(ProviderOf(*form), nullptr);
    EXPECT_EQ(ColorToRGB(form->Color()), ColorToRGB(Skin().GetGlobalColor()));
  }
  ProviderOf(*notGlobal)->UseGlobalColor = false;
  notGlobal->SetColor(clRed);
  ProviderOf(*custom)->SkinData().SetCustomColor(true);
  custom->SetColor(clTeal);
  manager.SetActive(false);
  driver.runUntilIdle();
  EXPECT_EQ(ColorToRGB(global->Color()), ColorToRGB(clBtnFace));
  EXPECT_EQ(ColorToRGB(notGlobal->Color()), ColorToRGB(clRed));
  EXPECT_EQ(ColorToRGB(custom->Color()), ColorToRGB(clTeal));
}

namespace {
// Counts the activation changes of its frame that reach the form itself.
class TActivationCountingForm : public TFrameTestForm {
 public:
  using TFrameTestForm::TFrameTestForm;
  int FrameActivations = 0;

 protected:
  void WndProc(TMessage& message) override {
    if (message.Msg == WM_NCACTIVATE) ++FrameActivations;
    TFrameTestForm::WndProc(message);
  }
};
}  // namespace

// The skinned frame draws its own activation but lets the form hear each
// change once, as an unskinned form does.
TEST_F(FrameTest, TheFormHearsEachActivationChangeOfItsFrameOnce) {
  auto* form = TForm::Create<TActivationCountingForm>(&app);
  form->SetBorderStyle(bsSingle);
  form->SetBorderIcons(biSystemMenu | biMinimize);
  form->SetBounds(60, 50, 300, 200);
  form->Show();
  driver.runUntilIdle();
  TsSkinProvider* frame = ProviderOf(*form);
  ASSERT_NE(frame, nullptr);
  EXPECT_TRUE(frame->Active());
  EXPECT_EQ(form->FrameActivations, 1);
  TFrameTestForm* other = ShowForm(bsSingle, biSystemMenu | biMinimize, 200, 100);
  EXPECT_FALSE(frame->Active());
  EXPECT_EQ(form->FrameActivations, 2);
  SetActiveWindow(form->Handle());
  driver.runUntilIdle();
  EXPECT_TRUE(frame->Active());
  EXPECT_EQ(form->FrameActivations, 3);
  EXPECT_NE(other, nullptr);
}

TEST_F(FrameTest, AltF4InAControlStillClosesTheForm) {
  TFrameTestForm* form = ShowForm(bsSingle, biSystemMenu | biMinimize, 300, 160);
  ASSERT_NE(ProviderOf(*form), nullptr);
  auto* edit = new TEdit(form);
  edit->SetParent(form);
  edit->SetBounds(10, 10, 120, 21);
  edit->SetFocus();
  driver.runUntilIdle();
  ASSERT_EQ(GetFocus(), edit->Handle());
  driver.keyDown(VK_MENU);
  driver.pressKey(VK_F4);
  driver.keyUp(VK_MENU);
  EXPECT_EQ(form->Closed, 1);
}

TEST_F(FrameTest, AltKeysOtherThanAltF4ReachTheFormsOwnHandling) {
  TFrameTestForm* form = ShowForm(bsSingle, biSystemMenu | biMinimize, 300, 160);
  ASSERT_NE(ProviderOf(*form), nullptr);
  ASSERT_EQ(GetFocus(), form->Handle());
  driver.keyDown(VK_MENU);
  driver.pressKey('X');
  driver.keyUp(VK_MENU);
  EXPECT_NE(std::find(form->SysKeysHeard.begin(), form->SysKeysHeard.end(), WPARAM('X')), form->SysKeysHeard.end());
  EXPECT_EQ(form->Closed, 0);
}

TEST_F(FrameTest, FormsFadeInWithTheFormShowTimeAndMessageFormsWithTheDialogShowTime) {
  int frames = 0;
  TacShowWindowFade::FrameShown = [&frames](HWND) { ++frames; };
  manager.AnimEffects().FormShow.Time = 80;
  manager.AnimEffects().DialogShow.Time = 40;
  // 80 ms: ten mixed frames 8 ms apart, the eleventh at full weight, then the picture.
  TFrameTestForm* form = ShowForm(bsSingle, biSystemMenu | biMinimize, 200, 100);
  ASSERT_NE(ProviderOf(*form), nullptr);
  EXPECT_EQ(frames, 12) << "first show";
  form->Hide();
  driver.runUntilIdle();
  frames = 0;
  form->Show();
  driver.runUntilIdle();
  EXPECT_EQ(frames, 12) << "shown again";
  frames = 0;
  TFrameTestForm* dialog = ShowForm(bsDialog, biSystemMenu, 200, 100);
  ASSERT_NE(ProviderOf(*dialog), nullptr);
  EXPECT_EQ(frames, 7) << "dialog-style form";
  // Once faded in, the form paints again.
  const Bitmap shot = driver.windowShot(form->Handle());
  EXPECT_EQ(shot.pixel(100, 60), Skin().GetGlobalColor());
  manager.AnimEffects().FormShow.Active = false;
  form->Hide();
  driver.runUntilIdle();
  frames = 0;
  form->Show();
  driver.runUntilIdle();
  EXPECT_EQ(frames, 0) << "FormShow switched off";
  TacShowWindowFade::FrameShown = nullptr;
}

TEST_F(FrameTest, AFormShowFadeOfNoTimeShowsTheFormAtOnceWithoutAFadeWindow) {
  int frames = 0;
  TacShowWindowFade::FrameShown = [&frames](HWND) { ++frames; };
  manager.AnimEffects().FormShow.Active = true;
  manager.AnimEffects().FormShow.Time = 0;
  TFrameTestForm* form = ShowForm(bsSingle, biSystemMenu | biMinimize, 200, 100);
  ASSERT_NE(ProviderOf(*form), nullptr);
  form->Hide();
  driver.runUntilIdle();
  form->Show();
  driver.runUntilIdle();
  EXPECT_EQ(frames, 0) << "nothing to fade in";
  EXPECT_EQ(driver.windowShot(form->Handle()).pixel(100, 60), Skin().GetGlobalColor());
  TacShowWindowFade::FrameShown = nullptr;
}

TEST_F(FrameTest, ATitleBarPictureReachesTwoThirdsOfItsFrameWidthPastTheButtons) {
  TFrameTestForm* form = ShowForm(bsSingle, biSystemMenu | biMinimize, 300, 160);
  TsSkinProvider* frame = ProviderOf(*form);
  ASSERT_NE(frame, nullptr);
  // A title bar of one colour whose frames are 30 pixels wide.
  const TColor mark = RGB(10, 200, 30);
  TsMaskData bar;
  bar.SectionName = "FORM";
  bar.PropertyName = "TITLEBAR";
  bar.Bmp = std::make_shared<Bitmap>(90, 20, PixelFormat::Bgr24);
  bar.Bmp->fill(mark);
  bar.R = Rect(0, 0, 90, 20);
  bar.ImageCount = 3;
  bar.WL = bar.WT = bar.WR = bar.WB = 2;
  bar.Manager = &manager;
  manager.Content().Masks.push_back(bar);
  // Wider by ten pixels: the frame is composed anew, with the bar.
  RECT window{};
  GetWindowRect(form->Handle(), &window);
  SetWindowPos(form->Handle(), nullptr, 0, 0, window.Width() + 10, window.Height(), SWP_NOMOVE | SWP_NOZORDER);
  driver.runUntilIdle();
  const int buttons = std::min(frame->Button(Button::sbClose).Left, frame->Button(Button::sbMinimize).Left);
  const int start = buttons + frame->SideBorderWidth() - 20;
  const int y = frame->ButtonBandTop() - 1;
  const Bitmap shot = driver.windowShot(form->Handle());
  EXPECT_EQ(shot.pixel(start, y), mark);
  EXPECT_NE(shot.pixel(start - 1, y), mark) << "the bar begins 20 pixels before the buttons' band";
  manager.Content().Masks.pop_back();
}

TEST_F(FrameTest, ASecondFrameObjectOnAFormStaysDetachedAndMeasuresNoBorders) {
  TFrameTestForm* form = ShowForm(bsSizeable, biSystemMenu | biMinimize | biMaximize, 300, 160);
  TsSkinProvider* first = ProviderOf(*form);
  ASSERT_NE(first, nullptr);
  ASSERT_GT(first->SideBorderWidth(), 0);
  auto* second = new TsSkinProvider(form);
  EXPECT_FALSE(second->Attached());
  EXPECT_EQ(second->SideBorderWidth(), 0);
  EXPECT_EQ(second->TopBorderHeight(), 0);
  EXPECT_EQ(second->CaptionHeight(), 0);
  EXPECT_EQ(ProviderOf(*form), first) << "the first one keeps the frame";
  delete second;
}

TEST_F(FrameTest, AFramedFormSaysItTakesPartAndNamesTheApplicationAndItsFrame) {
  TFrameTestForm* form = ShowForm(bsSingle, biSystemMenu | biMinimize, 300, 160);
  TsSkinProvider* frame = ProviderOf(*form);
  ASSERT_NE(frame, nullptr);
  EXPECT_TRUE(WindowAnswersOne(form->Handle(), SKC_QUERY_SKINNED));
  EXPECT_EQ(SendSkinCommand(form->Handle(), SKC_GET_APPLICATION), reinterpret_cast<LRESULT>(&app));
  EXPECT_EQ(SendSkinCommand(form->Handle(), SKC_GET_FRAME_PROVIDER), reinterpret_cast<LRESULT>(frame));
}

TEST_F(FrameTest, AnUnchangedFrameIsPutOnTheScreenFromItsPictureAndAResizedOneIsComposedAnew) {
  TFrameTestForm* form = ShowForm(bsSingle, biSystemMenu | biMinimize, 300, 160, "Банки");
  TsSkinProvider* frame = ProviderOf(*form);
  ASSERT_NE(frame, nullptr);
  driver.runUntilIdle();
  ASSERT_NE(frame->FramePicture(), nullptr);
  // A mark in the kept picture shows whether the next paint composed the frame again.
  const TColor mark = RGB(1, 2, 3);
  ASSERT_NE(driver.windowShot(form->Handle()).pixel(1, 1), mark);
  frame->FramePicture()->Pixels().setPixel(1, 1, mark);
  RedrawWindow(form->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME);
  driver.runUntilIdle();
  EXPECT_EQ(driver.windowShot(form->Handle()).pixel(1, 1), mark) << "the kept picture was painted";
  // Wider by ten pixels, as high as before: a new picture of the new width.
  RECT window{};
  GetWindowRect(form->Handle(), &window);
  SetWindowPos(form->Handle(), nullptr, 0, 0, window.Width() + 10, window.Height(), SWP_NOMOVE | SWP_NOZORDER);
  driver.runUntilIdle();
  const Bitmap shot = driver.windowShot(form->Handle());
  EXPECT_EQ(frame->FramePicture()->Width(), window.Width() + 10);
  EXPECT_NE(shot.pixel(1, 1), mark);
}

namespace {
struct FrameWithoutGlyphs : ::testing::Test, SkinStateFixture {};
}  // namespace

// A skin without any title button glyph: the frame lays its title out with
// buttons of 21 pixels, and the title band answers as the caption.
TEST_F(FrameWithoutGlyphs, TitleButtonsWithoutAGlyphAre21PixelsHigh) {
  AddSection("FORM");
  AddSection("FORMTITLE");
  manager.Content().RefreshConstIndexes();
  form->SetBorderStyle(bsSingle);
  form->SetBorderIcons(biSystemMenu | biMinimize);
  auto* frame = new TsSkinProvider(form);
  form->Show();
  driver.runUntilIdle();
  ASSERT_TRUE(frame->Skinned());
  EXPECT_EQ(frame->Button(TsSkinProvider::sbClose).MaskIndex, -1);
  EXPECT_EQ(frame->TitleButtonHeight(), 21);
  const POINT title = driver.windowToScreen(form->Handle(), {150, frame->ButtonBandTop() + 10});
  EXPECT_EQ(SendMessage(form->Handle(), WM_NCHITTEST, 0, MAKELPARAM(title.X, title.Y)), HTCAPTION);
}

// A skin whose first glyph is the restore glyph: a maximized form's
// maximize button shows it instead of the maximize glyph.
TEST_F(FrameWithoutGlyphs, AMaximizedFormShowsTheRestoreGlyphEvenWhenItIsTheSkinsFirstMask) {
  AddSection("FORM");
  AddSection("FORMTITLE");
  constexpr TColor kRestore = 0x0000C000, kMaximize = 0x00C00000, kClose = 0x000000C0;
  auto master = std::make_shared<Bitmap>(90, 10, PixelFormat::Bgr24);
  for (int y = 0; y < 10; ++y)
    for (int x = 0; x < 90; ++x) master->setPixel(x, y, x < 30 ? kRestore : x < 60 ? kMaximize : kClose);
  manager.Content().MasterBitmap = master;
  auto addGlyph = [this](const char* name, int left) {
    TsMaskData glyph;
    glyph.SectionName = "GLOBALINFO";
    glyph.PropertyName = name;
    glyph.R = Rect(left, 0, left + 30, 10);
    glyph.ImageCount = 3;
    glyph.Manager = &manager;
    manager.Content().Masks.push_back(glyph);
  };
  addGlyph("BICONNORM", 0);
  addGlyph("BICONMAX", 30);
  addGlyph("BICONCLOSE", 60);
  ASSERT_EQ(manager.Content().GetMaskIndex("GLOBALINFO", "BICONNORM"), 0);
  manager.Content().RefreshConstIndexes();
  form->SetBorderStyle(bsSizeable);
  form->SetBorderIcons(biSystemMenu | biMinimize | biMaximize);
  form->HandleNeeded();
  auto* frame = new TsSkinProvider(form);
  form->Show();
  driver.runUntilIdle();
  ShowWindow(form->Handle(), SW_MAXIMIZE);
  driver.runUntilIdle();
  ASSERT_TRUE(IsZoomed(form->Handle()));
  ASSERT_TRUE(frame->Active());
  const Bitmap shot = driver.windowShot(form->Handle());
  const TsFrameButtonState& button = frame->Button(TsSkinProvider::sbMaximize);
  ASSERT_GT(button.Right, button.Left);
  int restore = 0, maximize = 0;
  for (int y = 0; y < frame->ButtonBandTop() + frame->TitleButtonHeight() + 4; ++y)
    for (int x = button.Left; x < button.Right; ++x) {
      restore += shot.pixel(x, y) == kRestore;
      maximize += shot.pixel(x, y) == kMaximize;
    }
  EXPECT_GT(restore, 0);
  EXPECT_EQ(maximize, 0);
}
