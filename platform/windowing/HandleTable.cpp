#include "platform/windowing/HandleTable.h"

HWND HandleTable::encode(std::size_t index, std::uint32_t generation) {
  // Slot + 1 keeps every handle non-null; the generation sits above 24 bits of slot.
  const std::uint64_t value = (static_cast<std::uint64_t>(generation) << 24) | (index + 1);
  return reinterpret_cast<HWND>(static_cast<std::uintptr_t>(value));
}

HWND HandleTable::add(std::unique_ptr<Window> window) {
  std::size_t index;
  if (!free_.empty()) {
    index = free_.back();
    free_.pop_back();
  } else {
    index = slots_.size();
    slots_.emplace_back();
  }
  Slot& slot = slots_[index];
  slot.window = std::move(window);
  slot.window->hwnd = encode(index, slot.generation);
  return slot.window->hwnd;
}

Window* HandleTable::find(HWND hwnd) const {
  const auto value = static_cast<std::uint64_t>(reinterpret_cast<std::uintptr_t>(hwnd));
  const std::uint64_t slotPart = value & 0xFFFFFF;
  if (slotPart == 0 || slotPart > slots_.size()) return nullptr;
  const Slot& slot = slots_[slotPart - 1];
  if ((value >> 24) != slot.generation || !slot.window) return nullptr;
  return slot.window.get();
}

std::unique_ptr<Window> HandleTable::retire(HWND hwnd) {
  if (!find(hwnd)) return nullptr;
  const auto index = static_cast<std::size_t>((reinterpret_cast<std::uintptr_t>(hwnd) & 0xFFFFFF) - 1);
  Slot& slot = slots_[index];
  std::unique_ptr<Window> window = std::move(slot.window);
  // The 32-bit generation makes a stale handle match again only after 2^32 reuses of one slot.
  ++slot.generation;
  free_.push_back(index);
  return window;
}

std::vector<HWND> HandleTable::all() const {
  std::vector<HWND> result;
  for (const Slot& slot : slots_)
    if (slot.window) result.push_back(slot.window->hwnd);
  return result;
}
