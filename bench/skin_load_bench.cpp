// Loading a skin from a stored skin's bytes: unpacking the pack, the three
// loaders and the recolouring with HueOffset 120, as the program does at
// start-up. One benchmark uses a synthetic pack shaped like the program's
// skin, the other the program's own pack from the source tree.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "platform/BmpCodec.h"
#include "platform/FileBytes.h"
#include "skin/TsSkinManager.h"
#include "skin/load/TacSkinPackWriter.h"

namespace {

// A bitmap with many distinct colours, so the recolouring cannot coast on runs.
std::vector<std::uint8_t> PatternedBmp(int width, int height) {
  Bitmap b(width, height);
  for (int y = 0; y < height; ++y) {
    std::uint8_t* p = b.row(y);
    for (int x = 0; x < width; ++x, p += 3) {
      p[0] = static_cast<std::uint8_t>(x * 7 + y);
      p[1] = static_cast<std::uint8_t>(x * 3 + y * 5);
      p[2] = static_cast<std::uint8_t>(200 - x - y);
    }
  }
  return BmpCodec::encode(b);
}

std::vector<std::uint8_t> SyntheticPack() {
  std::string options =
      "[GLOBALINFO]\nVERSION=6.02\nMASTERBITMAP=MASTER.BMP\nSHADOW1COLOR=0\n"
      "BOXCHECKED=@0034@0000@0130@0018@3@0\n";
  for (int i = 0; i < 63; ++i) {
    options += "[SECTION" + std::to_string(i) + "]\nPARENTCLASS=SECTION0\nCOLOR=" + std::to_string(0x336699 + i) +
               "\nFONTCOLOR=0\nHOTCOLOR=16777215\nGRADIENTDATA=15987442;15329512;53;1;0;100;200;47;1;0\n"
               "BORDERSMASK=^0034^0019^0041^0028^0002^0002^0002^0002^1^0^1^1\n"
               "GLYPHMASK=@0034@0000@0130@0018@3@0\nPATTERN=~0110~0036~0113~0042~10~1\n";
  }
  options += "[BUTTON_HUGE]\nBORDERSMASK=!BUTTONHUGE.BMP!3!1!0!0048!0048!0047!0047\n"
             "[FORMTITLE]\nIMGTOPLEFT=!TL.BMP!1!1!2\n";
  TacSkinPackWriter writer;
  writer.Add("Options.dat", std::vector<std::uint8_t>(options.begin(), options.end()));
  writer.Add("ButtonHuge.bmp", PatternedBmp(288, 192));
  writer.Add("Master.bmp", PatternedBmp(256, 162));
  writer.Add("tl.bmp", PatternedBmp(429, 600));
  return writer.Build();
}

void LoadStoredSkin(benchmark::State& state, const std::vector<std::uint8_t>& pack) {
  TsSkinManager manager(nullptr);
  manager.SetActive(false);
  TsStoredSkin* stored = manager.InternalSkins().Add();
  stored->Name = "Birch (internal)";
  stored->ReadData(pack);
  manager.SetHueOffset(120);
  manager.SetActive(true);
  for (auto _ : state) {
    manager.SetSkinName("Birch (internal)");
    benchmark::DoNotOptimize(manager.Content().Masks.data());
  }
  if (manager.LastLoadOutcome() != TsSkinManager::LoadOutcome::Loaded) state.SkipWithError(manager.LastError().c_str());
  state.counters["masks"] = static_cast<double>(manager.Content().Masks.size());
  state.counters["sections"] = static_cast<double>(manager.Content().Sections.size());
}

void BM_LoadSyntheticPack(benchmark::State& state) { LoadStoredSkin(state, SyntheticPack()); }
BENCHMARK(BM_LoadSyntheticPack)->Unit(benchmark::kMillisecond);

void BM_LoadProgramPack(benchmark::State& state) {
  const auto path = std::filesystem::path(__FILE__).parent_path().parent_path() / "resources/skins/Birch.asz";
  Result<std::vector<std::uint8_t>> bytes = FileBytes::read(path.string());
  if (!bytes) {
    state.SkipWithError(("no program pack: " + bytes.error()).c_str());
    for (auto _ : state) {
    }
    return;
  }
  LoadStoredSkin(state, bytes.value());
}
BENCHMARK(BM_LoadProgramPack)->Unit(benchmark::kMillisecond);

}  // namespace
