#include <gtest/gtest.h>

#include "framework/TApplication.h"
#include "framework/controls/MessageForm.h"
#include "platform/headless/HeadlessDriver.h"
#include "platform/windowing/WinUser.h"
#include "tests/framework/FormFixtures.h"

namespace {

class FormEndToEnd : public ::testing::Test {
 protected:
  FormEndToEnd() {
    app_.Initialize();
    app_.SetTitle("Тренажёр");
    RegisterFormFixtures();
    app_.CreateForm(form_);
    form_->Show();
    driver_.runUntilIdle();
  }

  HWND FindTopWindow(const std::string& className) {
    struct Search {
      std::string Name;
      HWND Found = nullptr;
    } search{className};
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND hwnd, LPARAM lp) -> BOOL {
          auto* s = reinterpret_cast<Search*>(lp);
          if (GetClassNameString(hwnd) == s->Name && IsWindowVisible(hwnd)) {
            s->Found = hwnd;
            return FALSE;
          }
          return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.Found;
  }

  HeadlessDriver driver_;
  TApplication app_{nullptr};
  TFrameworkTestForm* form_ = nullptr;
};

TEST_F(FormEndToEnd, TheLayoutBuildsACentredWindowOfTheFormsClass) {
  EXPECT_EQ(app_.MainForm(), form_);
  EXPECT_EQ(form_->Creates, 1);
  EXPECT_TRUE(form_->LoadedBeforeCreate);
  HWND hwnd = form_->Handle();
  ASSERT_NE(hwnd, nullptr);
  EXPECT_EQ(GetClassNameString(hwnd), "TFrameworkTestForm");
  EXPECT_EQ(GetWindowTextString(hwnd), "Банки");
  EXPECT_TRUE(IsWindowVisible(hwnd));
  RECT client;
  GetClientRect(hwnd, &client);
  EXPECT_EQ(client.Width(), 300);
  EXPECT_EQ(client.Height(), 200);
  RECT window;
  GetWindowRect(hwnd, &window);
  EXPECT_EQ(window.Left, (1280 - window.Width()) / 2);
  EXPECT_EQ(window.Top, (1024 - window.Height()) / 2);
  // Single border with system menu and minimise box: no sizing frame, no maximise box.
  LONG_PTR style = GetWindowLongPtr(hwnd, GWL_STYLE);
  EXPECT_TRUE(style & WS_MINIMIZEBOX);
  EXPECT_FALSE(style & WS_MAXIMIZEBOX);
  EXPECT_FALSE(style & WS_THICKFRAME);
  // Windowed children live inside the form's window.
  ASSERT_NE(form_->Button1, nullptr);
  EXPECT_EQ(GetParent(form_->Button1->Handle()), hwnd);
  EXPECT_EQ(GetWindowTextString(form_->Button1->Handle()), "ВЫПОЛНИТЬ");
}

TEST_F(FormEndToEnd, ClicksReachButtonsAndWindowlessControls) {
  driver_.clickClient(form_->Button1->Handle(), {10, 10});
  EXPECT_EQ(form_->ButtonClicks, 1);
  driver_.clickClient(form_->Handle(), {210, 30});  // on Spot1
  EXPECT_EQ(form_->SpotClicks, 1);
  driver_.clickClient(form_->Handle(), {250, 100});  // on nothing
  EXPECT_EQ(form_->SpotClicks, 1);
  // Press on the spot, release outside it: no click.
  driver_.press(driver_.clientToScreen(form_->Handle(), {210, 30}));
  driver_.release(driver_.clientToScreen(form_->Handle(), {280, 100}));
  EXPECT_EQ(form_->SpotClicks, 1);
}

TEST_F(FormEndToEnd, WindowlessControlsArePaintedByTheirParent) {
  Bitmap shot = driver_.windowShot(form_->Handle());
  POINT origin;
  GetClientOffset(form_->Handle(), &origin);
  EXPECT_EQ(shot.pixel(origin.X + 210, origin.Y + 30), clRed);
  EXPECT_EQ(shot.pixel(origin.X + 250, origin.Y + 100), ColorToRGB(clBtnFace));
  form_->Spot1->SetColor(clBlue);
  driver_.runUntilIdle();
  shot = driver_.windowShot(form_->Handle());
  EXPECT_EQ(shot.pixel(origin.X + 210, origin.Y + 30), clBlue);
  form_->Spot1->Hide();
  driver_.runUntilIdle();
  shot = driver_.windowShot(form_->Handle());
  EXPECT_EQ(shot.pixel(origin.X + 210, origin.Y + 30), ColorToRGB(clBtnFace));
}

TEST_F(FormEndToEnd, MouseEnterAndLeaveReachTheControlAndItsParent) {
  driver_.moveTo(driver_.clientToScreen(form_->Handle(), {250, 100}));
  form_->Spot1->Notices.clear();
  form_->ChildNotices.clear();
  driver_.moveTo(driver_.clientToScreen(form_->Handle(), {210, 30}));
  driver_.moveTo(driver_.clientToScreen(form_->Handle(), {250, 100}));
  auto& n = form_->Spot1->Notices;
  EXPECT_EQ(std::count(n.begin(), n.end(), 0xB013u), 1);
  EXPECT_EQ(std::count(n.begin(), n.end(), 0xB014u), 1);
  auto spot = reinterpret_cast<LPARAM>(static_cast<TControl*>(form_->Spot1));
  std::vector<std::pair<UINT, LPARAM>> told = {{CM_MOUSEENTER, spot}, {CM_MOUSELEAVE, spot}};
  std::erase_if(form_->ChildNotices, [](auto& p) { return p.second == 0; });  // the form's own
  EXPECT_EQ(form_->ChildNotices, told);
}

TEST_F(FormEndToEnd, EnterClicksTheDefaultButtonAndTabFollowsTabOrder) {
  form_->Field2->SetFocus();
  driver_.runUntilIdle();
  EXPECT_TRUE(form_->Field2->Focused());
  driver_.pressKey(VK_TAB);
  EXPECT_TRUE(form_->Field1->Focused());  // TabOrder 0 then 1
  driver_.pressKey(VK_RETURN);
  EXPECT_EQ(form_->ButtonClicks, 1);
  driver_.pressKey(VK_TAB);
  EXPECT_TRUE(form_->Button1->Focused());
  driver_.pressKey(VK_RETURN);  // the focused button clicks itself, once
  EXPECT_EQ(form_->ButtonClicks, 2);
  driver_.pressKey(VK_TAB);
  EXPECT_TRUE(form_->Field2->Focused());  // round again
}

TEST_F(FormEndToEnd, TimersTickOnTheVirtualClockOnlyWhileEnabled) {
  driver_.runFor(5000);
  EXPECT_EQ(form_->Ticks, 0);  // disabled in the layout
  form_->Timer1->SetEnabled(true);
  driver_.runFor(1999);
  EXPECT_EQ(form_->Ticks, 0);
  driver_.runFor(1);
  EXPECT_EQ(form_->Ticks, 1);
  form_->OnTick = [&] { form_->Timer1->SetInterval(50); };
  driver_.runFor(2000);
  EXPECT_EQ(form_->Ticks, 2);
  form_->OnTick = nullptr;
  driver_.runFor(100);
  EXPECT_EQ(form_->Ticks, 4);
  form_->Timer1->SetEnabled(false);
  driver_.runFor(1000);
  EXPECT_EQ(form_->Ticks, 4);
}

TEST_F(FormEndToEnd, ClosingTheMainFormEndsTheProgramOtherFormsHide) {
  TFrameworkTestForm* second = nullptr;
  app_.CreateForm(second);
  second->Show();
  driver_.runUntilIdle();
  SendMessage(second->Handle(), WM_CLOSE, 0, 0);
  EXPECT_FALSE(second->Visible());
  EXPECT_FALSE(app_.Terminated());
  form_->CloseAction = caNone;
  form_->Close();
  EXPECT_FALSE(app_.Terminated());
  form_->CloseAction = caHide;
  SendMessage(form_->Handle(), WM_CLOSE, 0, 0);
  EXPECT_TRUE(app_.Terminated());
  driver_.runUntilIdle();
  EXPECT_TRUE(driver_.quitSeen());
}

TEST_F(FormEndToEnd, ShowMessageIsAModalFrameworkFormClosedByEnterOrOk) {
  std::string caption, text;
  int seen = 0;
  form_->Timer1->SetInterval(10);
  form_->OnTick = [&] {
    HWND box = FindTopWindow("TMessageForm");
    if (!box) return;
    ++seen;
    caption = GetWindowTextString(box);
    auto* message = dynamic_cast<TMessageForm*>(TWinControl::FindControl(box));
    ASSERT_NE(message, nullptr);
    text = message->Message()->Caption();
    if (seen == 1) driver_.pressKey(VK_RETURN);
  };
  form_->Timer1->SetEnabled(true);
  ShowMessage("Дык нечего выполнять :)");
  form_->Timer1->SetEnabled(false);
  EXPECT_EQ(seen, 1);
  EXPECT_EQ(caption, "Тренажёр");
  EXPECT_EQ(text, "Дык нечего выполнять :)");
  EXPECT_EQ(FindTopWindow("TMessageForm"), nullptr);
}

TEST_F(FormEndToEnd, AnExceptionInAHandlerIsReportedAndTheProgramGoesOn) {
  form_->OnButton = [] { throw std::runtime_error("Value must be between 0 and 99"); };
  std::string reported;
  form_->Timer1->SetInterval(10);
  form_->OnTick = [&] {
    HWND box = FindTopWindow("TMessageForm");
    if (!box) return;
    reported = dynamic_cast<TMessageForm*>(TWinControl::FindControl(box))->Message()->Caption();
    driver_.pressKey(VK_ESCAPE);
  };
  form_->Timer1->SetEnabled(true);
  driver_.clickClient(form_->Button1->Handle(), {10, 10});
  driver_.runFor(100);
  EXPECT_EQ(reported, "Value must be between 0 and 99");
  EXPECT_EQ(form_->ButtonClicks, 1);
  form_->OnButton = nullptr;
  form_->Timer1->SetEnabled(false);
  driver_.clickClient(form_->Button1->Handle(), {10, 10});
  EXPECT_EQ(form_->ButtonClicks, 2);
}

TEST_F(FormEndToEnd, FontAndColourFollowTheParentUntilSetOwnValues) {
  TLabel* label = form_->Label1;
  EXPECT_TRUE(label->ParentFont());
  EXPECT_EQ(label->Font().Height(), -11);
  form_->Font().SetHeight(-13);
  EXPECT_EQ(label->Font().Height(), -13);
  EXPECT_TRUE(label->ParentFont());
  label->Font().SetColor(clRed);
  EXPECT_FALSE(label->ParentFont());
  form_->Font().SetHeight(-19);
  EXPECT_EQ(label->Font().Height(), -13);  // no longer follows
  label->SetParentFont(true);
  EXPECT_EQ(label->Font().Height(), -19);
  EXPECT_EQ(label->Font().Color(), clWindowText);

  form_->Spot1->Notices.clear();
  form_->Spot1->SetEnabled(false);
  form_->Spot1->SetVisible(false);
  form_->Spot1->SetVisible(true);
  std::vector<UINT> expected = {0xB00C, 0xB00B, 0xB00B};
  EXPECT_EQ(form_->Spot1->Notices, expected);
}

// "&" marks an accelerator unless ShowAccelChar is off: a lone one is
// measured as a space, a doubled one shows one ampersand.
TEST_F(FormEndToEnd, ALabelMeasuresItsCaptionWithAcceleratorMarks) {
  TLabel* label = form_->Label1;
  ASSERT_TRUE(label->ShowAccelChar());
  label->SetCaption(" ");
  const TSize space = label->TextSize();
  label->SetCaption("&");
  EXPECT_EQ(label->TextSize().cx, space.cx);
  EXPECT_EQ(label->TextSize().cy, space.cy);
  label->SetShowAccelChar(false);
  const TSize ampersand = label->TextSize();
  EXPECT_NE(ampersand.cx, space.cx);
  label->SetCaption("&&");
  EXPECT_EQ(label->TextSize().cx, 2 * ampersand.cx) << "both shown as they are";
  label->SetShowAccelChar(true);
  EXPECT_EQ(label->TextSize().cx, ampersand.cx) << "one shown";
}

TEST_F(FormEndToEnd, AModalFormEndsWithTheResultOfItsButtonsOrCancel) {
  auto* dialog = TForm::Create<TForm>(&app_);
  dialog->SetBounds(0, 0, 200, 100);
  auto* ok = new TButton(dialog);
  ok->SetParent(dialog);
  ok->SetModalResult(mrOk);
  bool mayClose = false;
  int closeQueries = 0;
  dialog->OnCloseQuery = [&](TObject*, bool& canClose) {
    ++closeQueries;
    canClose = mayClose;
  };
  int step = 0;
  form_->Timer1->SetInterval(10);
  form_->OnTick = [&] {
    ++step;
    if (step == 1) driver_.clickClient(ok->Handle(), {5, 5});  // refused by OnCloseQuery
    if (step == 2) {
      EXPECT_TRUE(dialog->Visible());
      mayClose = true;
      SendMessage(dialog->Handle(), WM_CLOSE, 0, 0);  // the close box: Cancel
    }
  };
  form_->Timer1->SetEnabled(true);
  EXPECT_EQ(dialog->ShowModal(), mrCancel);
  form_->Timer1->SetEnabled(false);
  EXPECT_EQ(closeQueries, 2);
  EXPECT_FALSE(dialog->Visible());
  EXPECT_THROW(form_->ShowModal(), std::logic_error);  // already visible
}

TEST_F(FormEndToEnd, AFormClosedWithCaFreeIsDestroyedAfterItsMessage) {
  TFrameworkTestForm* second = nullptr;
  app_.CreateForm(second);
  second->CloseAction = caFree;
  second->Show();
  driver_.runUntilIdle();
  HWND hwnd = second->Handle();
  int before = app_.ComponentCount();
  SendMessage(hwnd, WM_CLOSE, 0, 0);
  EXPECT_EQ(app_.ComponentCount(), before);  // still there inside its own message
  driver_.runUntilIdle();
  EXPECT_EQ(app_.ComponentCount(), before - 1);
  EXPECT_FALSE(IsWindow(hwnd));
}

TEST_F(FormEndToEnd, OnDestroyRunsWhileTheWholeFormStillExists) {
  TFrameworkTestForm* second = nullptr;
  app_.CreateForm(second);
  int createsSeen = -1;
  bool buttonAlive = false;
  second->OnDestroy = [&](TObject*) {
    createsSeen = second->Creates;  // a field of the derived class
    buttonAlive = second->Button1 && second->Button1->HandleAllocated() == second->HandleAllocated();
  };
  second->Free();
  EXPECT_EQ(createsSeen, 1);
  EXPECT_TRUE(buttonAlive);
}

}  // namespace
