// What the skinned controls rely on in the framework: a container paints
// itself with its windowless children into any drawing context, a repaint
// stays inside the invalid part, a window binds to its control even when a
// hook makes windows while it is being created, and a control's message
// handler can be taken over.
#include <gtest/gtest.h>

#include <memory>

#include "framework/TApplication.h"
#include "framework/TCustomControl.h"
#include "framework/TGraphicControl.h"
#include "framework/graphics/TBitmap.h"
#include "platform/graphics/Fills.h"
#include "platform/headless/HeadlessDriver.h"
#include "platform/windowing/WinMessages.h"
#include "platform/windowing/WinUser.h"

namespace {

// A windowless control that fills itself with one colour and counts its paints.
class TPatch : public TGraphicControl {
 public:
  TPatch(TComponent* owner, TColor fill) : TGraphicControl(owner), fill_(fill) {}
  int Paints = 0;

 protected:
  void Paint() override {
    ++Paints;
    Canvas().Brush.SetColor(fill_);
    Canvas().FillRect(Rect(0, 0, Width(), Height()));
  }

 private:
  TColor fill_;
};

class TPlainForm : public TForm {
 public:
  using TForm::TForm;
  int Creates = 0;

 protected:
  std::string LayoutResource() const override { return {}; }
  void WndProc(TMessage& message) override {
    if (message.Msg == WM_CREATE) ++Creates;
    TForm::WndProc(message);
  }
};

struct ContainerPainting : ::testing::Test {
  HeadlessDriver driver;
  TApplication app{nullptr};
  TPlainForm* form = nullptr;

  ContainerPainting() {
    app.Initialize();
    form = TForm::Create<TPlainForm>(&app);
    form->SetBounds(50, 50, 300, 200);
    form->SetColor(0x00C0C0C0);
  }
  TPatch* AddPatch(TColor fill, int left, int top) {
    auto* patch = new TPatch(form, fill);
    patch->SetParent(form);
    patch->SetBounds(left, top, 20, 20);
    return patch;
  }
};

TColor PixelAt(TBitmap& picture, int x, int y) { return picture.Canvas().Pixel(x, y); }

}  // namespace

TEST_F(ContainerPainting, PrintingAFormKeepsItsWindowlessChildren) {
  AddPatch(0x0000FF, 10, 10);
  form->Show();
  driver.runUntilIdle();

  // The client area alone, as a container hands it to a child's cache.
  TBitmap client(form->ClientWidth(), form->ClientHeight());
  SendMessage(form->Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(client.Canvas().Handle()), PRF_CLIENT);
  EXPECT_EQ(PixelAt(client, 15, 15), 0x0000FFu);

  // The whole window with its frame at a chosen place.
  RECT window;
  GetWindowRect(form->Handle(), &window);
  const POINT offset = driver.clientToScreen(form->Handle(), {0, 0});
  TBitmap whole(window.Width() + 10, window.Height() + 10);
  form->PaintTo(whole.Canvas().Handle(), 10, 10);
  const int clientX = 10 + offset.X - window.Left;
  const int clientY = 10 + offset.Y - window.Top;
  EXPECT_EQ(PixelAt(whole, clientX + 15, clientY + 15), 0x0000FFu);
  EXPECT_EQ(PixelAt(whole, clientX + 100, clientY + 100), 0x00C0C0C0u);
  EXPECT_EQ(PixelAt(whole, 2, 2), 0u) << "nothing is drawn left of and above the given corner";
}

TEST_F(ContainerPainting, InvalidatingOneWindowlessChildRepaintsOnlyWhatItCovers) {
  TPatch* near = AddPatch(0x0000FF, 10, 10);
  TPatch* far = AddPatch(0x00FF00, 200, 150);
  form->Show();
  driver.runUntilIdle();
  const int nearBefore = near->Paints;
  const int farBefore = far->Paints;

  near->Invalidate();
  driver.runUntilIdle();
  EXPECT_EQ(near->Paints, nearBefore + 1);
  EXPECT_EQ(far->Paints, farBefore) << "a child far from the change is left alone";
}

TEST_F(ContainerPainting, ATransparentChildIsDrawnOverAFreshlyErasedParent) {
  // A child that draws a single dark pixel each time, offset by its paint
  // count: over a freshly erased parent only the newest pixel shows.
  class TMarker : public TGraphicControl {
   public:
    using TGraphicControl::TGraphicControl;
    int Paints = 0;

   protected:
    void Paint() override { Canvas().SetPixel(Paints++ % 10, 0, clBlack); }
  };
  auto* marker = new TMarker(form);
  marker->SetParent(form);
  marker->SetBounds(30, 30, 10, 1);
  TPatch* elsewhere = AddPatch(0x00FF00, 200, 150);
  form->Show();
  driver.runUntilIdle();
  // Repaints of other parts of the form and of the marker itself.
  for (int i = 0; i < 3; ++i) {
    elsewhere->Invalidate();
    driver.runUntilIdle();
  }
  marker->Invalidate();
  driver.runUntilIdle();
  const Bitmap shot = driver.windowShot(form->Handle());
  const POINT origin = driver.clientToScreen(form->Handle(), {30, 30});
  RECT window;
  GetWindowRect(form->Handle(), &window);
  int dark = 0;
  for (int x = 0; x < 10; ++x) {
    const std::uint8_t* p = shot.row(origin.Y - window.Top) + (origin.X - window.Left + x) * shot.bytesPerPixel();
    if (p[0] == 0 && p[1] == 0 && p[2] == 0) ++dark;
  }
  EXPECT_EQ(dark, 1);
}

TEST_F(ContainerPainting, AWindowMadeByAHookDuringAFormsCreationLeavesTheFormBound) {
  // The hook makes a framework window of its own while the form's window is
  // being created, as the window hook of the skin engine does.
  static std::unique_ptr<TCustomControl> madeByHook;
  static HHOOK hook = nullptr;
  static bool making = false;
  hook = SetWindowsHookEx(
      WH_CBT,
      [](int code, WPARAM wParam, LPARAM lParam) -> LRESULT {
        if (code == HCBT_CREATEWND && !making && !madeByHook) {
          making = true;
          madeByHook = std::make_unique<TCustomControl>(nullptr);
          madeByHook->SetBounds(0, 0, 10, 10);
          madeByHook->HandleNeeded();
          making = false;
        }
        return CallNextHookEx(hook, code, wParam, lParam);
      },
      nullptr, GetCurrentThreadId());
  form->HandleNeeded();
  UnhookWindowsHookEx(hook);

  ASSERT_TRUE(form->HandleAllocated());
  EXPECT_EQ(TWinControl::FindControl(form->Handle()), form);
  EXPECT_EQ(form->Creates, 1) << "the form still saw its own WM_CREATE";
  ASSERT_TRUE(madeByHook && madeByHook->HandleAllocated());
  EXPECT_EQ(TWinControl::FindControl(madeByHook->Handle()), madeByHook.get());
  madeByHook.reset();
}

TEST_F(ContainerPainting, AWindowWithForeignCreationParametersBindsToNoControl) {
  WNDCLASS existing{};
  form->HandleNeeded();
  const std::string formClass = GetClassNameString(form->Handle());
  ASSERT_TRUE(GetClassInfo(formClass.c_str(), &existing));
  int notAControl = 0;
  HWND stray = CreateWindowEx(0, formClass.c_str(), "", 0, 0, 0, 10, 10, nullptr, 0, &notAControl);
  ASSERT_NE(stray, nullptr);
  EXPECT_EQ(TWinControl::FindControl(stray), nullptr);
  DestroyWindow(stray);
}

TEST_F(ContainerPainting, AnAdapterTakesOverAControlsHandlerAndPassesTheRestOn) {
  TPatch* patch = AddPatch(0x0000FF, 10, 10);
  std::vector<UINT> seen;
  TWndMethod previous = patch->WindowProc;
  patch->WindowProc = [&](TMessage& message) {
    seen.push_back(message.Msg);
    if (message.Msg == 0xA100) {
      message.Result = 1;
      return;
    }
    previous(message);
  };
  EXPECT_EQ(patch->Perform(0xA100, 0, 0), 1);
  form->Show();
  driver.runUntilIdle();
  EXPECT_GT(patch->Paints, 0) << "painting still reaches the control's own handler";
  EXPECT_NE(std::find(seen.begin(), seen.end(), static_cast<UINT>(WM_PAINT)), seen.end());
  patch->WindowProc = previous;
}
