#pragma once
// How the hint manager's windows look: shape, margins, background,
// edge and shadow. A settings record the hint windows read; the manager's
// presets fill it after loading.
#include <string>

#include "framework/TFont.h"
#include "framework/TPersistent.h"
#include "platform/Color.h"

enum TsHintStyle { hsSimply, hsComics, hsEllipse, hsBalloon, hsStandard, hsNone };

class TsHintKind : public TPersistent {
 public:
  TRAINER_CLASS_INFO()

  TsHintStyle Style = hsEllipse;
  int Radius = 20;            // corner ellipse of the comics body
  int BevelWidth = 1;         // edge width; 0 draws no edge
  int Blur = 0;
  int ExOffset = 32;          // height kept for the tail
  std::string GradientData;   // the engine's gradient notation
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
};
