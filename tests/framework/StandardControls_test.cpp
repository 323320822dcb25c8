#include <gtest/gtest.h>

#include "framework/TApplication.h"
#include "framework/TButton.h"
#include "framework/TComboBox.h"
#include "framework/TEdit.h"
#include "framework/TGroupBox.h"
#include "framework/TListBox.h"
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

}  // namespace
