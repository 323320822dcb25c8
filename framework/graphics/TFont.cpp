#include "framework/graphics/TFont.h"

#include "framework/streaming/TClassInfo.h"
#include "framework/streaming/TPropertyBuilder.h"

const TClassInfo& TFont::StaticClassInfo() {
  static const TClassInfo info("TFont", &TGraphicsObject::StaticClassInfo(), [](TClassInfo& c) {
    TPropertyBuilder<TFont>(c)
        .Integer("Charset", &TFont::Charset, &TFont::SetCharset)
        .Color("Color", &TFont::Color, &TFont::SetColor)
        .Integer("Height", &TFont::Height, &TFont::SetHeight)
        .String("Name", &TFont::Name, &TFont::SetName)
        .Enumeration("Pitch", {"fpDefault", "fpVariable", "fpFixed"}, &TFont::Pitch, &TFont::SetPitch)
        .Integer("Size", &TFont::Size, &TFont::SetSize)
        .Set("Style", {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"}, &TFont::Style, &TFont::SetStyle);
  });
  return info;
}

void TFont::SetName(const std::string& name) {
  if (name == name_ || name.empty()) return;
  name_ = name;
  Changed();
}

void TFont::SetHeight(int height) {
  if (height == height_) return;
  height_ = height;
  Changed();
}

// Points and pixels at 96 dots per inch, rounded half away from zero.
int TFont::Size() const { return -(height_ * 72 + (height_ < 0 ? -48 : 48)) / 96; }

void TFont::SetSize(int points) { SetHeight(-(points * 96 + (points < 0 ? -36 : 36)) / 72); }

void TFont::SetColor(TColor color) {
  if (color == color_) return;
  color_ = color;
  Changed();
}

void TFont::SetStyle(TFontStyles style) {
  if (style == style_) return;
  style_ = style;
  Changed();
}

void TFont::SetCharset(int charset) {
  if (charset == charset_) return;
  charset_ = charset;
  Changed();
}

void TFont::SetPitch(TFontPitch pitch) {
  if (pitch == pitch_) return;
  pitch_ = pitch;
  Changed();
}

LogFont TFont::ToLogFont() const {
  LogFont f;
  f.lfHeight = height_;
  f.lfWeight = (style_ & fsBold) ? FW_BOLD : FW_NORMAL;
  f.lfItalic = (style_ & fsItalic) != 0;
  f.lfUnderline = (style_ & fsUnderline) != 0;
  f.lfStrikeOut = (style_ & fsStrikeOut) != 0;
  f.lfFaceName = name_;
  return f;
}

void TFont::CopyFrom(const TFont& other) {
  name_ = other.name_;
  height_ = other.height_;
  color_ = other.color_;
  style_ = other.style_;
  charset_ = other.charset_;
  pitch_ = other.pitch_;
}

void TFont::Assign(const TPersistent& source) {
  if (auto* other = dynamic_cast<const TFont*>(&source)) {
    if (*this == *other) return;
    CopyFrom(*other);
    Changed();
    return;
  }
  TGraphicsObject::Assign(source);
}

bool TFont::operator==(const TFont& other) const {
  return name_ == other.name_ && height_ == other.height_ && color_ == other.color_ && style_ == other.style_ &&
         charset_ == other.charset_ && pitch_ == other.pitch_;
}
