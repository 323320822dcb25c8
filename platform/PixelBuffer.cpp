#include "platform/PixelBuffer.h"

#include <cstring>
#include <utility>

std::uint8_t* PixelBuffer::Allocate(std::size_t size) {
  return static_cast<std::uint8_t*>(::operator new(size, kAlignment));
}

PixelBuffer::PixelBuffer(const PixelBuffer& other) {
  if (other.size_ == 0) return;
  bytes_.reset(Allocate(other.size_));
  std::memcpy(bytes_.get(), other.bytes_.get(), other.size_);
  size_ = capacity_ = other.size_;
}

PixelBuffer& PixelBuffer::operator=(const PixelBuffer& other) {
  if (this == &other) return *this;
  if (other.size_ > capacity_) {
    bytes_.reset(Allocate(other.size_));
    capacity_ = other.size_;
  }
  if (other.size_ > 0) std::memcpy(bytes_.get(), other.bytes_.get(), other.size_);
  size_ = other.size_;
  return *this;
}

PixelBuffer::PixelBuffer(PixelBuffer&& other) noexcept
    : bytes_(std::move(other.bytes_)),
      size_(std::exchange(other.size_, 0)),
      capacity_(std::exchange(other.capacity_, 0)) {}

PixelBuffer& PixelBuffer::operator=(PixelBuffer&& other) noexcept {
  bytes_ = std::move(other.bytes_);
  size_ = std::exchange(other.size_, 0);
  capacity_ = std::exchange(other.capacity_, 0);
  return *this;
}

void PixelBuffer::assignZeroed(std::size_t size) {
  if (size > capacity_) {
    bytes_.reset();  // the old block goes before the new one is taken
    capacity_ = 0;
    bytes_.reset(Allocate(size));
    capacity_ = size;
  }
  size_ = size;
  if (size > 0) std::memset(bytes_.get(), 0, size);
}
