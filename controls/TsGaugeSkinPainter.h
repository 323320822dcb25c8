#pragma once
// The gauge's skinned look, painted into its skin state's cache: its own
// section over what lies under it, the filled part of a bar from the
// "PROGRESSH" / "PROGRESSV" section (or ProgressSkin), a pie or needle, the
// percentage in the section's font colours, and the corners repaired over
// the parent.
class TsGauge;
class TsCommonData;
class TCanvas;

class TsGaugeSkinPainter {
 public:
  TsGaugeSkinPainter(const TsGauge& gauge, TsCommonData& skinData) : gauge_(gauge), skinData_(skinData) {}

  // Fills the cache (made to the gauge's size) with the finished picture.
  void PaintCache() const;

 private:
  void DrawBar() const;
  void DrawPie(TCanvas& canvas) const;
  void DrawNeedle(TCanvas& canvas) const;
  void DrawText(TCanvas& canvas) const;

  const TsGauge& gauge_;
  TsCommonData& skinData_;
};
