// Platform dialogs under the window hook: a message box ("#32770") gets a
// dialog skinner with adapters for its text, its sign and its buttons, all
// painted from the skin; the rules that leave a dialog plain; and that the
// skinned box still closes by keyboard, by its OK button and by its close box.
#include <gtest/gtest.h>

#include <functional>
#include <typeinfo>

#include "framework/graphics/TBitmap.h"
#include "platform/controls/ControlMessages.h"
#include "platform/controls/MessageBoxDialog.h"
#include "platform/controls/StandardClasses.h"
#include "platform/graphics/Fills.h"
#include "platform/windowing/WinUser.h"
#include "skin/SkinCommandMessage.h"
#include "skin/SkinCommands.h"
#include "skin/hook/TacBtnWnd.h"
#include "skin/hook/TacDialogWnd.h"
#include "skin/hook/TacDlgEditWnd.h"
#include "skin/hook/TacIconWnd.h"
#include "skin/hook/TacProvider.h"
#include "skin/hook/TacStaticWnd.h"
#include "skin/hook/TacWindowHook.h"
#include "tests/skin/ProgramFrameFixture.h"

namespace {

// What a test does while the modal box is open (from a timer in its loop).
std::function<void(HWND box)> whileOpen;

void RunWhileOpen(HWND hwnd, UINT, UINT_PTR id, DWORD) {
  KillTimer(hwnd, id);
  const HWND box = GetActiveWindow();
  if (GetClassNameString(box) != WC_DIALOG || !whileOpen) return;
  whileOpen(box);
  // A box that did not close (a check gave up early, a close that does
  // nothing) ends with -1 a while later instead of hanging the test.
  if (IsWindow(box))
    SetTimer(box, 99, 5000, [](HWND h, UINT, UINT_PTR timer, DWORD) {
      KillTimer(h, timer);
      EndModalLoop(h, -1);
    });
}

HWND Child(HWND box, int id) {
  for (HWND c = GetWindow(box, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
    if (GetWindowLongPtr(c, GWLP_ID) == id) return c;
  return nullptr;
}

HWND ChildOfClass(HWND box, const std::string& className, DWORD type = ~DWORD{0}) {
  for (HWND c = GetWindow(box, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
    const auto style = static_cast<DWORD>(GetWindowLongPtr(c, GWL_STYLE));
    if (GetClassNameString(c) == className && (type == ~DWORD{0} || (style & SS_TYPEMASK) == type)) return c;
  }
  return nullptr;
}

template <class Adapter>
Adapter* AdapterOf(TacProvider& entry, HWND child) {
  for (auto& a : entry.Adapters())
    if (a->Window() == child) return dynamic_cast<Adapter*>(a.get());
  return nullptr;
}

// A window class of another library, registered under its name only.
void RegisterForeignClass(const char* name) {
  WNDCLASS wc;
  wc.lpfnWndProc = &DefWindowProc;
  wc.lpszClassName = name;
  RegisterClass(&wc);
}

struct DialogHookTest : ::testing::Test, ProgramFrameFixture {
  explicit DialogHookTest(unsigned rules = srStdForms | srStdDialogs | srThirdParty) : ProgramFrameFixture(rules) {
    RegisterStandardClasses();
  }
  ~DialogHookTest() override { whileOpen = nullptr; }

  // Runs a message box; `inside` sees it open.
  int Box(UINT type, std::function<void(HWND)> inside, const char* text = "Дык нечего выполнять :)") {
    whileOpen = std::move(inside);
    owner = ShowForm(bsSingle, biSystemMenu | biMinimize, 400, 300);
    SetTimer(owner->Handle(), 1, 10, &RunWhileOpen);
    return MessageBox(owner->Handle(), text, "Тренажёр алгоритмов", type);
  }

  // A modeless platform dialog with the given children, shown and activated.
  HWND Dialog(const std::function<void(HWND)>& addChildren) {
    const HWND dialog = CreateWindowEx(WS_EX_DLGMODALFRAME, WC_DIALOG, "Открыть", WS_POPUP | WS_CAPTION | WS_SYSMENU,
                                       100, 80, 520, 420, nullptr, 0, nullptr);
    if (addChildren) addChildren(dialog);
    ShowWindow(dialog, SW_SHOW);
    SetActiveWindow(dialog);
    driver.runUntilIdle();
    return dialog;
  }

  POINT Centre(HWND window) const {
    RECT r{};
    GetWindowRect(window, &r);
    return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
  }

  // The shot's pixel at a window's point, as the screen shows it.
  static TColor At(const Bitmap& shot, HWND box, HWND child, POINT inChild) {
    POINT p = inChild;
    ClientToScreen(child, &p);
    RECT box_{};
    GetWindowRect(box, &box_);
    return shot.pixel(p.X - box_.Left, p.Y - box_.Top);
  }

  TFrameTestForm* owner = nullptr;
};

struct PlainDialogsHookTest : DialogHookTest {
  PlainDialogsHookTest() : DialogHookTest(srStdForms) {}
};

}  // namespace

TEST_F(DialogHookTest, AMessageBoxGetsADialogSkinnerWithAdaptersForItsTextSignAndButton) {
  HWND seenBox = nullptr;
  std::vector<HWND> children;
  const int result = Box(MB_OK | MB_ICONWARNING, [&](HWND box) {
    seenBox = box;
    TacProvider* entry = TacWindowHook::FindProvider(box);
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->DialogWindow(), box);
    ASSERT_NE(entry->DialogSkinner(), nullptr);
    EXPECT_EQ(entry->DialogSkinner()->SkinSection(), "DIALOG");
    EXPECT_NE(dynamic_cast<TacDialogWnd*>(entry->DialogSkinner()), nullptr);
    EXPECT_TRUE(WindowAnswersOne(box, SKC_QUERY_SKINNED));

    const HWND text = ChildOfClass(box, WC_STATIC, SS_LEFT);
    const HWND sign = ChildOfClass(box, WC_STATIC, SS_ICON);
    const HWND ok = Child(box, IDOK);
    ASSERT_TRUE(text && sign && ok);
    EXPECT_EQ(GetWindowTextString(text), "Дык нечего выполнять :)");
    // The warning box's sign is the yellow triangle, drawn over the skin.
    const Bitmap signShot = driver.windowShot(sign);
    int yellow = 0;
    for (int y = 0; y < signShot.height(); ++y)
      for (int x = 0; x < signShot.width(); ++x) yellow += signShot.pixel(x, y) == ColorToRGB(clYellow) ? 1 : 0;
    EXPECT_GT(yellow, 20);
    ASSERT_NE(AdapterOf<TacStaticWnd>(*entry, text), nullptr);
    ASSERT_NE(AdapterOf<TacIconWnd>(*entry, sign), nullptr);
    ASSERT_NE(AdapterOf<TacBtnWnd>(*entry, ok), nullptr);
    EXPECT_EQ(AdapterOf<TacStaticWnd>(*entry, text)->SkinSection(), "CHECKBOX");
    EXPECT_EQ(AdapterOf<TacIconWnd>(*entry, sign)->SkinSection(), "CHECKBOX");
    EXPECT_EQ(AdapterOf<TacBtnWnd>(*entry, ok)->SkinSection(), "BUTTON");
    EXPECT_EQ(entry->Adapters().size(), 3u);
    for (HWND c : {text, sign, ok}) EXPECT_TRUE(WindowAnswersOne(c, SKC_QUERY_SKINNED));
    // Each adapter knows where its child lies in the box's client area.
    RECT okRect{};
    GetWindowRect(ok, &okRect);
    POINT okInBox{okRect.Left, okRect.Top};
    ScreenToClient(box, &okInBox);
    EXPECT_EQ(AdapterOf<TacBtnWnd>(*entry, ok)->Position(), (TPoint{okInBox.X, okInBox.Y}));
    EXPECT_EQ(AdapterOf<TacBtnWnd>(*entry, ok)->ParentWindow(), box);
    children = {text, sign, ok};
    driver.pressKey(VK_RETURN);
  });
  EXPECT_EQ(result, IDOK);
  ASSERT_NE(seenBox, nullptr);
  EXPECT_FALSE(IsWindow(seenBox));
  // The entry went with its box; nothing is left watching the old handles.
  EXPECT_EQ(TacWindowHook::FindProvider(seenBox), nullptr);
  EXPECT_EQ(TacWindowHook::ProviderCount(), 1u) << "only the owner form's entry";
}

TEST_F(DialogHookTest, TheBoxsFrameBackgroundTextAndButtonsComeFromTheSkin) {
  const int result = Box(MB_OKCANCEL | MB_ICONWARNING, [&](HWND box) {
    TacProvider* entry = TacWindowHook::FindProvider(box);
    ASSERT_NE(entry, nullptr);
    auto* skinner = dynamic_cast<TacDialogWnd*>(entry->DialogSkinner());
    ASSERT_NE(skinner, nullptr);
    TBitmap* picture = skinner->Picture();
    ASSERT_NE(picture, nullptr);
    const Bitmap shot = driver.windowShot(box);
    ASSERT_EQ(shot.width(), picture->Width());
    ASSERT_EQ(shot.height(), picture->Height());
    const POINT offset = skinner->ClientOffset();
    // Title band, left border and client background are the skinner's picture, not the plain look.
    const RECT close = skinner->CloseButton();
    ASSERT_FALSE(close.IsEmpty()) << "the skin's small close button";
    const POINT title{close.Left - 8, offset.Y / 2};
    EXPECT_EQ(shot.pixel(title.X, title.Y), picture->Pixels().pixel(title.X, title.Y));
    EXPECT_NE(shot.pixel(title.X, title.Y), ColorToRGB(clActiveCaption));
    EXPECT_EQ(shot.pixel(1, shot.height() / 2), picture->Pixels().pixel(1, shot.height() / 2));
    const POINT inside{offset.X + 4, offset.Y + 4};
    EXPECT_EQ(shot.pixel(inside.X, inside.Y), picture->Pixels().pixel(inside.X, inside.Y));
    EXPECT_NE(shot.pixel(inside.X, inside.Y), ColorToRGB(clBtnFace));
    // The close box shows the skin's glyph: its picture differs from the band beside it.
    bool glyph = false;
    for (int x = close.Left; x < close.Right; ++x)
      for (int y = close.Top; y < close.Bottom; ++y) glyph |= shot.pixel(x, y) != shot.pixel(title.X, title.Y);
    EXPECT_TRUE(glyph);

    // The text is drawn in the skin's font colour over the skinned background.
    const HWND text = ChildOfClass(box, WC_STATIC, SS_LEFT);
    RECT textRect{};
    GetClientRect(text, &textRect);
    const TColor fontColor = RGB(36, 42, 38);
    int inFontColor = 0, dark = 0, black = 0;
    for (int x = 0; x < textRect.Width(); ++x) {
      for (int y = 0; y < textRect.Height(); ++y) {
        const TColor c = At(shot, box, text, {x, y});
        inFontColor += c == fontColor;
        black += c == clBlack;
        dark += GetRValue(c) + GetGValue(c) + GetBValue(c) < 300;
      }
    }
    EXPECT_GT(dark, 40) << "the text is there";
    EXPECT_GT(inFontColor, 0);
    EXPECT_EQ(black, 0) << "not the plain text colour";
    EXPECT_EQ(At(shot, box, text, {textRect.Width() - 1, textRect.Height() - 1}),
              picture->Pixels().pixel(inside.X, inside.Y))
        << "the static's transparent section shows the box's background";

    // Cancel in each state: the screen shows exactly what its adapter paints.
    const HWND cancel = Child(box, IDCANCEL);
    auto* adapter = AdapterOf<TacBtnWnd>(*entry, cancel);
    ASSERT_NE(adapter, nullptr);
    RECT r{};
    GetClientRect(cancel, &r);
    auto expectShown = [&](int state) {
      EXPECT_EQ(adapter->State(), state);
      TBitmap own(r.Width(), r.Height());
      adapter->PaintTo(own.Pixels(), own.Canvas().Handle());
      const Bitmap now = driver.windowShot(box);
      for (POINT p : {POINT{6, r.Height() / 2}, POINT{r.Width() / 2, 3}, POINT{r.Width() - 6, r.Height() - 4}})
        EXPECT_EQ(At(now, box, cancel, p), own.Pixels().pixel(p.X, p.Y)) << "state " << state << " at " << p.X << "," << p.Y;
      return At(now, box, cancel, {6, r.Height() / 2});
    };
    const TColor normal = expectShown(0);
    EXPECT_NE(normal, ColorToRGB(clBtnFace));
    driver.moveTo(Centre(cancel));
    driver.runUntilIdle();
    const TColor hot = expectShown(1);
    EXPECT_NE(hot, normal) << "the section's hot colours";
    driver.press(Centre(cancel));
    expectShown(2);
    driver.release(Centre(cancel));
  });
  EXPECT_EQ(result, IDCANCEL) << "the click on Cancel";
}

namespace {
// The first and last rows, away from the button's edges, that hold dark
// pixels: where the caption's letters are.
struct InkRows {
  int Top = -1, Bottom = -1;
};
InkRows InkRowsOf(const Bitmap& picture) {
  InkRows ink;
  for (int y = 2; y < picture.height() - 2; ++y)
    for (int x = 4; x < picture.width() - 4; ++x) {
      const TColor c = picture.pixel(x, y);
      if (GetRValue(c) + GetGValue(c) + GetBValue(c) >= 400) continue;
      if (ink.Top < 0) ink.Top = y;
      ink.Bottom = y;
    }
  return ink;
}
}  // namespace

// A skinned dialog button puts its caption at the height the plain button
// does: centred in the whole button, whether the room left above and below
// it is even or odd.
TEST_F(DialogHookTest, ASkinnedDialogButtonsCaptionIsAsHighAsThePlainButtons) {
  const HWND dialog = Dialog([](HWND d) {
    CreateWindowEx(0, WC_BUTTON, "OK", WS_CHILD | WS_VISIBLE, 10, 10, 75, 23, d, 1, nullptr);
    CreateWindowEx(0, WC_BUTTON, "OK", WS_CHILD | WS_VISIBLE, 10, 50, 75, 24, d, 2, nullptr);
  });
  TacProvider* entry = TacWindowHook::FindProvider(dialog);
  ASSERT_NE(entry, nullptr);
  InkRows skinned[2];
  for (int id : {1, 2}) {
    auto* adapter = AdapterOf<TacBtnWnd>(*entry, Child(dialog, id));
    ASSERT_NE(adapter, nullptr);
    ASSERT_EQ(adapter->State(), 0);
    RECT r{};
    GetClientRect(Child(dialog, id), &r);
    TBitmap own(r.Width(), r.Height());
    adapter->PaintTo(own.Pixels(), own.Canvas().Handle());
    skinned[id - 1] = InkRowsOf(own.Pixels());
    EXPECT_GE(skinned[id - 1].Top, 0) << "the caption is drawn";
  }
  manager.SetActive(false);
  RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
  driver.runUntilIdle();
  for (int id : {1, 2}) {
    ASSERT_FALSE(WindowAnswersOne(Child(dialog, id), SKC_QUERY_SKINNED));
    ASSERT_EQ(driver.windowShot(Child(dialog, id)).pixel(3, 3), ColorToRGB(clBtnFace)) << "the plain button";
    const InkRows plain = InkRowsOf(driver.windowShot(Child(dialog, id)));
    EXPECT_EQ(skinned[id - 1].Top, plain.Top) << "button " << id;
    EXPECT_EQ(skinned[id - 1].Bottom, plain.Bottom) << "button " << id;
  }
  DestroyWindow(dialog);
}

TEST_F(DialogHookTest, TheSkinnedBoxClosesByEnterByItsOkButtonAndByItsCloseBox) {
  EXPECT_EQ(Box(MB_OK, [&](HWND) { driver.pressKey(VK_RETURN); }), IDOK);
  EXPECT_EQ(Box(MB_OK, [&](HWND box) { driver.click(Centre(Child(box, IDOK))); }), IDOK);
  EXPECT_EQ(Box(MB_OKCANCEL, [&](HWND) { driver.pressKey(VK_ESCAPE); }), IDCANCEL);
  int closeState = -1;
  const int closed = Box(MB_OKCANCEL, [&](HWND box) {
    auto* skinner = dynamic_cast<TacDialogWnd*>(TacWindowHook::FindProvider(box)->DialogSkinner());
    const RECT close = skinner->CloseButton();
    RECT window{};
    GetWindowRect(box, &window);
    const POINT at{window.Left + (close.Left + close.Right) / 2, window.Top + (close.Top + close.Bottom) / 2};
    driver.moveTo(at);
    closeState = skinner->CloseState();
    driver.click(at);
  });
  EXPECT_EQ(closeState, 1) << "hot under the pointer";
  EXPECT_EQ(closed, IDCANCEL) << "the close box acts as Escape";
}

TEST_F(DialogHookTest, ActivatingTheBoxAgainMakesNoSecondSkinner) {
  Box(MB_OK, [&](HWND box) {
    const std::size_t providers = TacWindowHook::ProviderCount();
    TacProvider* entry = TacWindowHook::FindProvider(box);
    ASSERT_NE(entry, nullptr);
    TacWindowAdapter* skinner = entry->DialogSkinner();
    const std::size_t adapters = entry->Adapters().size();
    SetActiveWindow(owner->Handle());
    SetActiveWindow(box);
    SetActiveWindow(box);
    driver.runUntilIdle();
    EXPECT_EQ(TacWindowHook::ProviderCount(), providers);
    EXPECT_EQ(TacWindowHook::FindProvider(box), entry);
    EXPECT_EQ(entry->DialogSkinner(), skinner);
    EXPECT_EQ(entry->Adapters().size(), adapters);
    driver.pressKey(VK_RETURN);
  });
}

TEST_F(PlainDialogsHookTest, WithoutStdDialogsTheBoxKeepsThePlainLook) {
  const int result = Box(MB_OK | MB_ICONWARNING, [&](HWND box) {
    EXPECT_EQ(TacWindowHook::FindProvider(box), nullptr);
    EXPECT_FALSE(WindowAnswersOne(box, SKC_QUERY_SKINNED));
    EXPECT_FALSE(WindowAnswersOne(Child(box, IDOK), SKC_QUERY_SKINNED));
    const Bitmap shot = driver.windowShot(box);
    EXPECT_EQ(shot.pixel(shot.width() / 2, 10), ColorToRGB(clActiveCaption));
    POINT offset{};
    GetClientOffset(box, &offset);
    EXPECT_EQ(shot.pixel(offset.X + 2, offset.Y + 2), ColorToRGB(clBtnFace));
    driver.pressKey(VK_RETURN);
  });
  EXPECT_EQ(result, IDOK);
}

TEST_F(DialogHookTest, WhileADialogIsShownOnlyADialogWithAToolBarIsSkinnedToo) {
  RegisterForeignClass("ToolbarWindow32");
  const HWND first = Dialog(nullptr);
  ASSERT_NE(TacWindowHook::FindProvider(first), nullptr);
  EXPECT_EQ(TacWindowHook::VisibleDialogCount(), 1u);
  const HWND second = Dialog([](HWND d) {
    CreateWindowEx(0, WC_BUTTON, "OK", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 10, 10, 75, 23, d, IDOK, nullptr);
  });
  EXPECT_EQ(TacWindowHook::FindProvider(second), nullptr);
  EXPECT_FALSE(WindowAnswersOne(Child(second, IDOK), SKC_QUERY_SKINNED));
  // A file dialog: its tool bar lies deeper, inside a panel.
  const HWND third = Dialog([](HWND d) {
    const HWND panel = CreateWindowEx(0, WC_STATIC, "", WS_CHILD | WS_VISIBLE | SS_ETCHEDFRAME, 0, 0, 300, 40, d, 7, nullptr);
    CreateWindowEx(0, "ToolbarWindow32", "", WS_CHILD | WS_VISIBLE, 2, 2, 200, 30, panel, 8, nullptr);
  });
  EXPECT_TRUE(TacWindowHook::HasToolBar(third));
  EXPECT_NE(TacWindowHook::FindProvider(third), nullptr);
  DestroyWindow(third);
  DestroyWindow(second);
  DestroyWindow(first);
  EXPECT_EQ(TacWindowHook::VisibleDialogCount(), 0u);
}

TEST_F(DialogHookTest, ATabControlOfExactly470By349LeavesItsDialogPlain) {
  RegisterForeignClass("SysTabControl32");
  const std::size_t before = TacWindowHook::ProviderCount();
  const HWND dialog = Dialog([](HWND d) {
    CreateWindowEx(0, WC_BUTTON, "OK", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 10, 370, 75, 23, d, IDOK, nullptr);
    CreateWindowEx(0, "SysTabControl32", "", WS_CHILD | WS_VISIBLE, 5, 5, 470, 349, d, 9, nullptr);
  });
  EXPECT_EQ(TacWindowHook::FindProvider(dialog), nullptr);
  EXPECT_EQ(TacWindowHook::ProviderCount(), before);
  // The button adapted before the tab control was met let go again.
  EXPECT_FALSE(WindowAnswersOne(Child(dialog, IDOK), SKC_QUERY_SKINNED));
  EXPECT_FALSE(WindowAnswersOne(dialog, SKC_QUERY_SKINNED));
  DestroyWindow(dialog);

  const HWND wider = Dialog([](HWND d) {
    CreateWindowEx(0, "SysTabControl32", "", WS_CHILD | WS_VISIBLE, 5, 5, 471, 349, d, 9, nullptr);
  });
  EXPECT_NE(TacWindowHook::FindProvider(wider), nullptr);
  DestroyWindow(wider);
}

// A skinned static places its text as the plain one would: at the left,
// or in the middle for SS_CENTER.
TEST_F(DialogHookTest, ASkinnedStaticKeepsItsTextAtTheLeftOrInTheMiddle) {
  constexpr int kWidth = 300, kHeight = 20;
  const HWND dialog = Dialog([](HWND d) {
    CreateWindowEx(0, WC_STATIC, "Да", WS_CHILD | WS_VISIBLE | SS_LEFT, 10, 10, kWidth, kHeight, d, 1, nullptr);
    CreateWindowEx(0, WC_STATIC, "Да", WS_CHILD | WS_VISIBLE | SS_CENTER, 10, 40, kWidth, kHeight, d, 2, nullptr);
  });
  ASSERT_TRUE(WindowAnswersOne(Child(dialog, 1), SKC_QUERY_SKINNED));
  ASSERT_TRUE(WindowAnswersOne(Child(dialog, 2), SKC_QUERY_SKINNED));
  const Bitmap shot = driver.windowShot(dialog);
  auto firstDarkColumn = [&](HWND text) {
    for (int x = 0; x < kWidth; ++x)
      for (int y = 0; y < kHeight; ++y) {
        const TColor c = At(shot, dialog, text, {x, y});
        if (GetRValue(c) + GetGValue(c) + GetBValue(c) < 300) return x;
      }
    return kWidth;
  };
  EXPECT_LE(firstDarkColumn(Child(dialog, 1)), 3);
  const int centred = firstDarkColumn(Child(dialog, 2));
  EXPECT_GT(centred, kWidth / 2 - 30);
  EXPECT_LT(centred, kWidth / 2);
  DestroyWindow(dialog);
}

TEST_F(DialogHookTest, AdaptersFollowTheTableAndRemovingTheSkinGivesTheWindowsBack) {
  const HWND dialog = Dialog([](HWND d) {
    CreateWindowEx(0, WC_EDIT, "текст", WS_CHILD | WS_VISIBLE | WS_BORDER, 10, 10, 120, 22, d, 1, nullptr);
    CreateWindowEx(0, WC_LISTBOX, "", WS_CHILD | WS_VISIBLE | WS_BORDER, 10, 40, 120, 80, d, 2, nullptr);
    CreateWindowEx(0, WC_BUTTON, "Группа", WS_CHILD | WS_VISIBLE | BS_GROUPBOX, 150, 10, 120, 80, d, 3, nullptr);
    CreateWindowEx(0, WC_STATIC, "", WS_CHILD | WS_VISIBLE | 0x6, 150, 100, 40, 40, d, 4, nullptr);
  });
  TacProvider* entry = TacWindowHook::FindProvider(dialog);
  ASSERT_NE(entry, nullptr);
  EXPECT_TRUE(WindowAnswersOne(Child(dialog, 1), SKC_QUERY_SKINNED)) << "edit";
  EXPECT_TRUE(WindowAnswersOne(Child(dialog, 2), SKC_QUERY_SKINNED)) << "list box";
  EXPECT_FALSE(WindowAnswersOne(Child(dialog, 4), SKC_QUERY_SKINNED)) << "a static of type 6 gets none";
  for (auto& a : entry->Adapters())
    if (a->Window() == Child(dialog, 1) || a->Window() == Child(dialog, 2)) {
      EXPECT_EQ(a->SkinSection(), "EDIT");
    }
  // The edit's border is the EDIT section, not the plain sunken edge.
  const Bitmap shot = driver.windowShot(dialog);
  RECT edit{}, box{};
  GetWindowRect(Child(dialog, 1), &edit);
  GetWindowRect(dialog, &box);
  const POINT border{edit.Left - box.Left, edit.Top - box.Top + edit.Height() / 2};
  EXPECT_NE(shot.pixel(border.X, border.Y), ColorToRGB(clBtnShadow));
  auto* editAdapter = AdapterOf<TacDlgEditWnd>(*entry, Child(dialog, 1));
  ASSERT_NE(editAdapter, nullptr);
  TBitmap own(edit.Width(), edit.Height());
  editAdapter->PaintFrameTo(own.Pixels());
  EXPECT_EQ(shot.pixel(border.X, border.Y), own.Pixels().pixel(0, edit.Height() / 2));
  EXPECT_EQ(shot.pixel(border.X + edit.Width() - 1, border.Y), own.Pixels().pixel(edit.Width() - 1, edit.Height() / 2));
  // The border is the same all round: its first column and row are painted like its last.
  EXPECT_EQ(shot.pixel(border.X, border.Y), shot.pixel(border.X + edit.Width() - 1, border.Y));
  const int middleX = edit.Left - box.Left + edit.Width() / 2;
  EXPECT_EQ(shot.pixel(middleX, edit.Top - box.Top), shot.pixel(middleX, edit.Bottom - box.Top - 1));

  manager.SetActive(false);
  for (int id : {1, 2}) EXPECT_FALSE(WindowAnswersOne(Child(dialog, id), SKC_QUERY_SKINNED));
  EXPECT_FALSE(WindowAnswersOne(dialog, SKC_QUERY_SKINNED));
  DestroyWindow(dialog);
}

// Printing the skinned dialog: the frame comes from the skinner's picture
// and the client is printed by the dialog as usual; a print of the client
// alone leaves the frame's place as it was.
TEST_F(DialogHookTest, PrintingTheDialogGivesItsSkinnedFrameAndItsClient) {
  const HWND dialog = Dialog(nullptr);
  TacProvider* entry = TacWindowHook::FindProvider(dialog);
  ASSERT_NE(entry, nullptr);
  auto* skinner = dynamic_cast<TacDialogWnd*>(entry->DialogSkinner());
  ASSERT_NE(skinner, nullptr);
  TBitmap* picture = skinner->Picture();
  ASSERT_NE(picture, nullptr);
  const int w = picture->Width(), h = picture->Height();
  const POINT offset = skinner->ClientOffset();
  constexpr TColor kUntouched = 0x00123456;

  TBitmap whole(w, h);
  FillRect(whole.Canvas().Handle(), Rect(0, 0, w, h), kUntouched);
  ASSERT_TRUE(PrintWindow(dialog, whole.Canvas().Handle()));
  RECT area{};
  GetClientRect(dialog, &area);
  const TRect inClient = Bounds(offset.X, offset.Y, area.Width(), area.Height());
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      if (inClient.Contains({x, y})) continue;
      ASSERT_EQ(whole.Pixels().pixel(x, y), picture->Pixels().pixel(x, y)) << x << "," << y;
    }

  TBitmap client(w, h);
  FillRect(client.Canvas().Handle(), Rect(0, 0, w, h), kUntouched);
  SendMessage(dialog, WM_PRINT, reinterpret_cast<WPARAM>(client.Canvas().Handle()), PRF_CLIENT | PRF_ERASEBKGND);
  EXPECT_EQ(client.Pixels().pixel(1, 1), kUntouched) << "no frame";
  EXPECT_EQ(client.Pixels().pixel(w / 2, 2), kUntouched);
  const TPoint inside{offset.X + 20, offset.Y + 20};
  EXPECT_NE(client.Pixels().pixel(inside.X, inside.Y), kUntouched) << "the client is printed";
  EXPECT_EQ(client.Pixels().pixel(inside.X, inside.Y), whole.Pixels().pixel(inside.X, inside.Y));
  DestroyWindow(dialog);
}

namespace {
WNDPROC beforeQuiet = nullptr;
// Keeps the news of a new place and size to itself: no WM_SIZE follows.
LRESULT QuietAboutSizeProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_WINDOWPOSCHANGED) return 0;
  return CallWindowProc(beforeQuiet, hwnd, msg, wParam, lParam);
}
}  // namespace

// The frame's picture follows the window's size even when only one side
// changes and the dialog never says so with WM_SIZE.
TEST_F(DialogHookTest, TheFramePictureFollowsTheDialogsSizeWithoutWaitingForWmSize) {
  const HWND dialog = Dialog(nullptr);
  auto* skinner = dynamic_cast<TacDialogWnd*>(TacWindowHook::FindProvider(dialog)->DialogSkinner());
  ASSERT_NE(skinner, nullptr);
  ASSERT_NE(skinner->Picture(), nullptr);
  beforeQuiet = reinterpret_cast<WNDPROC>(SetWindowLongPtr(dialog, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&QuietAboutSizeProc)));
  for (const SIZE size : {SIZE{580, 420}, SIZE{580, 380}}) {
    SetWindowPos(dialog, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    driver.runUntilIdle();
    TBitmap* picture = skinner->Picture();
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->Width(), size.cx);
    EXPECT_EQ(picture->Height(), size.cy);
    const Bitmap shot = driver.windowShot(dialog);
    ASSERT_EQ(shot.width(), size.cx);
    for (int y = 0; y < size.cy; y += 7)
      EXPECT_EQ(shot.pixel(size.cx - 1, y), picture->Pixels().pixel(size.cx - 1, y)) << "right edge, row " << y;
    for (int x = 0; x < size.cx; x += 7)
      EXPECT_EQ(shot.pixel(x, size.cy - 1), picture->Pixels().pixel(x, size.cy - 1)) << "bottom edge, column " << x;
  }
  SetWindowLongPtr(dialog, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(beforeQuiet));
  DestroyWindow(dialog);
}

namespace {
WNDPROC beforeCounter = nullptr;
int counted = 0;
LRESULT CountingProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  ++counted;
  return CallWindowProc(beforeCounter, hwnd, msg, wParam, lParam);
}
}  // namespace

TEST_F(DialogHookTest, AWindowSubclassedAfterItsAdapterKeepsItsWholeChainWhenTheAdapterGoes) {
  const HWND dialog = Dialog([](HWND d) {
    CreateWindowEx(0, WC_BUTTON, "OK", WS_CHILD | WS_VISIBLE | BS_DEFPUSHBUTTON, 10, 10, 75, 23, d, IDOK, nullptr);
  });
  const HWND ok = Child(dialog, IDOK);
  ASSERT_TRUE(WindowAnswersOne(ok, SKC_QUERY_SKINNED));
  const LRESULT plainCode = SendMessage(ok, WM_GETDLGCODE, 0, 0);
  ASSERT_NE(plainCode, 0) << "the button answers for itself";
  beforeCounter = reinterpret_cast<WNDPROC>(SetWindowLongPtr(ok, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CountingProc)));
  manager.SetActive(false);
  counted = 0;
  EXPECT_FALSE(WindowAnswersOne(ok, SKC_QUERY_SKINNED));
  EXPECT_EQ(SendMessage(ok, WM_GETDLGCODE, 0, 0), plainCode) << "still reaches the button's own procedure";
  EXPECT_EQ(counted, 2) << "and the later procedure";
  DestroyWindow(dialog);
}

TEST_F(DialogHookTest, ASkinnedDialogErasesWithItsSkinPictureAndSaysItPaintedItsFrameAndBackground) {
  const HWND dialog = Dialog(nullptr);
  auto* skinner = dynamic_cast<TacDialogWnd*>(TacWindowHook::FindProvider(dialog)->DialogSkinner());
  ASSERT_NE(skinner, nullptr);
  TBitmap* picture = skinner->Picture();
  ASSERT_NE(picture, nullptr);
  EXPECT_EQ(SendMessage(dialog, WM_NCPAINT, 1, 0), 0) << "the frame is painted";
  RECT area{};
  GetClientRect(dialog, &area);
  constexpr TColor kUntouched = 0x00123456;
  TBitmap client(area.Width(), area.Height());
  FillRect(client.Canvas().Handle(), Rect(0, 0, area.Width(), area.Height()), kUntouched);
  EXPECT_EQ(SendMessage(dialog, WM_ERASEBKGND, reinterpret_cast<WPARAM>(client.Canvas().Handle()), 0), 1)
      << "the background is erased";
  const POINT offset = skinner->ClientOffset();
  for (const POINT p : {POINT{20, 20}, POINT{area.Width() / 2, area.Height() / 2}, POINT{area.Width() - 3, area.Height() - 3}})
    EXPECT_EQ(client.Pixels().pixel(p.X, p.Y), picture->Pixels().pixel(offset.X + p.X, offset.Y + p.Y)) << p.X << "," << p.Y;
  DestroyWindow(dialog);
}

TEST_F(DialogHookTest, ADialogSkinnerOfAManagerThatIsNotTheDefaultHasNoPicture) {
  const HWND window = CreateWindowEx(0, WC_STATIC, "Окно", WS_POPUP | WS_CAPTION, 0, 0, 200, 120, nullptr, 0, nullptr);
  {
    TacDialogWnd skinned(window, &manager);
    EXPECT_NE(skinned.Picture(), nullptr);
  }
  TsSkinManager other(nullptr);
  ASSERT_FALSE(other.IsDefault());
  {
    TacDialogWnd plain(window, &other);
    EXPECT_EQ(plain.Picture(), nullptr) << "it draws nothing for a skin that is not shown";
  }
  DestroyWindow(window);
}
