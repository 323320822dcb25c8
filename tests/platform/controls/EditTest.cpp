// The single-line edit driven by injected typing, keys, mouse and clipboard.
#include "ControlsFixture.h"

namespace {
class EditTest : public ControlsTest {
 protected:
  void SetUp() override {
    ControlsTest::SetUp();
    edit = child(WC_EDIT, "", WS_TABSTOP, Bounds(10, 10, 200, 22), 3, WS_EX_CLIENTEDGE);
    SetFocus(edit);
    driver.runUntilIdle();
  }
  std::pair<DWORD, DWORD> selection() const {
    DWORD start = 0, end = 0;
    SendMessage(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return {start, end};
  }
  void withKey(int modifier, int key) {
    driver.keyDown(modifier);
    driver.pressKey(key);
    driver.keyUp(modifier);
  }
  HWND edit = nullptr;
};

TEST_F(EditTest, TypedCyrillicArrivesAsTextAndNotifiesEveryLetter) {
  driver.typeText("Привет");
  EXPECT_EQ(text(edit), "Привет");
  EXPECT_EQ(GetWindowTextLength(edit), 12) << "length in UTF-8 bytes";
  EXPECT_EQ(selection(), std::make_pair(DWORD{6}, DWORD{6})) << "positions count letters";
  EXPECT_EQ(count(3, EN_CHANGE), 6);
  EXPECT_EQ(count(3, EN_UPDATE), 6);
  // EN_UPDATE comes before EN_CHANGE for each change.
  std::vector<int> codes;
  for (const Notification& n : notifications())
    if (n.id == 3 && (n.code == EN_UPDATE || n.code == EN_CHANGE)) codes.push_back(n.code);
  ASSERT_GE(codes.size(), 2u);
  EXPECT_EQ(codes[0], EN_UPDATE);
  EXPECT_EQ(codes[1], EN_CHANGE);
}

TEST_F(EditTest, SelectionByKeysThenBackspaceAndDelete) {
  driver.typeText("Привет мир");
  withKey(VK_SHIFT, VK_LEFT);
  withKey(VK_SHIFT, VK_LEFT);
  withKey(VK_SHIFT, VK_LEFT);
  EXPECT_EQ(selection(), std::make_pair(DWORD{7}, DWORD{10}));
  driver.pressKey(VK_BACK);
  EXPECT_EQ(text(edit), "Привет ");
  driver.pressKey(VK_HOME);
  driver.pressKey(VK_DELETE);
  EXPECT_EQ(text(edit), "ривет ");
  driver.pressKey(VK_BACK);  // nothing before the caret
  EXPECT_EQ(text(edit), "ривет ");
  // Ctrl+Right jumps over a word and the space after it.
  withKey(VK_CONTROL, VK_RIGHT);
  EXPECT_EQ(selection(), std::make_pair(DWORD{6}, DWORD{6}));
  SendMessage(edit, EM_SETSEL, 1, 3);
  driver.typeText("Ы");
  EXPECT_EQ(text(edit), "рЫет ");
}

TEST_F(EditTest, ClipboardRoundTripThroughTheBackend) {
  driver.typeText("Волк");
  withKey(VK_CONTROL, 'A');
  withKey(VK_CONTROL, 'C');
  EXPECT_EQ(driver.backend().clipboardText(), "Волк");
  withKey(VK_CONTROL, 'X');
  EXPECT_EQ(text(edit), "");
  withKey(VK_CONTROL, 'V');
  withKey(VK_CONTROL, 'V');
  EXPECT_EQ(text(edit), "ВолкВолк");
  // Only the first line of a pasted text fits a single-line edit.
  driver.backend().setClipboardText("Коза\r\nКапуста");
  SendMessage(edit, EM_SETSEL, 0, -1);
  SendMessage(edit, WM_PASTE, 0, 0);
  EXPECT_EQ(text(edit), "Коза");
}

TEST_F(EditTest, ReadOnlyLimitAndReplaceSel) {
  SendMessage(edit, EM_LIMITTEXT, 5, 0);
  driver.typeText("Капуста");
  EXPECT_EQ(text(edit), "Капус");
  EXPECT_EQ(count(3, EN_MAXTEXT), 2) << "each refused letter is reported";
  SendMessage(edit, EM_SETSEL, 0, 2);
  SendMessage(edit, EM_REPLACESEL, 0, reinterpret_cast<LPARAM>("Ж"));
  EXPECT_EQ(text(edit), "Жпус");

  SendMessage(edit, EM_SETREADONLY, TRUE, 0);
  const int changes = count(3, EN_CHANGE);
  driver.typeText("х");
  driver.pressKey(VK_BACK);
  EXPECT_EQ(text(edit), "Жпус");
  EXPECT_EQ(count(3, EN_CHANGE), changes);
  // A read-only edit still lets the user copy.
  withKey(VK_CONTROL, 'A');
  withKey(VK_CONTROL, 'C');
  EXPECT_EQ(driver.backend().clipboardText(), "Жпус");
}

TEST_F(EditTest, MouseClickPlacesCaretAndDoubleClickSelectsWord) {
  SetWindowText(edit, "один два");
  EXPECT_EQ(count(3, EN_CHANGE), 1) << "setting the text reports a change";
  driver.clickClient(edit, Point(1, 5));
  EXPECT_EQ(selection(), std::make_pair(DWORD{0}, DWORD{0}));
  RECT client{};
  GetClientRect(edit, &client);
  driver.clickClient(edit, Point(client.Right - 2, 5));
  EXPECT_EQ(selection(), std::make_pair(DWORD{8}, DWORD{8}));
  driver.doubleClickClient(edit, Point(6, 5));
  EXPECT_EQ(selection(), std::make_pair(DWORD{0}, DWORD{4}));
  // Dragging from the start to the far right selects everything.
  driver.drag(driver.clientToScreen(edit, Point(1, 5)), driver.clientToScreen(edit, Point(client.Right - 1, 5)));
  EXPECT_EQ(selection(), std::make_pair(DWORD{0}, DWORD{8}));
}

TEST_F(EditTest, CaretBlinksOnTheVirtualClockAndScrollsIntoView) {
  // A text far wider than the edit: the caret at the end must be on screen,
  // so the last letter's pixels differ from the background near the right edge.
  const std::string longText(60, 'W');
  driver.typeText(longText);
  driver.runUntilIdle();
  RECT client{};
  GetClientRect(edit, &client);
  const Bitmap shot = driver.windowShot(edit);
  auto darkPixelsInColumns = [&](int from, int to) {
    int dark = 0;
    for (int y = 0; y < shot.height(); ++y)
      for (int x = from; x < to; ++x)
        if ((shot.pixel(x, y) & 0xFF) < 0x80) ++dark;
    return dark;
  };
  EXPECT_GT(darkPixelsInColumns(shot.width() - 40, shot.width() - 4), 0) << "the end of the text is visible";

  // The caret column alternates between drawn and hidden every 530 ms.
  const Bitmap before = driver.windowShot(edit);
  driver.runFor(530);
  const Bitmap after = driver.windowShot(edit);
  int differing = 0;
  for (int y = 0; y < before.height(); ++y)
    for (int x = 0; x < before.width(); ++x)
      if (before.pixel(x, y) != after.pixel(x, y)) ++differing;
  EXPECT_GT(differing, 0);
  EXPECT_LE(differing, before.height() * 2) << "only the caret changes";
}
}  // namespace
