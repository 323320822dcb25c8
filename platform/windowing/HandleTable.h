#pragma once
// Window handles as (slot, generation) pairs. A handle stays valid from
// creation until DestroyWindow starts; after that every lookup fails, even
// while the record itself is kept alive until the outermost dispatch returns.
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/windowing/Window.h"

class HandleTable {
 public:
  // Stores the window and answers its new handle (also written to window->hwnd).
  HWND add(std::unique_ptr<Window> window);
  // The live window behind a handle, or nullptr for stale and made-up handles.
  Window* find(HWND hwnd) const;
  // Invalidates the handle and hands the record back to the caller, who
  // keeps it until no code can be using it any more.
  std::unique_ptr<Window> retire(HWND hwnd);
  // Every live window, in creation-slot order.
  std::vector<HWND> all() const;

 private:
  struct Slot {
    std::uint32_t generation = 1;
    std::unique_ptr<Window> window;
  };
  static HWND encode(std::size_t index, std::uint32_t generation);

  std::vector<Slot> slots_;
  std::vector<std::size_t> free_;
};
