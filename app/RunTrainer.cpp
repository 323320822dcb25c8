#include "app/RunTrainer.h"

#include <cstdio>
#include <exception>

#include "app/TrainerProgram.h"

int RunTrainer(std::unique_ptr<Backend> backend) {
  if (!backend) {
    std::fprintf(stderr, "puzzle-trainer: no window system\n");
    return 1;
  }
  SetBackend(std::move(backend));
  int code = 0;
  try {
    TrainerProgram program;
    program.Run();
  } catch (const std::exception& error) {
    // Start-up failed (a window's layout or the stored skin); the loop's own
    // errors are reported in message boxes and never get here.
    std::fprintf(stderr, "puzzle-trainer: %s\n", error.what());
    code = 1;
  }
  ShutdownWindowing();
  return code;
}
