#pragma once
// The byte storage of a bitmap: one block that starts on a 64-byte cache
// line, so the vector steps over pixel rows never straddle two lines, and
// that is cleared with one memset (a standard container with an aligned
// allocator would construct its bytes one by one, which costs seconds per
// picture in an unoptimised build).
#include <cstddef>
#include <cstdint>
#include <memory>
#include <new>

class PixelBuffer {
 public:
  PixelBuffer() = default;
  PixelBuffer(const PixelBuffer& other);
  PixelBuffer& operator=(const PixelBuffer& other);
  PixelBuffer(PixelBuffer&& other) noexcept;
  PixelBuffer& operator=(PixelBuffer&& other) noexcept;
  ~PixelBuffer() = default;

  std::uint8_t* data() { return bytes_.get(); }
  const std::uint8_t* data() const { return bytes_.get(); }
  std::size_t size() const { return size_; }
  bool empty() const { return size_ == 0; }

  // `size` bytes, all 0. The block is kept when it is large enough.
  void assignZeroed(std::size_t size);
  // No bytes; the block is kept for the next assignZeroed.
  void clear() { size_ = 0; }

 private:
  static constexpr std::align_val_t kAlignment{64};
  struct Free {
    void operator()(std::uint8_t* p) const { ::operator delete(p, kAlignment); }
  };
  static std::uint8_t* Allocate(std::size_t size);

  std::unique_ptr<std::uint8_t[], Free> bytes_;
  std::size_t size_ = 0;
  std::size_t capacity_ = 0;
};
