#pragma once
// A windowless gauge: how far Progress has come between MinValue and
// MaxValue, as a horizontal or vertical bar, a pie, a needle or the bare
// percentage. The jugs of the first task window are vertical gauges. With an
// active skin it is painted from its section (TsGaugeSkinPainter), else in
// the plain look (TsGaugePlainPainter).
#include <string>

#include "skin/TsCommonData.h"
#include "framework/Events.h"
#include "framework/TCustomForm.h"
#include "framework/TGraphicControl.h"

enum TsGaugeKind { gkText, gkHorizontalBar, gkVerticalBar, gkPie, gkNeedle };
// Only bsNone and bsSingle apply to a gauge.
using TBorderStyle = TFormBorderStyle;

class TsGauge : public TGraphicControl {
 public:
  TRAINER_CLASS_INFO()

  static constexpr int kControlKind = 161;

  explicit TsGauge(TComponent* owner);

  TsGaugeKind Kind() const { return kind_; }
  void SetKind(TsGaugeKind kind);
  int MinValue() const { return minValue_; }
  // Throws EInvalidOperation for a value above MaxValue, except while loading.
  void SetMinValue(int value);
  int MaxValue() const { return maxValue_; }
  // Throws EInvalidOperation for a value below MinValue, except while loading.
  void SetMaxValue(int value);
  int Progress() const { return progress_; }
  // Clamped into MinValue..MaxValue; OnChange fires after a real change.
  void SetProgress(int value);
  bool ShowText() const { return showText_; }
  void SetShowText(bool value);
  const std::string& Suffix() const { return suffix_; }
  void SetSuffix(const std::string& value);
  TColor ForeColor() const { return foreColor_; }
  void SetForeColor(TColor value);
  TColor BackColor() const { return backColor_; }
  void SetBackColor(TColor value);
  TBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TBorderStyle value);
  const std::string& ProgressSkin() const { return progressSkin_; }
  void SetProgressSkin(const std::string& value);
  TsCommonData& SkinData() { return skinData_; }

  // A gauge paints every pixel it covers.
  bool Opaque() const override { return true; }
  void Loaded() override;

  // Whole percent of the range covered, 0 for an empty range.
  int PercentDone() const;
  // Pixels of an extent of `size` that the bar fills at the current percentage.
  int FillLength(int size) const;

  TNotifyEvent OnChange;

 protected:
  void Paint() override;
  void WndProc(TMessage& message) override;

 private:
  void Changed();
  bool HandleSkinCommand(TMessage& message);
  void PaintSkinned();

  TsGaugeKind kind_ = gkHorizontalBar;
  int minValue_ = 0;
  int maxValue_ = 100;
  int progress_ = 47;
  bool showText_ = true;
  std::string suffix_ = "%";
  TColor foreColor_ = clBlack;
  TColor backColor_ = clWhite;
  TBorderStyle borderStyle_ = bsSingle;
  std::string progressSkin_;
  TsCommonData skinData_{this, false, kControlKind};
};
