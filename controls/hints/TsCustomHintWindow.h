#pragma once
// The hint manager's drawn hint window. For every hint it measures the text,
// places itself against the hint point (flipping to stay on the desktop),
// lays out its bubble, paints the bubble's picture (background, one-pixel
// edge, text), a shape mask and a soft shadow map, composes them into one
// 32-bit picture and shows that as a per-pixel translucent top-most window
// that takes no activation, fading it in. Where the desktop does not compose
// translucent windows the picture is laid over a capture of the screen and
// the window keeps only the bubble and its shadow.
//
// The classes for each shape (simple rectangle, comics bubble, ellipse,
// balloon) only say how their body and shape are drawn.
#include <string>

#include "controls/hints/TsHintGeometry.h"
#include "controls/hints/TsHintKind.h"
#include "framework/THintWindow.h"
#include "platform/Bitmap.h"

class TsHintManager;
class DeviceContext;

// What measuring found: the window's size, the text block and the growth an
// ellipse needs around it.
struct TsHintMeasure {
  TSize Text;
  TSize Size;
  TSize Growth;
};

// One hint laid out in its window.
struct TsHintLayout {
  TsHintPlacement Placement;
  TSize Size;
  int Shadow = 0;  // the shadow's offset when the shadow is on, else 0
  TRect Body;
  TPoint Tip;
  TSize Growth;
};

// The pictures of one hint, all of the window's size.
struct TsHintPictures {
  Bitmap Picture;   // 24-bit: the bubble
  Bitmap Mask;      // 24-bit: black inside the shape, white outside
  Bitmap Shadow;    // 24-bit grey map: white = no shadow
  Bitmap Composed;  // 32-bit premultiplied
};

class TsCustomHintWindow : public THintWindow {
 public:
  TRAINER_CLASS_INFO()

  static constexpr int kFadeSteps = 31;
  static constexpr unsigned kFadeIntervalMs = 8;
  static constexpr const char* kCaptureError = "GDI error (out of resources)";

  TsCustomHintWindow(TComponent* owner, TsHintManager* manager);
  ~TsCustomHintWindow() override;

  TRect CalcHintRect(int maxWidth, const std::string& text) override;
  void ActivateHint(const TRect& rect, const std::string& text) override;
  void ReleaseHint() override;

  // The steps of showing, open for tests and measurements.
  TsHintMeasure Measure(const std::string& text);
  // The hint point the window is placed at: the manager's stored point, or
  // the cursor when none is stored.
  virtual TPoint HintPoint() const;
  TsHintLayout Layout(const TsHintMeasure& measure, TPoint point) const;
  TsHintPictures BuildPictures(const TsHintLayout& layout, const std::string& text);

  // The last hint shown (or being shown).
  const TsHintLayout& LastLayout() const { return layout_; }
  bool Fading() const;

 protected:
  const TsHintKind& Kind() const;
  TsHintManager* Manager() const { return manager_; }
  // The skin section's index when hints are drawn from the skin, else -1.
  int SkinIndex() const;
  // How much of what lies beneath shows through the bubble, in percent:
  // the skin section's transparency when hints wear it, else HintKind's.
  int ShownTransparency() const;

  // ---- what the shape classes say
  // Text blocks narrower than this are widened to it.
  virtual int MinTextWidth() const { return 0; }
  // Room the shape needs beyond text, margins, edge and shadow (the tail,
  // an ellipse's growth); `size` is the size so far.
  virtual void AddShapeRoom(TSize& size, TSize& growth) const { (void)size, (void)growth; }
  virtual TRect BodyRect(TSize size, int shadow, TsMousePosition corner) const;
  // Paints the shape with the context's brush, moved by `offset` and shrunk
  // by `shrink` on every side (the shadow's passes).
  virtual void PaintShape(DeviceContext& dc, const TsHintLayout& layout, TPoint offset, int shrink) const = 0;
  // The edge around the bubble; the default follows the shape mask.
  virtual void PaintFrame(Bitmap& picture, const Bitmap& mask, const TsHintLayout& layout) const;
  // The tail triangle of the comics, ellipse and balloon shapes.
  void PaintTailTriangle(DeviceContext& dc, const TsHintLayout& layout, TPoint offset, int shrink) const;

  void CreateParams(TCreateParams& params) override;
  void Paint() override {}

 private:
  void PaintBackground(Bitmap& picture, const TRect& body) const;
  void PaintSkinBody(Bitmap& picture, const TRect& body, int skinIndex) const;
  void PaintText(Bitmap& picture, const TsHintLayout& layout, const std::string& text) const;
  Bitmap ShadowMap(const TsHintLayout& layout) const;
  bool ShadowOn() const;
  void ShowPictures(const TsHintPictures& pictures);
  void FadeStep();
  void StopFade();

  TsHintManager* manager_;
  TsHintMeasure measure_;
  TsHintLayout layout_;
  unsigned fadeTimer_ = 0;
  int fadeStep_ = 0;
  int fadeTarget_ = 0;
};
