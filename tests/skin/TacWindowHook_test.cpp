// The window hook: which windows get a frame object at activation, under
// which rules, and that the provider list neither doubles nor outlives what
// it watches.
#include <gtest/gtest.h>

#include "framework/controls/MessageForm.h"
#include "platform/windowing/WinUser.h"
#include "skin/hook/TacProvider.h"
#include "skin/hook/TacWindowHook.h"
#include "tests/skin/ProgramFrameFixture.h"
#include "tests/skin/SkinStateFixture.h"

namespace {

struct HookTest : ::testing::Test, ProgramFrameFixture {
  explicit HookTest(unsigned rules = srStdForms | srStdDialogs | srThirdParty) : ProgramFrameFixture(rules) {}
  TMessageForm* ShowMessageForm(const std::string& text) {
    auto* box = new TMessageForm(&app, text);
    box->Show();
    driver.runUntilIdle();
    return box;
  }
};

struct DialogsOnlyHookTest : HookTest {
  DialogsOnlyHookTest() : HookTest(srStdDialogs) {}
};

}  // namespace

TEST_F(HookTest, TheHookIsInstalledWithTheSkinAndRemovedWithIt) {
  EXPECT_TRUE(TacWindowHook::Installed());
  EXPECT_TRUE(manager.HookInstalled());
  ShowForm(bsSingle, biSystemMenu | biMinimize, 200, 100);
  EXPECT_EQ(TacWindowHook::ProviderCount(), 1u);
  manager.SetActive(false);
  EXPECT_FALSE(TacWindowHook::Installed());
  EXPECT_EQ(TacWindowHook::ProviderCount(), 0u);
  EXPECT_EQ(TacWindowHook::VisibleDialogCount(), 0u) << "no dialog is watched any more";
}

TEST_F(HookTest, OnlyTheDefaultManagerInstallsTheHookAndItsRemovalLeavesNone) {
  ASSERT_TRUE(TacWindowHook::Installed());
  TacWindowHook::Install(manager);  // once is enough
  manager.SetActive(false);
  EXPECT_FALSE(TacWindowHook::Installed());
  TsSkinManager other(nullptr);
  ASSERT_FALSE(other.IsDefault());
  TacWindowHook::Install(other);
  EXPECT_FALSE(TacWindowHook::Installed()) << "a manager that is not the default leaves the hook alone";
  TFrameTestForm* form = ShowForm(bsSingle, biSystemMenu | biMinimize, 200, 100);
  EXPECT_EQ(ProviderOf(*form), nullptr) << "no hook is left to give the new form a frame";
  EXPECT_EQ(TacWindowHook::ProviderCount(), 0u);
}

TEST_F(HookTest, EveryFormGetsOneFrameObjectAtItsFirstActivationOnly) {
  TFrameTestForm* first = ShowForm(bsSingle, biSystemMenu | biMinimize, 200, 100);
  TsSkinProvider* frame = ProviderOf(*first);
  ASSERT_NE(frame, nullptr);
  EXPECT_EQ(frame->Owner(), first);
  EXPECT_FALSE(frame->MakeSkinMenu);
  TFrameTestForm* second = ShowForm(bsSingle, biSystemMenu | biMinimize, 200, 100);
  ASSERT_NE(ProviderOf(*second), nullptr);
  EXPECT_EQ(TacWindowHook::ProviderCount(), 2u);
  // Activating the first window again makes no second provider.
  SetActiveWindow(first->Handle());
  driver.runUntilIdle();
  SetActiveWindow(second->Handle());
  SetActiveWindow(first->Handle());
  driver.runUntilIdle();
  EXPECT_EQ(TacWindowHook::ProviderCount(), 2u);
  EXPECT_EQ(ProviderOf(*first), frame);
  int frames = 0;
  for (int i = 0; i < first->ComponentCount(); ++i)
    if (dynamic_cast<TsSkinProvider*>(first->Components(i))) ++frames;
  EXPECT_EQ(frames, 1);
}

TEST_F(HookTest, AFormTaggedMinus98IsNeverGivenAFrame) {
  TFrameTestForm* form = ShowForm(bsSingle, biSystemMenu | biMinimize, 200, 100, "Без рамки", TacWindowHook::kNoProviderTag);
  EXPECT_EQ(ProviderOf(*form), nullptr);
  EXPECT_EQ(TacWindowHook::ProviderCount(), 0u);
  SetActiveWindow(form->Handle());
  driver.runUntilIdle();
  EXPECT_EQ(ProviderOf(*form), nullptr);
  EXPECT_NE(GetWindowLongPtr(form->Handle(), GWL_STYLE) & WS_SYSMENU, 0);
}

TEST_F(HookTest, MessageFormsGetASkinnedFrame) {
  TMessageForm* box = ShowMessageForm("Дык нечего выполнять :)");
  TsSkinProvider* frame = ProviderOf(*box);
  ASSERT_NE(frame, nullptr);
  EXPECT_TRUE(frame->Skinned());
  EXPECT_EQ(ColorToRGB(box->Color()), Skin().GetGlobalColor());
  const Bitmap shot = driver.windowShot(box->Handle());
  EXPECT_NE(shot.pixel(shot.width() / 2, 8), ColorToRGB(clActiveCaption));
  EXPECT_EQ(shot.pixel(shot.width() / 2, 8), frame->FramePicture()->Pixels().pixel(shot.width() / 2, 8));
}

TEST_F(HookTest, ExemptClassesAndDestroyedFormsLeaveNoEntry) {
  EXPECT_TRUE(TacWindowHook::ExemptClass("TApplication"));
  EXPECT_TRUE(TacWindowHook::ExemptClass("TQRStandardPreview"));
  EXPECT_FALSE(TacWindowHook::ExemptClass("TForm1"));
  TFrameTestForm* form = ShowForm(bsSingle, biSystemMenu | biMinimize, 200, 100);
  const HWND window = form->Handle();
  TacProvider* entry = TacWindowHook::FindProvider(window);
  ASSERT_NE(entry, nullptr);
  EXPECT_EQ(entry->FormProvider(), ProviderOf(*form));
  form->Free();
  driver.runUntilIdle();
  // The entry no longer hands out the frame object that went with its form.
  entry = TacWindowHook::FindProvider(window);
  if (entry) {
    EXPECT_EQ(entry->FormProvider(), nullptr);
  }
}

TEST_F(DialogsOnlyHookTest, WithoutStdFormsFormsKeepThePlainFrameAndMessageBoxesAreSkinned) {
  TFrameTestForm* form = ShowForm(bsSingle, biSystemMenu | biMinimize, 200, 100);
  EXPECT_EQ(ProviderOf(*form), nullptr);
  const Bitmap plain = driver.windowShot(form->Handle());
  EXPECT_EQ(plain.pixel(120, 10), ColorToRGB(clActiveCaption));
  // Its controls are skinned all the same.
  auto* panel = new TSkinnedPanel(form);
  panel->SetParent(form);
  panel->SkinData.SetSkinSection("PANEL");
  panel->SetBounds(10, 10, 60, 40);
  driver.runUntilIdle();
  EXPECT_TRUE(panel->SkinData.Skinned());
  EXPECT_GE(panel->SkinData.SkinIndex, 0);
  TMessageForm* box = ShowMessageForm("Отлично!");
  EXPECT_NE(ProviderOf(*box), nullptr);
}
