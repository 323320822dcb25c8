// The monkey over the whole program (see Monkey.h): a short run that must
// keep every invariant and must also have got everywhere (through the chain
// of windows to the name window, into message boxes and the picker, and to
// a written result line), and the same seed giving the same run.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "tests/monkey/Monkey.h"

namespace {

std::uint64_t EnvNumber(const char* name, std::uint64_t fallback) {
  const char* value = std::getenv(name);
  return value ? std::strtoull(value, nullptr, 10) : fallback;
}

std::string Describe(const Monkey::Counts& c) {
  return std::to_string(c.Events) + " events, " + std::to_string(c.Lives) + " lives, " +
         std::to_string(c.MessageBoxes) + " message-box events, picker opened " + std::to_string(c.PickerOpened) +
         " times, " + std::to_string(c.LinesWritten) + " lines written, windows reached " +
         std::to_string(c.WindowsReached[0]) + "/" + std::to_string(c.WindowsReached[1]) + "/" +
         std::to_string(c.WindowsReached[2]) + "/" + std::to_string(c.WindowsReached[3]);
}

TEST(Monkey, TwentyThousandEventsKeepEveryInvariantAndReachEveryWindow) {
  const std::uint64_t seed = EnvNumber("TRAINER_MONKEY_SEED", 20261209);
  const std::uint64_t events = EnvNumber("TRAINER_MONKEY_EVENTS", 20000);
  Monkey monkey(seed);
  const bool kept = monkey.Run(events);
  const Monkey::Counts& c = monkey.Totals();
  std::cout << "monkey: seed " << seed << ": " << Describe(c) << "\n";
  ASSERT_TRUE(kept) << monkey.Failures().front();
  EXPECT_GE(c.Events, events);
  EXPECT_GE(c.Lives, 2u) << "the program never ended";
  EXPECT_GT(c.MessageBoxes, 0u);
  EXPECT_GT(c.PickerOpened, 0u);
  EXPECT_GT(c.WindowsReached[3], 0u) << "never got to the name window";
  EXPECT_GT(c.LinesWritten, 0u) << "never wrote a result line";
}

TEST(Monkey, TheSameSeedGivesTheSameRun) {
  // One program at a time: the windowing layer and the default skin manager
  // are the process's, as they are the real program's.
  auto runOnce = [] {
    Monkey monkey(7);
    EXPECT_TRUE(monkey.Run(1500));
    return Describe(monkey.Totals());
  };
  const std::string first = runOnce();
  EXPECT_EQ(first, runOnce());
}

}  // namespace
