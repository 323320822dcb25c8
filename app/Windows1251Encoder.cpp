#include "app/Windows1251Encoder.h"

#include <cerrno>
#include <stdexcept>

namespace {

constexpr char kUnrepresentable = '?';
const iconv_t kNoConverter = reinterpret_cast<iconv_t>(-1);

// Length of the UTF-8 sequence starting at text[0], or 0 when it is not a
// well-formed sequence (bad lead byte, missing continuation, overlong form).
std::size_t SequenceLength(std::string_view text) {
  const auto lead = static_cast<unsigned char>(text[0]);
  std::size_t length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 0;
  if (length == 0 || length > text.size()) return 0;
  for (std::size_t i = 1; i < length; ++i)
    if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) return 0;
  // iconv itself rejects overlong forms and surrogates; they become "?" there.
  return length;
}

}  // namespace

Windows1251Encoder::Windows1251Encoder() : converter_(iconv_open("WINDOWS-1251", "UTF-8")) {
  if (converter_ == kNoConverter) throw std::runtime_error("Кодировка Windows-1251 недоступна");
}

Windows1251Encoder::~Windows1251Encoder() { iconv_close(converter_); }

char Windows1251Encoder::EncodeCharacter(std::string_view character) {
  if (character.size() == 1) return character[0];  // ASCII is the same in both
  iconv(converter_, nullptr, nullptr, nullptr, nullptr);
  char in[4];
  character.copy(in, character.size());
  char* inPtr = in;
  std::size_t inLeft = character.size();
  char out[8];
  char* outPtr = out;
  std::size_t outLeft = sizeof out;
  const std::size_t done = iconv(converter_, &inPtr, &inLeft, &outPtr, &outLeft);
  // One character must become exactly one byte; anything else (no such
  // letter in the code page, a malformed sequence) is not representable.
  if (done == static_cast<std::size_t>(-1) || inLeft != 0 || outPtr - out != 1) return kUnrepresentable;
  return out[0];
}

std::string Windows1251Encoder::Encode(std::string_view utf8) {
  std::string result;
  result.reserve(utf8.size());
  while (!utf8.empty()) {
    const std::size_t length = SequenceLength(utf8);
    if (length == 0) {
      result += kUnrepresentable;
      utf8.remove_prefix(1);
      continue;
    }
    result += EncodeCharacter(utf8.substr(0, length));
    utf8.remove_prefix(length);
  }
  return result;
}
