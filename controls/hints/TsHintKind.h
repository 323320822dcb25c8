#pragma once
// How the hint manager's windows look: shape, margins, background,
// edge and shadow. A settings record the hint windows read; the manager's
// presets fill it after loading.
#include <functional>
#include <string>

#include "framework/TPersistent.h"
#include "framework/graphics/TFont.h"
#include "framework/graphics/TPicture.h"
#include "platform/Color.h"

enum TsHintStyle { hsSimply, hsComics, hsEllipse, hsBalloon, hsStandard, hsNone };
// Which corner of the hint window sits at the hint point.
enum TsMousePosition { mpLeftTop, mpLeftBottom, mpRightTop, mpRightBottom };

class TsHintKind : public TPersistent {
 public:
  TRAINER_CLASS_INFO()

  // The window shape; the manager hears every change at once, because the
  // shape decides which window class shows the hints.
  TsHintStyle Style() const { return style_; }
  void SetStyle(TsHintStyle value);
  std::function<void()> OnStyleChange;

  int Radius = 20;            // corner ellipse of the comics body
  int BevelWidth = 1;         // edge width; 0 draws no edge
  int Blur = 0;
  int ExOffset = 32;          // height kept for the tail
  std::string GradientData;   // the engine's gradient notation
  TPicture Texture;           // tiled under the gradient share
  std::string TextureFile;
  int GradientPercent = 0;
  int TexturePercent = 0;
  int Bevel = 0;
  TColor Color = clInfoBk;
  TColor ColorBorderTop = clBlack;
  TColor ColorBorderBottom = clBlack;
  int Transparency = 0;       // percent
  int ShadowBlur = 0;         // pixels
  int ShadowOffset = 0;       // pixels
  int ShadowTransparency = 0; // percent
  TColor ShadowColor = clBlack;
  bool ShadowEnabled = false;
  int MarginH = 15;
  int MarginV = 10;
  int MaxWidth = 200;         // wrap width of the text
  TFont Font;

 private:
  TsHintStyle style_ = hsEllipse;
};
