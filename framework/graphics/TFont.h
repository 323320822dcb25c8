#pragma once
// A font description as controls publish it: face name, character height,
// colour and style. Height follows the classic rule (negative = character
// height in pixels); Size is the same in points at 96 dots per inch.
#include <cstdint>
#include <string>

#include "framework/graphics/TGraphicsObject.h"
#include "platform/Color.h"
#include "platform/graphics/LogFont.h"

enum TFontStyle : std::uint32_t { fsBold = 1u << 0, fsItalic = 1u << 1, fsUnderline = 1u << 2, fsStrikeOut = 1u << 3 };
using TFontStyles = std::uint32_t;

enum TFontPitch { fpDefault, fpVariable, fpFixed };

class TFont : public TGraphicsObject {
 public:
  TRAINER_CLASS_INFO()

  TFont() = default;
  TFont(const TFont& other) : TGraphicsObject() { CopyFrom(other); }
  TFont& operator=(const TFont& other) {
    Assign(other);
    return *this;
  }

  const std::string& Name() const { return name_; }
  void SetName(const std::string& name);
  int Height() const { return height_; }
  void SetHeight(int height);
  int Size() const;
  void SetSize(int points);
  TColor Color() const { return color_; }
  void SetColor(TColor color);
  TFontStyles Style() const { return style_; }
  void SetStyle(TFontStyles style);
  int Charset() const { return charset_; }
  void SetCharset(int charset);
  TFontPitch Pitch() const { return pitch_; }
  void SetPitch(TFontPitch pitch);

  // The request for the drawing layer (the colour is not part of it).
  LogFont ToLogFont() const;
  void Assign(const TPersistent& source) override;
  bool operator==(const TFont& other) const;

 private:
  void CopyFrom(const TFont& other);

  std::string name_ = "MS Sans Serif";
  int height_ = -11;
  TColor color_ = clWindowText;
  TFontStyles style_ = 0;
  int charset_ = 1;  // DEFAULT_CHARSET
  TFontPitch pitch_ = fpDefault;
};
