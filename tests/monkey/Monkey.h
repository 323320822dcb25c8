#pragma once
// A seeded, reproducible monkey over the whole program on the headless
// screen: random clicks and double clicks at random points of whatever
// windows are visible (frames, message boxes and open drop-down lists
// included), key presses (Tab, Enter, Escape, arrows, F4 ...), Latin and
// Cyrillic text, the command picker opened and closed, the virtual clock
// advanced by random amounts so replays and timers run, and now and then a
// known solution played, so the monkey gets through the whole chain of
// windows. When the program ends, a fresh one starts (a new "life"), with a
// result file that is missing, holds earlier runs, is read-only or is a
// folder.
//
// After every event it checks: at most one task window visible, and
// "res.txt" either untouched or its old bytes plus exactly one whole line
// in Windows-1251. A crash or a sanitizer report ends the process.
#include <cstdint>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "tests/app/ScopedWorkDir.h"

class HeadlessDriver;
class TrainerProgram;
class TTimer;
class TCustomForm;

class Monkey {
 public:
  struct Counts {
    std::uint64_t Events = 0;
    std::uint64_t Lives = 0;
    std::uint64_t MessageBoxes = 0;      // events sent to a message box
    std::uint64_t PickerOpened = 0;
    std::uint64_t LinesWritten = 0;      // runs that appended their line
    std::uint64_t WindowsReached[4] = {};  // lives that showed TForm1 .. TForm4
  };

  explicit Monkey(std::uint64_t seed);
  ~Monkey();
  Monkey(const Monkey&) = delete;
  Monkey& operator=(const Monkey&) = delete;

  // Sends `events` events; answers false as soon as an invariant fails.
  bool Run(std::uint64_t events);

  const Counts& Totals() const { return counts_; }
  // What failed, with the seed and the event number to replay it.
  const std::vector<std::string>& Failures() const { return failures_; }

 private:
  enum class ResultFileStart { Missing, EarlierRuns, ReadOnly, Folder };

  void StartLife();
  void EndLife();
  bool ProgramEnded() const;

  void OneEvent();
  void PokeMessageBox();
  void ClickSomewhere(bool twice);
  void PressSomeKey();
  void TypeSomeText();
  void UsePicker();
  void PlaySolution();
  void Choose(TCustomForm* window, int entry);
  void ClickControl(TCustomForm* window, const char* name);

  void Check(const char* after);
  void Fail(const std::string& what);

  int Pick(int below) { return std::uniform_int_distribution<int>(0, below - 1)(random_); }

  std::uint64_t seed_;
  std::mt19937_64 random_;
  std::uint64_t target_ = 0;
  Counts counts_;
  std::vector<std::string> failures_;

  std::unique_ptr<ScopedWorkDir> dir_;
  std::unique_ptr<HeadlessDriver> driver_;
  std::unique_ptr<TrainerProgram> program_;
  std::unique_ptr<TTimer> poker_;
  // Past the last event an open menu gets Escape this many times at most.
  static constexpr std::uint64_t kMenuEventsPastTheEnd = 100;
  int poking_ = 0;  // depth of nested message-box loops being poked
  ResultFileStart start_ = ResultFileStart::Missing;
  std::string oldBytes_;
  bool reached_[4] = {};
  bool lineCounted_ = false;
  std::string lastEvent_;
  std::uint64_t lifeStart_ = 0;
  static constexpr std::uint64_t kEventsPerLife = 25000;
};
