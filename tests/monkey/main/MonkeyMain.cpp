// trainer-monkey EVENTS SEED: a long monkey run over the whole program (see
// tests/monkey/Monkey.h), for scripts/monkey.sh. Prints what it did and, on
// a broken invariant, the seed and event that break it; exits 1 then.
#include <cstdio>
#include <algorithm>
#include <cstdlib>

#include "tests/monkey/Monkey.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fputs("usage: trainer-monkey EVENTS SEED\n", stderr);
    return 2;
  }
  const std::uint64_t events = std::strtoull(argv[1], nullptr, 10);
  const std::uint64_t seed = std::strtoull(argv[2], nullptr, 10);
  Monkey monkey(seed);
  // In slices, so that a long run shows it is alive.
  constexpr std::uint64_t kSlice = 50000;
  bool kept = true;
  for (std::uint64_t done = 0; kept && done < events; done += kSlice) {
    kept = monkey.Run(std::min(kSlice, events - done));
    const Monkey::Counts& c = monkey.Totals();
    std::printf("monkey: %llu events, %llu lives, %llu message-box events, %llu lines written, name window in %llu lives\n",
                static_cast<unsigned long long>(c.Events), static_cast<unsigned long long>(c.Lives),
                static_cast<unsigned long long>(c.MessageBoxes), static_cast<unsigned long long>(c.LinesWritten),
                static_cast<unsigned long long>(c.WindowsReached[3]));
    std::fflush(stdout);
  }
  if (!kept) {
    std::fprintf(stderr, "monkey: %s\n", monkey.Failures().front().c_str());
    return 1;
  }
  std::printf("monkey: every invariant held (seed %llu)\n", static_cast<unsigned long long>(seed));
  return 0;
}
