#pragma once
// Number texts of the skin options file. Integers are decimal, or hexadecimal
// after "$", "0x" or "0X", with an optional sign; hexadecimal values up to
// FFFFFFFF wrap into the signed 32-bit range as colour values need.
#include <cstdint>
#include <optional>
#include <string_view>

namespace SkinNumbers {

// The value, or nothing when the text is no integer (the lenient reading the
// INI reader uses: an unreadable value counts as absent).
std::optional<std::int32_t> TryParseInt(std::string_view text);

// The strict reading: throws ESkinLoadError naming `what` when the text is
// no integer.
std::int32_t StrToInt(std::string_view text, std::string_view what);

// A real number written with "." as decimal separator; nothing when unreadable.
std::optional<double> TryParseFloat(std::string_view text);

}  // namespace SkinNumbers
