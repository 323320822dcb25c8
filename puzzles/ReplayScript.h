#pragma once
// The ordered actions produced by one editor event or timer tick.
#include <string_view>
#include <vector>

#include "puzzles/ReplayAction.h"

class ReplayScript {
 public:
  using Kind = ReplayAction::Kind;

  void add(Kind kind) { actions_.push_back({kind, 0, {}, {}}); }
  void setInterval(int milliseconds) { actions_.push_back({Kind::SetInterval, milliseconds, {}, {}}); }
  void selectLine(int line) { actions_.push_back({Kind::SelectLine, line, {}, {}}); }
  void showMessage(std::string_view text) { actions_.push_back({Kind::ShowMessage, 0, text, {}}); }
  void addView(Kind kind, PuzzleView view) { actions_.push_back({kind, 0, {}, std::move(view)}); }

  const std::vector<ReplayAction>& actions() const { return actions_; }
  bool empty() const { return actions_.empty(); }
  auto begin() const { return actions_.begin(); }
  auto end() const { return actions_.end(); }

  // Appends another script's actions after these.
  void append(const ReplayScript& other);
  // Texts of the message boxes, in the order they are shown.
  std::vector<std::string_view> messages() const;
  bool contains(Kind kind) const;

 private:
  std::vector<ReplayAction> actions_;
};
