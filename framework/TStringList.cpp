#include "framework/TStringList.h"

#include <algorithm>
#include <stdexcept>

#include "framework/streaming/TClassInfo.h"

const TClassInfo& TStringList::StaticClassInfo() {
  static const TClassInfo info("TStringList", &TStrings::StaticClassInfo());
  return info;
}

TStringList::TStringList(std::initializer_list<std::string> lines) : lines_(lines) {}

std::size_t TStringList::CheckIndex(int index, int limit) const {
  if (index < 0 || index > limit)
    throw std::out_of_range("List index out of bounds (" + std::to_string(index) + ")");
  return static_cast<std::size_t>(index);
}

std::string TStringList::Get(int index) const { return lines_[CheckIndex(index, Count() - 1)]; }

void TStringList::Put(int index, const std::string& text) {
  lines_[CheckIndex(index, Count() - 1)] = text;
  Changed();
}

void TStringList::Insert(int index, const std::string& text) {
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(CheckIndex(index, Count())), text);
  Changed();
}

void TStringList::Delete(int index) {
  lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(CheckIndex(index, Count() - 1)));
  Changed();
}

void TStringList::Clear() {
  if (lines_.empty()) return;
  lines_.clear();
  Changed();
}

void TStringList::Sort() {
  auto fold = [](std::string s) {
    for (char& ch : s)
      if (ch >= 'A' && ch <= 'Z') ch = static_cast<char>(ch + 32);
    return s;
  };
  if (CaseSensitive)
    std::stable_sort(lines_.begin(), lines_.end());
  else
    std::stable_sort(lines_.begin(), lines_.end(),
                     [&](const std::string& a, const std::string& b) { return fold(a) < fold(b); });
  Changed();
}

void TStringList::Changed() {
  if (UpdateCount() > 0) {
    changedInBatch_ = true;
    return;
  }
  if (OnChange) OnChange(this);
}

void TStringList::SetUpdateState(bool updating) {
  if (updating) {
    changedInBatch_ = false;
  } else if (changedInBatch_) {
    changedInBatch_ = false;
    if (OnChange) OnChange(this);
  }
}
