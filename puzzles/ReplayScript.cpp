#include "puzzles/ReplayScript.h"

#include <algorithm>

void ReplayScript::append(const ReplayScript& other) {
  actions_.insert(actions_.end(), other.actions_.begin(), other.actions_.end());
}

std::vector<std::string_view> ReplayScript::messages() const {
  std::vector<std::string_view> texts;
  for (const ReplayAction& a : actions_)
    if (a.kind == Kind::ShowMessage) texts.push_back(a.text);
  return texts;
}

bool ReplayScript::contains(Kind kind) const {
  return std::any_of(actions_.begin(), actions_.end(), [kind](const ReplayAction& a) { return a.kind == kind; });
}
