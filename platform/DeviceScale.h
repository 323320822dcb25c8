#pragma once
// The program's device scale: how many screen pixels one of its own
// (logical) pixels covers across and down, 1, 2 or 3. Everything above the
// pixel primitives measures and places in logical pixels; bitmaps store
// their pixels at a device scale, and the primitives turn logical
// rectangles into device pixels when they start. The scale is chosen once
// at start (the backend reads the desktop's density) before the first
// bitmap or window is made; bitmaps made later take it.
namespace DeviceScale {

constexpr int kMin = 1;
constexpr int kMax = 3;

// The scale new bitmaps take (1 until the program sets another).
int Current();
// Sets the scale for bitmaps made from now on, clamped to kMin..kMax.
void SetCurrent(int scale);

// A scale set for the life of an object and put back afterwards: tests
// that make windows at 2x.
class Scoped {
 public:
  explicit Scoped(int scale) : previous_(Current()) { SetCurrent(scale); }
  ~Scoped() { SetCurrent(previous_); }
  Scoped(const Scoped&) = delete;
  Scoped& operator=(const Scoped&) = delete;

 private:
  int previous_;
};

}  // namespace DeviceScale
