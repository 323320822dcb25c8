#pragma once
// The algorithm as the editor keeps it: the command lines and the selected
// line. The window's list box shows it; every edit goes through here so the
// editor rules live in one place.
#include <string>
#include <string_view>
#include <vector>

class CommandList {
 public:
  static constexpr int kNoSelection = -1;

  const std::vector<std::string>& lines() const { return lines_; }
  std::size_t count() const { return lines_.size(); }
  int selected() const { return selected_; }

  // The picker's change notification: a new last line, selection unchanged.
  void append(std::string_view text);
  // A direct command button: a new last line, which becomes the selection.
  void appendAndSelect(std::string_view text);
  // Remove button: deletes the selected line, leaving nothing selected.
  // Does nothing when no line is selected.
  void removeSelected();
  void clear();
  // Selects line `index`; an index outside the list clears the selection.
  void select(int index);

 private:
  std::vector<std::string> lines_;
  int selected_ = kNoSelection;
};
