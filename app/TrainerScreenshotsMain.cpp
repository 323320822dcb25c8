// Writes each of the program's four windows, as the headless screen shows it
// right after start-up, to a PNG file in the given folder:
//   build/app/trainer-screenshots [out/windows]
// gives TForm1.png (jugs), TForm2.png (river), TForm3.png (tube), TForm4.png (name).
#include <cstdio>
#include <exception>
#include <filesystem>
#include <string>

#include "app/TForm4.h"
#include "app/TrainerProgram.h"
#include "platform/headless/HeadlessDriver.h"
#include "puzzles/TForm1.h"
#include "puzzles/TForm2.h"
#include "puzzles/TForm3.h"

namespace {

bool Save(HeadlessDriver& driver, TCustomForm* window, const std::filesystem::path& file) {
  window->Show();
  driver.runUntilIdle();
  const bool saved = driver.savePng(driver.windowShot(window->Handle()), file.string());
  if (saved)
    std::printf("%s\n", file.string().c_str());
  else
    std::fprintf(stderr, "could not write %s\n", file.string().c_str());
  window->Hide();
  driver.runUntilIdle();
  return saved;
}

}  // namespace

int main(int argc, char** argv) {
  const std::filesystem::path folder = argc > 1 ? argv[1] : "out/windows";
  std::error_code ignored;
  std::filesystem::create_directories(folder, ignored);
  HeadlessDriver driver;
  try {
    TrainerProgram program;
    program.ShowMainWindow();
    driver.runUntilIdle();
    bool ok = Save(driver, program.JugsWindow(), folder / "TForm1.png");
    ok = Save(driver, program.RiverWindow(), folder / "TForm2.png") && ok;
    ok = Save(driver, program.TubeWindow(), folder / "TForm3.png") && ok;
    ok = Save(driver, program.NameWindow(), folder / "TForm4.png") && ok;
    return ok ? 0 : 1;
  } catch (const std::exception& error) {
    std::fprintf(stderr, "trainer-screenshots: %s\n", error.what());
    return 1;
  }
}
