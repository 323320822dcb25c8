#pragma once
// Loads a skin from a fuzzed options text with the built-in pictures, as
// the skin manager loads one: the first byte chooses where the pictures come
// from (even: the built-in pack, odd: a skin folder on disk), the rest is the
// options file. Answers false when the loaders refuse it (ESkinLoadError).
#include <cstddef>
#include <cstdint>

#include "paint/TsSkinContent.h"

bool LoadSkinFromOptions(const std::uint8_t* data, std::size_t size, TsSkinContent& content);
