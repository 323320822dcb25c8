#include "skin/load/TacMaskNotation.h"

#include <string>
#include <vector>

#include "skin/load/SkinNumbers.h"
#include "skin/load/SkinText.h"

namespace {

// A fixed-column field (1-based columns) read strictly.
int Field(std::string_view value, std::size_t from, std::size_t count) {
  return SkinNumbers::StrToInt(SkinText::Columns(value, from, count), value);
}

std::int16_t Short(int v) { return static_cast<std::int16_t>(v); }

// Counts below 1 would divide by zero; such entries are sized as one frame.
int AtLeastOne(int v) { return v < 1 ? 1 : v; }

TRect RectangleColumns(std::string_view value) {
  return {Field(value, 2, 4), Field(value, 7, 4), Field(value, 12, 4), Field(value, 17, 4)};
}

// Word `n` (1-based) of the list, or empty when there are fewer words.
std::string_view Word(const std::vector<std::string>& words, std::size_t n) {
  return n <= words.size() ? std::string_view(words[n - 1]) : std::string_view{};
}

}  // namespace

TsMaskData TacMaskNotation::ParseGlyph(std::string_view value) {
  TsMaskData m;
  m.ImgType = itisaGlyph;
  m.R = RectangleColumns(value);
  m.ImageCount = Short(Field(value, 22, 1));
  m.MaskType = Short(Field(value, 24, 1));
  return m;
}

TsMaskData TacMaskNotation::ParseBorder(std::string_view value) {
  TsMaskData m;
  m.ImgType = itisaBorder;
  m.R = RectangleColumns(value);
  m.WL = Short(Field(value, 22, 4));
  m.WT = Short(Field(value, 27, 4));
  m.WR = Short(Field(value, 32, 4));
  m.WB = Short(Field(value, 37, 4));
  m.ImageCount = Short(Field(value, 42, 1));
  m.MaskType = Short(Field(value, 44, 1));
  m.StretchMode = Short(Field(value, 46, 1));
  m.BorderWidth = Short(Field(value, 48, 1));
  ApplyDefaultWidths(m);
  return m;
}

TsMaskData TacMaskNotation::ParseTexture(std::string_view value) {
  TsMaskData m;
  m.ImgType = itisaTexture;
  m.R = RectangleColumns(value);
  m.ImageCount = 1;
  m.StretchMode = Short(Field(value, 22, 2));
  m.MaskType = value.size() >= 25 ? Short(Field(value, 25, 1)) : 0;
  return m;
}

TsMaskData TacMaskNotation::ParseOldNotation(std::string_view value) {
  const std::vector<std::string> words = SkinText::Split(value, " ()", false);
  const std::vector<std::string> rect = SkinText::Split(Word(words, 2), " ,", false);
  const std::vector<std::string> params = SkinText::Split(Word(words, 3), " ,", false);
  TsMaskData m;
  m.ImgType = itisaBorder;
  m.R = {SkinNumbers::StrToInt(Word(rect, 1), value), SkinNumbers::StrToInt(Word(rect, 2), value),
         SkinNumbers::StrToInt(Word(rect, 3), value), SkinNumbers::StrToInt(Word(rect, 4), value)};
  const int count = SkinNumbers::StrToInt(Word(params, 1), value);
  m.ImageCount = Short(count < 1 ? 1 : count);
  const int rows = SkinNumbers::StrToInt(Word(params, 2), value);
  m.MaskType = Short(rows < 0 ? 0 : rows);
  const int border = params.size() >= 3 ? SkinNumbers::StrToInt(Word(params, 3), value) : 0;
  m.BorderWidth = Short(border < 0 ? 0 : border);
  m.StretchMode = Short(params.size() >= 4 ? SkinNumbers::StrToInt(Word(params, 4), value) : 1);
  ApplyDefaultWidths(m);
  return m;
}

void TacMaskNotation::ApplyDefaultWidths(TsMaskData& m) {
  if (m.WL + m.WT + m.WR + m.WB != 0) return;
  if (m.BorderWidth != 0) {
    m.WL = m.WT = m.WR = m.WB = m.BorderWidth;
    return;
  }
  m.WL = m.WR = Short(m.R.Width() / (AtLeastOne(m.ImageCount) * 3));
  m.WT = m.WB = Short(m.R.Height() / (AtLeastOne(m.MaskType + 1) * 3));
}

std::string TacMaskNotation::OwnBitmapFileName(std::string_view value) {
  const std::vector<std::string> words = SkinText::Split(value, "!", false);
  const std::string_view name = Word(words, 1);
  return SkinText::Contains(name, ".BMP") ? std::string(name) : std::string();
}

std::optional<TacMaskNotation::OwnBitmapEntry> TacMaskNotation::ParseOwnBitmap(std::string_view value) {
  const std::vector<std::string> words = SkinText::Split(value, "!", false);
  OwnBitmapEntry e;
  e.FileName = std::string(Word(words, 1));
  e.ImageCount = Short(SkinNumbers::StrToInt(Word(words, 2), value));
  e.MaskType = Short(SkinNumbers::StrToInt(Word(words, 3), value));
  const int type = SkinNumbers::StrToInt(Word(words, 4), value);
  if (type < itisaBorder || type > itisaGlyph) return std::nullopt;
  e.ImgType = static_cast<TacImgType>(type);
  e.HasWidths = words.size() >= 5;
  if (e.HasWidths) {
    e.WL = Short(SkinNumbers::StrToInt(Word(words, 5), value));
    e.WT = Short(SkinNumbers::StrToInt(Word(words, 6), value));
    e.WR = Short(SkinNumbers::StrToInt(Word(words, 7), value));
    e.WB = Short(SkinNumbers::StrToInt(Word(words, 8), value));
  }
  return e;
}
