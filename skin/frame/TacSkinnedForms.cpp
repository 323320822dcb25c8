#include "skin/frame/TacSkinnedForms.h"

#include <algorithm>

std::vector<TCustomForm*>& TacSkinnedForms::forms() {
  static std::vector<TCustomForm*> registered;
  return registered;
}

void TacSkinnedForms::Register(TCustomForm* form) {
  if (form != nullptr) forms().push_back(form);
}

void TacSkinnedForms::Unregister(TCustomForm* form) {
  std::vector<TCustomForm*>& list = forms();
  const auto found = std::find(list.begin(), list.end(), form);
  if (found == list.end() || form == nullptr) return;
  *found = list.back();
  list.back() = nullptr;
  // The freed place may have been the last one itself.
  while (!list.empty() && list.back() == nullptr) list.pop_back();
}

TCustomForm* TacSkinnedForms::At(std::size_t index) {
  const std::vector<TCustomForm*>& list = forms();
  return index < list.size() ? list[index] : nullptr;
}
