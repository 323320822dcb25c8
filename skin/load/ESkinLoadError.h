#pragma once
// The one exception of skin loading: a malformed number in the options file,
// a damaged skin pack or a pack entry beyond the size limits. The skin
// manager catches it and keeps no skin; lookups and painting never see it.
#include <stdexcept>
#include <string>

class ESkinLoadError : public std::runtime_error {
 public:
  explicit ESkinLoadError(const std::string& message) : std::runtime_error(message) {}
};
