// The manager read from a window layout, as the first window carries it:
// the stored skin arrives through the binary property "Data", SkinName loads
// at once, and the announcement waits until the layout is complete.
#include <gtest/gtest.h>

#include "SkinTestFiles.h"
#include "framework/TComponent.h"
#include "framework/streaming/LayoutReader.h"
#include "framework/streaming/TClassInfo.h"
#include "framework/streaming/TClassRegistry.h"
#include "skin/TsSkinManager.h"

namespace {

class TSkinTestForm : public TComponent {
 public:
  TRAINER_CLASS_INFO()
  explicit TSkinTestForm(TComponent* owner) : TComponent(owner) {
    PublishField("sSkinManager1", Manager);
    PublishMethod("SkinAfterChange", &TSkinTestForm::SkinAfterChange);
  }
  TsSkinManager* Manager = nullptr;
  std::vector<std::string> InfoAtChange;

  void SkinAfterChange(TObject* sender) {
    auto* m = dynamic_cast<TsSkinManager*>(sender);
    InfoAtChange.push_back(m ? m->SkinInfo() + (m->IsLoading() ? " loading" : "") : "?");
  }
};

const TClassInfo& TSkinTestForm::StaticClassInfo() {
  static const TClassInfo info("TSkinTestForm", &TComponent::StaticClassInfo());
  return info;
}

constexpr const char* kLayout = R"(object SkinForm: TSkinTestForm
  object sSkinManager1: TsSkinManager
    InternalSkins = <
      item
        Name = 'Birch (internal)'
        Shadow1Color = clBlack
        Shadow1Offset = 0
        Shadow1Transparency = 0
        Data = {resource 'skins/Birch.asz'}
      end>
    SkinDirectory = ''
    OnAfterChange = SkinAfterChange
    SkinName = 'Birch (internal)'
    SkinInfo = 'ignored'
    SkinningRules = [srStdForms, srThirdParty]
    AnimEffects.Buttons.Events = [beMouseEnter, beMouseUp]
    AnimEffects.SkinChanging.Time = 250
    MenuSupport.ExtraLineWidth = 40
    ThirdParty.ThirdEdits = ' '
    ThirdParty.ThirdStatusBar = 'TMyStatus'
  end
end
)";

}  // namespace

TEST(TsSkinManagerLayout, StoredSkinLoadsWhileReadingAndIsAnnouncedAfterwards) {
  const SkinTestFiles::Bytes pack = SkinTestFiles::Pack(
      {{"Options.dat", SkinTestFiles::Text("[GLOBALINFO]\nVERSION=6.02\nMASTERBITMAP=MASTER.BMP\n[BUTTON]\nCOLOR=1\n")},
       {"Master.bmp", SkinTestFiles::BmpFile(4, 4)}});
  TClassRegistry registry;
  RegisterSkinClasses(registry);
  LayoutReader reader(registry, [&](std::string_view path) -> std::optional<std::span<const std::uint8_t>> {
    if (path == "skins/Birch.asz") return std::span<const std::uint8_t>(pack);
    return std::nullopt;
  });

  TSkinTestForm form(nullptr);
  reader.Read(form, "SkinForm.lfm", kLayout);
  ASSERT_NE(form.Manager, nullptr);
  TsSkinManager& m = *form.Manager;
  // The skin was loaded by the SkinName setter, before the layout was complete.
  EXPECT_EQ(form.InfoAtChange, (std::vector<std::string>{"N/A loading"}));
  EXPECT_EQ(m.InternalSkins().Count(), 1);
  EXPECT_EQ(m.InternalSkins()[0]->Data().size(), pack.size());
  EXPECT_EQ(m.InternalSkins()[0]->Shadow1Blur, -1);
  EXPECT_EQ(m.InternalSkins()[0]->BorderColor, clFuchsia);
  EXPECT_EQ(m.SkinDirectory(), "c:\\Skins");  // empty is replaced after loading
  EXPECT_EQ(m.SkinInfo(), "6.02");
  EXPECT_EQ(m.Content().GetSkinIndex("BUTTON"), 1);
  EXPECT_EQ(m.SkinningRules(), srStdForms | srThirdParty);
  EXPECT_EQ(m.ThirdParty().ClassNames(TacThirdParty::StatusBar), (std::vector<std::string>{"TMyStatus"}));
  EXPECT_TRUE(m.ThirdParty().ClassNames(TacThirdParty::Edits).empty());
  EXPECT_TRUE(m.IsDefault());
  EXPECT_EQ(m.AnimEffects().Buttons.Events, TacBtnEffects::beMouseEnter | TacBtnEffects::beMouseUp);
  EXPECT_EQ(m.AnimEffects().SkinChanging.Time, 250);
  EXPECT_TRUE(m.AnimEffects().SkinChanging.Active);
  EXPECT_EQ(m.AnimEffects().Manager, &m);
  EXPECT_EQ(m.MenuSupport().ExtraLineWidth, 40);
  EXPECT_EQ(m.MenuSupport().IcoLineSkin, "ICOLINE");  // empty is replaced after loading
}
