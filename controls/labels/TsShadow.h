#pragma once
// The shadow settings of a TsLabelFX: whether it has one and whose settings
// apply, its colour, how many blur passes and how far right and down it
// lies. Every change repaints the owning label.
#include <cstdint>
#include <functional>

#include "framework/TPersistent.h"
#include "platform/Color.h"

enum TsShadowMode { smNone, smCustom, smSkin1 };

class TsShadow : public TPersistent {
 public:
  TRAINER_CLASS_INFO()

  // `changed` is called after every real change.
  explicit TsShadow(std::function<void()> changed);

  TsShadowMode Mode() const { return mode_; }
  void SetMode(TsShadowMode mode);
  TColor Color() const { return color_; }
  void SetColor(TColor color);
  int BlurCount() const { return blurCount_; }
  void SetBlurCount(int count);
  int Distance() const { return distance_; }
  void SetDistance(int distance);

  // The colour's channels, kept beside it for the blending loops.
  std::uint8_t Red() const { return red_; }
  std::uint8_t Green() const { return green_; }
  std::uint8_t Blue() const { return blue_; }
  // The channels of another colour (the skin's shadow), Color unchanged.
  void SetChannelsFrom(TColor color);

 private:
  void Changed();

  std::function<void()> changed_;
  TsShadowMode mode_ = smSkin1;
  TColor color_ = clBlack;
  int blurCount_ = 4;
  int distance_ = 1;
  std::uint8_t red_ = 0;
  std::uint8_t green_ = 0;
  std::uint8_t blue_ = 0;
};
