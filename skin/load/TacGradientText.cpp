#include "skin/load/TacGradientText.h"

#include <algorithm>
#include <string>
#include <vector>

#include "skin/load/SkinNumbers.h"
#include "skin/load/SkinText.h"

namespace TacGradientText {

TsGradArray Parse(std::string_view text) {
  const std::vector<std::string> words = SkinText::Split(text, ";", false);
  auto number = [&](std::size_t i) { return SkinNumbers::TryParseInt(SkinText::Trim(words[i])).value_or(0); };
  TsGradArray segments(words.size() / 5);
  for (std::size_t k = 0; k < segments.size(); ++k) {
    TsGradPoint& p = segments[k];
    p.Color1 = static_cast<TColor>(number(5 * k));
    p.Color2 = static_cast<TColor>(number(5 * k + 1));
    p.Percent = static_cast<std::uint8_t>(std::clamp(number(5 * k + 2), 0, 100));
    p.Mode = number(5 * k + 3);
  }
  return segments;
}

}  // namespace TacGradientText
