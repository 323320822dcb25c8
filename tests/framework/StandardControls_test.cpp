#include <gtest/gtest.h>

#include "framework/TApplication.h"
#include "framework/TTimer.h"
#include "framework/controls/TBitBtn.h"
#include "framework/controls/TButton.h"
#include "framework/controls/TComboBox.h"
#include "framework/controls/TEdit.h"
#include "framework/controls/TGroupBox.h"
#include "framework/controls/TListBox.h"
#include "framework/controls/TSpeedButton.h"
#include "framework/controls/TSpinEdit.h"
#include "platform/controls/ControlMessages.h"
#include "platform/headless/HeadlessDriver.h"

namespace {

// A form made in code holding one of each standard control.
class StandardControls : public ::testing::Test {
 protected:
  StandardControls() {
    app_.Initialize();
    form_ = TForm::Create<TForm>(&app_);
    form_->SetBounds(100, 100, 400, 300);
    list_ = Add<TListBox>(form_, 10, 10, 150, 100);
    list_->Items().Add("Наполнить БАНКУ 1");
    list_->Items().Add("Вылить БАНКУ 1");
    combo_ = Add<TComboBox>(form_, 10, 120, 150, 21);
    combo_->Items().Add("Наполнить БАНКУ 2");
    edit_ = Add<TEdit>(form_, 10, 150, 150, 21);
    panel_ = Add<TGroupBox>(form_, 180, 10, 200, 150);
    panel_->SetCaption("Панель Управления");
    button_ = Add<TButton>(panel_, 10, 100, 80, 25);
    button_->SetCaption("ВЫПОЛНИТЬ");
    button_->SetDefault(true);
    button_->OnClick = [this](TObject*) { ++clicks_; };
    form_->Show();
    driver_.runUntilIdle();
  }

  template <class T>
  T* Add(TWinControl* parent, int left, int top, int width, int height) {
    T* control = new T(form_);
    control->SetParent(parent);
    control->SetBounds(left, top, width, height);
    return control;
  }

  HeadlessDriver driver_;
  TApplication app_{nullptr};
  TForm* form_ = nullptr;
  TListBox* list_ = nullptr;
  TComboBox* combo_ = nullptr;
  TEdit* edit_ = nullptr;
  TGroupBox* panel_ = nullptr;
  TButton* button_ = nullptr;
  int clicks_ = 0;
};

TEST_F(StandardControls, ListItemsSetBeforeTheWindowAreInIt) {
  HWND hwnd = list_->Handle();
  ASSERT_NE(hwnd, nullptr);
  EXPECT_EQ(GetClassNameString(hwnd), "TListBox");
  EXPECT_EQ(SendMessage(hwnd, LB_GETCOUNT, 0, 0), 2);
  list_->Items().Add("Перелить");
  list_->Items().Delete(0);
  EXPECT_EQ(SendMessage(hwnd, LB_GETCOUNT, 0, 0), 2);
  char text[64] = {};
  SendMessage(hwnd, LB_GETTEXT, 1, reinterpret_cast<LPARAM>(text));
  EXPECT_STREQ(text, "Перелить");
  EXPECT_EQ(list_->ItemIndex(), -1);
  list_->SetItemIndex(1);
  EXPECT_EQ(SendMessage(hwnd, LB_GETCURSEL, 0, 0), 1);
  list_->Items().Clear();
  EXPECT_EQ(SendMessage(hwnd, LB_GETCOUNT, 0, 0), 0);
  EXPECT_EQ(list_->ItemIndex(), -1);
}

TEST_F(StandardControls, ClickingAListLineSelectsItAndReportsTheClick) {
  int listClicks = 0;
  list_->OnClick = [&](TObject*) { ++listClicks; };
  driver_.clickClient(list_->Handle(), {20, 3});
  EXPECT_EQ(list_->ItemIndex(), 0);
  EXPECT_EQ(listClicks, 1);
}

TEST_F(StandardControls, TypingInTheComboBoxReportsEveryEdit) {
  std::vector<std::string> seen;
  combo_->OnChange = [&](TObject*) { seen.push_back(combo_->CurrentText()); };
  combo_->SetFocus();
  driver_.runUntilIdle();
  driver_.typeText("На");
  EXPECT_EQ(seen, (std::vector<std::string>{"Н", "На"}));
  EXPECT_EQ(combo_->Text(), "На");
}

TEST_F(StandardControls, EnterInTheEditFieldClicksTheDefaultButton) {
  int changes = 0;
  edit_->OnChange = [&](TObject*) { ++changes; };
  edit_->SetFocus();
  driver_.runUntilIdle();
  driver_.typeText("Иван");
  EXPECT_EQ(changes, 4);
  EXPECT_EQ(edit_->CurrentText(), "Иван");
  driver_.pressKey(VK_RETURN);
  EXPECT_EQ(clicks_, 1);
  EXPECT_EQ(edit_->CurrentText(), "Иван");
}

TEST_F(StandardControls, ADisabledGroupBoxDisablesWhatItHolds) {
  driver_.clickClient(button_->Handle(), {5, 5});
  EXPECT_EQ(clicks_, 1);
  panel_->SetEnabled(false);
  EXPECT_FALSE(IsWindowEnabled(button_->Handle()));
  driver_.clickClient(button_->Handle(), {5, 5});
  EXPECT_EQ(clicks_, 1);
  panel_->SetEnabled(true);
  EXPECT_TRUE(IsWindowEnabled(button_->Handle()));
  driver_.clickClient(button_->Handle(), {5, 5});
  EXPECT_EQ(clicks_, 2);
  EXPECT_EQ(GetParent(button_->Handle()), panel_->Handle());
}

TEST_F(StandardControls, AGroupBoxFillsItsInsideWithItsColour) {
  const Bitmap screen = driver_.screenshot();
  RECT box{};
  GetWindowRect(panel_->Handle(), &box);
  // Well inside the frame, away from the caption and the button it holds.
  EXPECT_EQ(screen.pixel(box.Left + 100, box.Top + 50), ColorToRGB(panel_->Color()));
}

TEST_F(StandardControls, ASpinFieldKeepsItsValueWithinTheLimits) {
  auto* spin = Add<TSpinEdit>(form_, 10, 200, 57, 22);
  spin->SetMinValue(300);
  spin->SetMaxValue(1000);
  spin->SetValue(1000);
  driver_.runUntilIdle();
  EXPECT_EQ(spin->Value(), 1000);
  EXPECT_EQ(GetWindowTextString(spin->Handle()), "1000");
  spin->SetFocus();
  driver_.pressKey(VK_UP);
  EXPECT_EQ(spin->Value(), 1000);
  driver_.pressKey(VK_DOWN);
  EXPECT_EQ(spin->Value(), 999);
  spin->SetValue(5);
  EXPECT_EQ(spin->Value(), 300);
  spin->SetText("abc");
  EXPECT_EQ(spin->Value(), 300);  // not a number: the minimum
  spin->SetText("700");
  EXPECT_EQ(spin->Value(), 700);
}

TEST_F(StandardControls, SpeedButtonsClickAndGroupedOnesStayDownOneAtATime) {
  auto* remove = Add<TSpeedButton>(panel_, 10, 10, 49, 22);
  remove->SetFlat(true);
  remove->SetCaption("Убрать");
  int clicks = 0;
  remove->OnClick = [&](TObject*) { ++clicks; };
  auto* a = Add<TSpeedButton>(panel_, 10, 40, 30, 22);
  auto* b = Add<TSpeedButton>(panel_, 50, 40, 30, 22);
  a->SetGroupIndex(1);
  b->SetGroupIndex(1);
  driver_.runUntilIdle();
  driver_.clickClient(panel_->Handle(), {20, 20});
  EXPECT_EQ(clicks, 1);
  EXPECT_FALSE(remove->Down());  // ungrouped buttons never stay down
  driver_.clickClient(panel_->Handle(), {20, 50});
  EXPECT_TRUE(a->Down());
  driver_.clickClient(panel_->Handle(), {60, 50});
  EXPECT_TRUE(b->Down());
  EXPECT_FALSE(a->Down());
  driver_.clickClient(panel_->Handle(), {60, 50});
  EXPECT_TRUE(b->Down());  // without AllowAllUp one stays down
}

TEST_F(StandardControls, AnOkBitButtonClosesItsModalFormWithOk) {
  EXPECT_EQ(TBitBtn::GlyphName(bkOK), "BBOK");
  EXPECT_EQ(TBitBtn::KindCaption(bkCancel), "Cancel");
  auto* dialog = TForm::Create<TForm>(&app_);
  dialog->SetBounds(0, 0, 200, 100);
  auto* ok = new TBitBtn(dialog);
  ok->SetParent(dialog);
  ok->SetBounds(10, 10, 90, 25);
  ok->SetKind(bkOK);
  EXPECT_EQ(ok->Caption(), "OK");
  EXPECT_TRUE(ok->Default());
  EXPECT_EQ(ok->Glyph().Width(), 36);
  EXPECT_EQ(ok->Glyph().Height(), 18);
  auto* timer = new TTimer(dialog);
  timer->SetInterval(10);
  timer->OnTimer = [&](TObject*) {
    timer->SetEnabled(false);
    driver_.clickClient(ok->Handle(), {45, 12});
  };
  EXPECT_EQ(dialog->ShowModal(), mrOk);
  EXPECT_FALSE(dialog->Visible());
}

}  // namespace
