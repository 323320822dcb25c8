#include "puzzles/CommandList.h"

void CommandList::append(std::string_view text) { lines_.emplace_back(text); }

void CommandList::appendAndSelect(std::string_view text) {
  lines_.emplace_back(text);
  selected_ = static_cast<int>(lines_.size()) - 1;
}

void CommandList::removeSelected() {
  if (selected_ == kNoSelection) return;
  lines_.erase(lines_.begin() + selected_);
  selected_ = kNoSelection;
}

void CommandList::clear() {
  lines_.clear();
  selected_ = kNoSelection;
}

void CommandList::select(int index) {
  selected_ = index >= 0 && static_cast<std::size_t>(index) < lines_.size() ? index : kNoSelection;
}
