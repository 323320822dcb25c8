#pragma once
// A snapshot of one puzzle's display, carried by the replay actions that
// update it. A snapshot, not a reference to the model: a window applies the
// actions after the model has finished the tick, and a message box shown in
// between must still see the state that the tick showed before it.
#include <variant>

#include "puzzles/JugsView.h"
#include "puzzles/RiverView.h"
#include "puzzles/TubeView.h"

using PuzzleView = std::variant<std::monostate, JugsView, RiverView, TubeView>;
