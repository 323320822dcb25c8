#include "framework/controls/TWindowStrings.h"

#include <stdexcept>

#include "framework/streaming/TClassInfo.h"
#include "platform/windowing/WinUser.h"

const TClassInfo& TWindowStrings::StaticClassInfo() {
  static const TClassInfo info("TWindowStrings", &TStrings::StaticClassInfo());
  return info;
}

TWindowStrings::TWindowStrings(std::function<HWND()> window, Messages messages)
    : window_(std::move(window)), messages_(messages) {}

std::size_t TWindowStrings::Check(int index, int limit) const {
  if (index < 0 || index > limit)
    throw std::out_of_range("List index out of bounds (" + std::to_string(index) + ")");
  return static_cast<std::size_t>(index);
}

std::string TWindowStrings::Get(int index) const { return lines_[Check(index, Count() - 1)]; }

void TWindowStrings::Insert(int index, const std::string& text) {
  std::size_t at = Check(index, Count());
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), text);
  if (HWND hwnd = window_()) SendMessage(hwnd, messages_.Insert, at, reinterpret_cast<LPARAM>(text.c_str()));
  Changed();
}

void TWindowStrings::Delete(int index) {
  std::size_t at = Check(index, Count() - 1);
  lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(at));
  if (HWND hwnd = window_()) SendMessage(hwnd, messages_.Delete, at, 0);
  Changed();
}

void TWindowStrings::Clear() {
  lines_.clear();
  if (HWND hwnd = window_()) SendMessage(hwnd, messages_.Reset, 0, 0);
  Changed();
}

void TWindowStrings::CopyToWindow(HWND hwnd) const {
  SendMessage(hwnd, messages_.Reset, 0, 0);
  for (std::size_t i = 0; i < lines_.size(); ++i)
    SendMessage(hwnd, messages_.Insert, i, reinterpret_cast<LPARAM>(lines_[i].c_str()));
}

void TWindowStrings::Changed() {
  if (UpdateCount() == 0 && OnChange) OnChange(this);
}
