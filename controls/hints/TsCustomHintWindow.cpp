#include "controls/hints/TsCustomHintWindow.h"

#include <algorithm>
#include <array>

#include "controls/hints/TacHintMarkup.h"
#include "controls/hints/TacHintPixels.h"
#include "controls/hints/TsHintManager.h"
#include "framework/controls/MessageForm.h"
#include "framework/graphics/TBitmap.h"
#include "framework/streaming/TClassInfo.h"
#include "paint/GradientPainter.h"
#include "paint/SkinItemPainter.h"
#include "paint/primitives/BlendPrimitives.h"
#include "paint/primitives/FillPrimitives.h"
#include "platform/graphics/Gdi.h"
#include "platform/windowing/DesktopCapture.h"
#include "platform/windowing/DwmApi.h"
#include "platform/windowing/MultimediaTimerApi.h"
#include "platform/windowing/WinUser.h"
#include "skin/TsSkinManager.h"
#include "skin/load/TacGradientText.h"

namespace {
constexpr unsigned kTextFormat = DT_CENTER | DT_WORDBREAK | DT_NOPREFIX;
// Room around the text inside a skin section's border: the width and the
// height each grow by 8, the text lying in the middle of it.
constexpr int kSkinRoom = 8;
}  // namespace

const TClassInfo& TsCustomHintWindow::StaticClassInfo() {
  static const TClassInfo info("TsCustomHintWindow", &THintWindow::StaticClassInfo());
  return info;
}

TsCustomHintWindow::TsCustomHintWindow(TComponent* owner, TsHintManager* manager)
    : THintWindow(owner), manager_(manager) {}

TsCustomHintWindow::~TsCustomHintWindow() { StopFade(); }

void TsCustomHintWindow::StopFade() {
  if (fadeTimer_) timeKillEvent(fadeTimer_);
  fadeTimer_ = 0;
}

void TsCustomHintWindow::CreateParams(TCreateParams& params) {
  THintWindow::CreateParams(params);
  // The picture carries its own edge; the window is only the bubble.
  params.Style = WS_POPUP;
  params.ExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE | WS_EX_LAYERED;
}

const TsHintKind& TsCustomHintWindow::Kind() const { return manager_->HintKind(); }

int TsCustomHintWindow::SkinIndex() const {
  if (!manager_->Active() || !manager_->UseSkinData()) return -1;
  const TsSkinManager* skins = TsSkinManager::DefaultManager();
  if (!skins || !skins->Active()) return -1;
  const TsSkinContent& content = skins->Content();
  const int index = content.GetSkinIndex(manager_->SkinSection());
  return index >= 0 ? index : content.GetSkinIndex("EDIT");
}

int TsCustomHintWindow::ShownTransparency() const {
  const int index = SkinIndex();
  if (index < 0) return Kind().Transparency;
  return TsSkinManager::DefaultManager()->Content().Sections[static_cast<std::size_t>(index)].Transparency;
}

bool TsCustomHintWindow::ShadowOn() const { return Kind().ShadowEnabled && SkinIndex() < 0; }

bool TsCustomHintWindow::Fading() const { return fadeTimer_ != 0; }

// ---- measuring

TsHintMeasure TsCustomHintWindow::Measure(const std::string& text) {
  const TsHintKind& k = Kind();
  const int skinIndex = SkinIndex();
  TCanvas& canvas = manager_->WorkBitmap().Canvas();
  if (skinIndex >= 0)
    canvas.Font.Assign(TFont());
  else
    canvas.Font.Assign(k.Font);

  TsHintMeasure m;
  TRect r = Rect(0, 0, k.MaxWidth, 0);
  if (manager_->HTMLMode())
    r = TacHintMarkup::Measure(canvas, text, k.MaxWidth);
  else
    canvas.DrawText(text, r, kTextFormat | DT_CALCRECT);
  m.Text = {std::max(r.Width(), MinTextWidth()), r.Height()};

  TSize size = m.Text;
  if (skinIndex >= 0) {
    const TsSkinContent& content = TsSkinManager::DefaultManager()->Content();
    const int mask = content.GetMaskIndex(skinIndex, content.Sections[skinIndex].SectionName, "BORDERSMASK");
    size.cx += content.MaskWidthLeft(mask) + content.MaskWidthRight(mask) + kSkinRoom;
    size.cy += content.MaskWidthTop(mask) + content.MaskWidthBottom(mask) + kSkinRoom;
    m.Size = size;
    return m;
  }
  size.cx += (k.MarginH + k.BevelWidth) * 2;
  size.cy += (k.MarginV + k.BevelWidth) * 2;
  if (ShadowOn()) {
    size.cx += k.ShadowOffset;
    size.cy += k.ShadowOffset;
  }
  AddShapeRoom(size, m.Growth);
  m.Size = size;
  return m;
}

TRect TsCustomHintWindow::CalcHintRect(int, const std::string& text) {
  measure_ = Measure(text);
  return Rect(0, 0, measure_.Size.cx, measure_.Size.cy);
}

// ---- placing and layout

TPoint TsCustomHintWindow::HintPoint() const {
  const TPoint stored = manager_->HintPoint();
  if (stored.X != -1 || stored.Y != -1) return stored;
  POINT cursor{};
  GetCursorPos(&cursor);
  return {cursor.X, cursor.Y};
}

TRect TsCustomHintWindow::BodyRect(TSize size, int shadow, TsMousePosition corner) const {
  return HintBodyRect(size, shadow, SkinIndex() >= 0 ? 0 : Kind().ExOffset, corner);
}

TsHintLayout TsCustomHintWindow::Layout(const TsHintMeasure& measure, TPoint point) const {
  TsHintLayout l;
  l.Size = measure.Size;
  l.Growth = measure.Growth;
  const SIZE screen{GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  l.Placement = PlaceHintWindow(point, l.Size, manager_->DefaultMousePos(), Rect(0, 0, screen.cx, screen.cy));
  l.Shadow = ShadowOn() ? Kind().ShadowOffset : 0;
  l.Body = BodyRect(l.Size, l.Shadow, l.Placement.Corner);
  l.Tip = HintTailTip(l.Size, l.Placement.Corner);
  return l;
}

// ---- pictures

void TsCustomHintWindow::PaintTailTriangle(DeviceContext& dc, const TsHintLayout& layout, TPoint offset,
                                           int shrink) const {
  const TRect& b = layout.Body;
  const int cx = (b.Left + b.Right) / 2 + offset.X;
  const int cy = (b.Top + b.Bottom) / 2 + offset.Y;
  const int q = std::max(0, b.Width() / 8 - shrink);
  const std::array<TPoint, 3> triangle{TPoint{layout.Tip.X + offset.X, layout.Tip.Y + offset.Y},
                                       TPoint{cx - q, cy}, TPoint{cx + q, cy}};
  Polygon(&dc, triangle);
}

void TsCustomHintWindow::PaintFrame(Bitmap& picture, const Bitmap& mask, const TsHintLayout&) const {
  const TsHintKind& k = Kind();
  if (k.BevelWidth > 0) TacHintPixels::PaintEdge(picture, mask, k.ColorBorderTop, k.ColorBorderBottom);
}

void TsCustomHintWindow::PaintBackground(Bitmap& picture, const TRect& body) const {
  const TsHintKind& k = Kind();
  TsGradArray gradient;
  int gradientPercent = k.GradientPercent;
  if (gradientPercent > 0) {
    gradient = TacGradientText::Parse(k.GradientData);
    if (gradient.empty()) gradientPercent = 0;
  }
  const bool textured = k.TexturePercent >= 1 && k.Texture.Width() > 0 && k.Texture.Height() > 0;
  if (!textured) {
    FillBitmapRect(picture, body, k.Color);
    if (gradientPercent > 0) PaintGrad(picture, body, gradient);
  } else {
    TBitmap tile(k.Texture.Width(), k.Texture.Height());
    tile.Canvas().Draw(0, 0, *k.Texture.Graphic());
    for (int y = body.Top; y < body.Bottom; y += tile.Height())
      for (int x = body.Left; x < body.Right; x += tile.Width())
        CopyBitmapRect(picture, {x, y}, tile.Pixels(),
                       Rect(0, 0, std::min(tile.Width(), body.Right - x), std::min(tile.Height(), body.Bottom - y)));
    if (gradientPercent > 0) {
      Bitmap layer(body.Width(), body.Height());
      PaintGrad(layer, Rect(0, 0, layer.width(), layer.height()), gradient);
      SumBitmapRect(picture, layer, static_cast<std::uint8_t>(std::min(255, k.TexturePercent * 256 / 100)),
                    body.TopLeft(), Rect(0, 0, layer.width(), layer.height()));
    }
  }
  const int shares = gradientPercent + (textured ? k.TexturePercent : 0);
  if (shares == 0)
    FillBitmapRect(picture, body, k.Color);
  else if (shares < 100)
    BlendColorRect(picture, Rect(body.Left, body.Top, body.Right - 1, body.Bottom - 1),
                   static_cast<std::uint8_t>(shares), k.Color);
}

void TsCustomHintWindow::PaintSkinBody(Bitmap& picture, const TRect& body, int skinIndex) const {
  const TsSkinContent& content = TsSkinManager::DefaultManager()->Content();
  TCacheInfo ci;
  ci.FillColor = content.Sections[skinIndex].Color;
  PaintItem(skinIndex, content.Sections[skinIndex].SectionName, ci, -1, -1, &content, &picture, {0, 0}, body, 0, true);
}

void TsCustomHintWindow::PaintText(Bitmap& picture, const TsHintLayout& layout, const std::string& text) const {
  const TsHintKind& k = Kind();
  const int skinIndex = SkinIndex();
  TRect r = layout.Body;
  if (skinIndex >= 0) {
    const TsSkinContent& content = TsSkinManager::DefaultManager()->Content();
    const int mask = content.GetMaskIndex(skinIndex, content.Sections[skinIndex].SectionName, "BORDERSMASK");
    const int inset = kSkinRoom / 2;
    r = Rect(r.Left + content.MaskWidthLeft(mask) + inset, r.Top + content.MaskWidthTop(mask) + inset,
             r.Right - content.MaskWidthRight(mask) - inset, r.Bottom - content.MaskWidthBottom(mask) - inset);
  } else {
    r = r.Inflate(-(k.MarginH + k.BevelWidth + layout.Growth.cx / 2), -(k.MarginV + k.BevelWidth + layout.Growth.cy / 2));
  }
  DeviceContext dc(picture);
  TCanvas canvas(&dc);
  if (skinIndex >= 0) {
    canvas.Font.Assign(TFont());
    canvas.Font.SetColor(ColorToRGB(TsSkinManager::DefaultManager()->Content().Sections[skinIndex].FontColor[0]));
  } else {
    canvas.Font.Assign(k.Font);
  }
  canvas.Brush.SetStyle(bsClear);
  if (manager_->HTMLMode())
    TacHintMarkup::Draw(canvas, text, r);
  else
    canvas.DrawText(text, r, kTextFormat);
}

Bitmap TsCustomHintWindow::ShadowMap(const TsHintLayout& layout) const {
  Bitmap map(layout.Size.cx, layout.Size.cy);
  map.fill(clWhite);
  if (!ShadowOn()) return map;
  const TsHintKind& k = Kind();
  const int blur = std::max(0, k.ShadowBlur);
  const int depth = TacHintPixels::ShadowDepth(k.ShadowTransparency, k.Transparency);
  // Each pass paints the shape one pixel smaller and darker over the last,
  // so the shadow deepens toward its middle.
  Bitmap layer = map;
  DeviceContext dc(layer);
  SelectObject(&dc, GetStockPen(NULL_PEN));
  const TPoint offset{k.ShadowOffset, k.ShadowOffset};
  for (int e = 0; e <= blur; ++e) {
    const int grey = TacHintPixels::ShadowGrey(blur, e, depth);
    SelectObject(&dc, CreateSolidBrush(RGB(grey, grey, grey)));
    PaintShape(dc, layout, offset, e);
  }
  TacHintPixels::MultiplyInto(map, layer);
  return map;
}

TsHintPictures TsCustomHintWindow::BuildPictures(const TsHintLayout& layout, const std::string& text) {
  TsHintPictures p;
  const TSize size = layout.Size;
  p.Mask = Bitmap(size.cx, size.cy);
  p.Mask.fill(clWhite);
  const int skinIndex = SkinIndex();
  {
    DeviceContext dc(p.Mask);
    SelectObject(&dc, GetStockPen(NULL_PEN));
    SelectObject(&dc, CreateSolidBrush(clBlack));
    if (skinIndex >= 0)
      FillBitmapRect(p.Mask, layout.Body, clBlack);
    else
      PaintShape(dc, layout, {0, 0}, 0);
  }
  p.Picture = Bitmap(size.cx, size.cy);
  if (skinIndex >= 0) {
    PaintSkinBody(p.Picture, layout.Body, skinIndex);
  } else {
    // The tail lies outside the body: it wears the bubble's colour.
    p.Picture.fill(Kind().Color);
    PaintBackground(p.Picture, layout.Body);
    PaintFrame(p.Picture, p.Mask, layout);
  }
  PaintText(p.Picture, layout, text);
  p.Shadow = ShadowMap(layout);
  p.Composed = TacHintPixels::Compose(p.Picture, p.Mask, p.Shadow);
  return p;
}

// ---- showing

void TsCustomHintWindow::ActivateHint(const TRect& rect, const std::string& text) {
  if (!manager_->Active() || Kind().Style() == hsNone) return;
  StopFade();
  if (measure_.Size.cx == 0 && measure_.Size.cy == 0) measure_ = Measure(text);
  // The window places itself at the hint point, whatever rect says.
  (void)rect;
  layout_ = Layout(measure_, HintPoint());
  measure_ = {};
  SetCaption(text);
  manager_->WorkBitmap().SetSize(layout_.Size.cx, layout_.Size.cy);
  TsHintPictures pictures = BuildPictures(layout_, text);
  ShowPictures(pictures);
}

void TsCustomHintWindow::ShowPictures(const TsHintPictures& pictures) {
  const TRect& r = layout_.Placement.Window;
  HWND hwnd = Handle();
  if (!hwnd) return;
  if (IsWindowVisible(hwnd)) ShowWindow(hwnd, SW_HIDE);
  const POINT pos{r.Left, r.Top};
  const SIZE size{r.Width(), r.Height()};
  BOOL composes = FALSE;
  DwmIsCompositionEnabled(&composes);
  if (composes) {
    const int target = TacHintPixels::FadeAlpha(ShownTransparency());
    const bool animated = manager_->Animated();
    UpdateLayeredWindow(hwnd, &pos, &size, &pictures.Composed, static_cast<BYTE>(animated ? 0 : target));
    SetWindowPos(hwnd, HWND_TOPMOST, r.Left, r.Top, r.Width(), r.Height(), SWP_NOACTIVATE | SWP_SHOWWINDOW);
    SetActive(true);
    if (animated) {
      fadeTarget_ = target;
      fadeStep_ = 0;
      // Steps of 8 ms are below the 10 ms floor of window timers.
      fadeTimer_ = timeSetEvent(kFadeIntervalMs, 1, [this](UINT) { FadeStep(); }, TIME_PERIODIC);
    }
    return;
  }
  // No desktop composes translucent windows: the bubble goes over a picture
  // of what lies beneath it, and the window keeps only bubble and shadow.
  const Bitmap beneath = CaptureDesktop(r);
  if (beneath.empty() || beneath.width() != size.cx || beneath.height() != size.cy) {
    ShowMessage(kCaptureError);
    return;
  }
  const Bitmap over = TacHintPixels::ComposeOverCapture(pictures.Picture, pictures.Mask, pictures.Shadow, beneath,
                                                        TacHintPixels::CaptureShowThrough(ShownTransparency()));
  UpdateLayeredWindow(hwnd, &pos, &size, &over, 255);
  SetWindowPos(hwnd, HWND_TOPMOST, r.Left, r.Top, r.Width(), r.Height(), SWP_NOACTIVATE | SWP_SHOWWINDOW);
  SetActive(true);
}

void TsCustomHintWindow::FadeStep() {
  if (!HandleAllocated()) {
    StopFade();
    return;
  }
  ++fadeStep_;
  const int alpha = fadeTarget_ * fadeStep_ / kFadeSteps;
  UpdateLayeredWindow(Handle(), nullptr, nullptr, nullptr, static_cast<BYTE>(alpha));
  if (fadeStep_ >= kFadeSteps) StopFade();
}

void TsCustomHintWindow::ReleaseHint() {
  StopFade();
  THintWindow::ReleaseHint();
}
