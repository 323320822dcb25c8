#pragma once
// Raised when a published property is given a value that contradicts
// another one (a gauge minimum above its maximum, for instance).
#include <stdexcept>

class EInvalidOperation : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};
