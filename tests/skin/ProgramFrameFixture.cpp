#include "tests/skin/ProgramFrameFixture.h"

#include <span>

#include "platform/windowing/WinUser.h"
#include "resources/Resources.h"
#include "skin/SkinCommandMessage.h"
#include "skin/hook/TacWindowHook.h"

ProgramFrameFixture::ProgramFrameFixture(unsigned rules) {
  TsSkinManager::WindowConnections() = {&TacWindowHook::Install, &TacWindowHook::Remove, {}, {}};
  app.Initialize();
  manager.SetProgramFolder("/nonexistent/");
  manager.SetSkinningRules(rules);
  TsStoredSkin* stored = manager.InternalSkins().Add();
  stored->Name = "Birch (internal)";
  auto pack = FindResource("skins/Birch.asz");
  stored->ReadData(pack ? *pack : std::span<const std::uint8_t>{});
  manager.SetSkinName("Birch (internal)");
}

ProgramFrameFixture::~ProgramFrameFixture() { manager.SetActive(false); }

TFrameTestForm* ProgramFrameFixture::ShowForm(TFormBorderStyle style, TBorderIcons icons, int clientWidth,
                                              int clientHeight, const std::string& caption, std::intptr_t tag) {
  auto* form = TForm::Create<TFrameTestForm>(&app);
  form->Tag = tag;
  form->SetBorderStyle(style);
  form->SetBorderIcons(icons);
  form->SetBounds(60, 50, 100, 100);
  form->SetCaption(caption);
  form->HandleNeeded();
  RECT frame{0, 0, clientWidth, clientHeight};
  AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongPtr(form->Handle(), GWL_STYLE)), FALSE,
                     static_cast<DWORD>(GetWindowLongPtr(form->Handle(), GWL_EXSTYLE)));
  form->SetBounds(60, 50, frame.Width(), frame.Height());
  form->OnClose = [form](TObject*, TCloseAction&) { ++form->Closed; };
  form->Show();
  driver.runUntilIdle();
  return form;
}

TsSkinProvider* ProgramFrameFixture::ProviderOf(TCustomForm& form) {
  if (!form.HandleAllocated()) return nullptr;
  return reinterpret_cast<TsSkinProvider*>(
      SendMessage(form.Handle(), SM_SKINCOMMAND, SkinCommand(SKC_GET_FRAME_PROVIDER), 0));
}
