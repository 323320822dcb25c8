// One fade frame of the 145 x 25 "ВЫПОЛНИТЬ" button as its fade timer paints
// it: a copy of the old picture, the weighted copy of the new one over it,
// and the copy onto the button's window. Beside it a plain memcpy of the
// button's picture bytes in the same run: the floor any frame costs.
#include <benchmark/benchmark.h>

#include <cstring>
#include <string>
#include <vector>

#include "controls/buttons/TsBitBtn.h"
#include "framework/TApplication.h"
#include "framework/TCustomForm.h"
#include "platform/headless/HeadlessDriver.h"
#include "skin/TsSkinManager.h"

namespace {

class TBenchForm : public TForm {
 public:
  using TForm::TForm;

 protected:
  std::string LayoutResource() const override { return {}; }
};

struct FadeFixture {
  HeadlessDriver driver;
  TApplication app{nullptr};
  TsSkinManager manager{nullptr};
  TsBitBtn* button = nullptr;

  FadeFixture() {
    app.Initialize();
    TsSkinContent& skin = manager.Content();
    TsGeneralData global;
    global.SectionName = "GLOBALINFO";
    skin.Sections.push_back(global);
    TsGeneralData section;
    section.SectionName = "BUTTON";
    section.Color = 0x00ECF1F0;
    section.HotColor = 0x00FBF1E8;
    section.FadingEnabled = true;
    section.FadingIterations = 20;
    skin.Sections.push_back(section);
    skin.SkinData.Active = true;
    skin.RefreshConstIndexes();
    auto* form = TForm::Create<TBenchForm>(&app);
    form->SetBounds(40, 40, 300, 120);
    button = new TsBitBtn(form);
    button->SetParent(form);
    button->SetBounds(8, 8, 145, 25);
    button->SetCaption("ВЫПОЛНИТЬ");
    button->SkinData().SetSkinSection("BUTTON");
    form->Show();
    driver.runUntilIdle();
    // A hover starts the fade whose frames are measured.
    driver.moveTo(driver.clientToScreen(button->Handle(), {40, 12}));
  }
  ~FadeFixture() { manager.Content().ClearSkin(); }
};

void BM_ButtonFadeFrame(benchmark::State& state) {
  FadeFixture f;
  TsFadeTimer* timer = f.button->Fade().get();
  if (!timer) {
    state.SkipWithError("the hover did not start a fade");
    return;
  }
  for (auto _ : state) {
    timer->Step = 10;  // a mid-fade frame every time
    timer->FadeStep();
  }
  state.counters["width"] = f.button->Width();
  state.counters["height"] = f.button->Height();
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * 145 * 25 * 3);
}
BENCHMARK(BM_ButtonFadeFrame)->Unit(benchmark::kMicrosecond);

void BM_MemcpyButtonBytes(benchmark::State& state) {
  FadeFixture f;
  const Bitmap& cache = f.button->SkinData().CacheBmp()->Pixels();
  std::vector<std::uint8_t> copy(cache.sizeInBytes());
  for (auto _ : state) {
    std::memcpy(copy.data(), cache.bits(), copy.size());
    benchmark::DoNotOptimize(copy.data());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * copy.size()));
}
BENCHMARK(BM_MemcpyButtonBytes)->Unit(benchmark::kMicrosecond);

}  // namespace
