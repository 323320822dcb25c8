#pragma once
// The whole program on the given windowing backend: start-up, the message
// loop until the main window closes, and the end of the windowing layer.
// Answers the process's exit code.
#include <memory>

#include "platform/windowing/Backend.h"

int RunTrainer(std::unique_ptr<Backend> backend);
