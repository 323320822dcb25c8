#include "framework/streaming/LayoutError.h"

namespace {
std::string Compose(const std::string& file, int line, const std::string& property, const std::string& message) {
  std::string text = file + ":" + std::to_string(line) + ": ";
  if (!property.empty()) text += property + ": ";
  return text + message;
}
}  // namespace

LayoutError::LayoutError(std::string file, int line, std::string property, const std::string& message)
    : std::runtime_error(Compose(file, line, property, message)),
      file_(std::move(file)),
      line_(line),
      property_(std::move(property)),
      reason_(message) {}
