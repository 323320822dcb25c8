#pragma once
// What the tube window shows: the ball in each of the 16 cells (cell 1 at the
// closed left end, cell 16 the exit cell) and in the niche above cell 8.
#include <array>
#include <cstdint>
#include <string>

enum class Ball : std::uint8_t { Empty = 0, Yellow = 1, Green = 2 };

inline constexpr int kTubeCells = 16;
inline constexpr int kExitCell = 16;
inline constexpr int kNicheCell = 8;

struct TubeView {
  std::array<Ball, kTubeCells> cells{};
  Ball niche = Ball::Empty;

  // Cells are numbered from 1, as on screen.
  Ball cell(int k) const { return cells[k - 1]; }

  // The cells as text, Y yellow, G green, '.' empty, left to right.
  std::string cellsText() const {
    std::string text;
    for (Ball b : cells) text += b == Ball::Yellow ? 'Y' : b == Ball::Green ? 'G' : '.';
    return text;
  }

  friend bool operator==(const TubeView&, const TubeView&) = default;
};
