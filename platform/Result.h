#pragma once
// A value or the reason why there is none. Fallible operations (decoding a
// file, creating a font) return this so the caller has to look at the
// outcome; nothing on these roads throws.
//
//   Result<Bitmap> r = BmpCodec::decode(bytes);
//   if (!r) report(r.error());
//   Bitmap bmp = std::move(r).value();
#include <cassert>
#include <string>
#include <utility>
#include <variant>

// The failure side of a Result: a short English message for logs and tests.
struct Error {
  std::string message;
};

template <class T>
class [[nodiscard]] Result {
 public:
  Result(T value) : state_(std::move(value)) {}
  Result(Error error) : state_(std::move(error)) {}

  bool ok() const { return std::holds_alternative<T>(state_); }
  explicit operator bool() const { return ok(); }

  // Only valid when ok(); asking for the value of a failure is a caller bug.
  T& value() & {
    assert(ok() && "Result::value() on a failure");
    return std::get<T>(state_);
  }
  const T& value() const& {
    assert(ok() && "Result::value() on a failure");
    return std::get<T>(state_);
  }
  T&& value() && {
    assert(ok() && "Result::value() on a failure");
    return std::get<T>(std::move(state_));
  }
  T* operator->() { return &value(); }
  const T* operator->() const { return &value(); }

  // The failure message; empty when the result holds a value.
  const std::string& error() const {
    static const std::string none;
    return ok() ? none : std::get<Error>(state_).message;
  }

 private:
  std::variant<T, Error> state_;
};

// Success or failure without a value.
template <>
class [[nodiscard]] Result<void> {
 public:
  Result() = default;
  Result(Error error) : error_(std::move(error.message)), failed_(true) {}

  bool ok() const { return !failed_; }
  explicit operator bool() const { return ok(); }
  const std::string& error() const { return error_; }

 private:
  std::string error_;
  bool failed_ = false;
};
