#include "controls/TsEdit.h"

#include "adapters/WindowFrame.h"
#include "framework/FrameworkMessages.h"
#include "framework/graphics/TBitmap.h"
#include "framework/streaming/TClassInfo.h"
#include "paint/primitives/DisabledLook.h"
#include "platform/controls/ControlMessages.h"
#include "platform/controls/TextCase.h"
#include "platform/graphics/BlockTransfer.h"
#include "platform/graphics/TextDrawing.h"
#include "platform/windowing/WinUser.h"
#include "skin/CacheToScreen.h"
#include "skin/ControlSkinPainting.h"
#include "skin/SharedBackground.h"
#include "skin/SkinCommandMessage.h"
#include "skin/SkinCommands.h"
#include "skin/TsBackgroundRequest.h"

const TClassInfo& TsEdit::StaticClassInfo() {
  static const TClassInfo info("TsEdit", &TEdit::StaticClassInfo(), [](TClassInfo& c) {
    c.SetFactory(ComponentFactory<TsEdit>());
    TPropertyBuilder<TsEdit>(c)
        .Set("DisabledKind", DisabledKindNames(), &TsEdit::DisabledKind, &TsEdit::SetDisabledKind)
        .Object("SkinData", [](TsEdit& e) { return &e.SkinData(); })
        .Object("BoundLabel", [](TsEdit& e) { return &e.BoundLabel(); });
  });
  return info;
}

TsEdit::~TsEdit() { boundLabel_.Release(); }

void TsEdit::Loaded() {
  TEdit::Loaded();
  skinData_.Loaded();
  boundLabel_.Follow(*this);
}

bool TsEdit::Skinned() const {
  return HandleAllocated() && !IsLoading() && !IsDestroying() && skinData_.Skinned();
}

int TsEdit::BorderWidth() const {
  if (!HandleAllocated()) return 0;
  POINT offset{};
  GetClientOffset(const_cast<TsEdit*>(this)->Handle(), &offset);
  return std::max(0, static_cast<int>(offset.X));
}

void TsEdit::ApplyStateColors() {
  const TsGeneralData* section = skinData_.Section();
  if (!section) return;
  const bool hot = Hot();
  const TColor color = hot ? section->HotColor : section->Color;
  const TColor font = static_cast<TColor>(hot ? section->HotFontColor[0] : section->FontColor[0]);
  if (!skinData_.CustomColor() && Color() != color) SetColor(color);
  if (!skinData_.CustomFont() && Font().Color() != font) Font().SetColor(font);
}

void TsEdit::PaintCache() {
  TBitmap& cache = skinData_.PrepareCache();
  const int w = cache.Width(), h = cache.Height();
  if (w <= 0 || h <= 0) return;
  TsBackgroundRequest background;
  AskForBackground(background, Parent(), false);
  const TCacheInfo ci = CacheInfoFromRequest(background);
  const TPoint position = Point(Left(), Top());
  const bool hot = Hot() && Enabled();
  PaintSkinItem(skinData_, ci, true, false, &cache.Pixels(), position, Rect(0, 0, w, h), hot ? 1 : 0);
  // The text where the platform edit puts it, inside the frame.
  const int a = BorderWidth();
  const TRect r = Rect(a + 1, a + 1, w - a, h - a);
  std::string text = CurrentText();
  if (HandleAllocated()) {
    const auto password = static_cast<char32_t>(SendMessage(Handle(), EM_GETPASSWORDCHAR, 0, 0));
    if (password) {
      std::string masked;
      const std::string mark = TextCase::encode(password);
      for (std::size_t i = 0; i < text.size(); ++i)
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) masked += mark;
      text = masked;
    }
  }
  TCanvas& canvas = cache.Canvas();
  canvas.Font.Assign(Font());
  HDC dc = canvas.Handle();
  SelectObject(dc, CreateFontIndirect(canvas.Font.ToLogFont()));
  WriteSkinText(dc, text, Enabled(), hot, skinData_, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_LEFT, r);
  if (!Enabled()) {
    int flags = 0;
    if (disabledKind_ & dkGrayed) flags |= dlGray;
    if (disabledKind_ & dkBlended) flags |= dlBlendWithParent;
    PaintDisabledLook(cache.Pixels(), flags, position, ci, ::ParentColor(Parent()));
  }
  builtHot_ = Hot();
  builtEnabled_ = Enabled();
  builtText_ = CurrentText();
  skinData_.CacheRebuilt();
}

void TsEdit::RefreshCache() {
  TBitmap* cache = skinData_.CacheBmp();
  if (skinData_.BackgroundChanged() || !cache || cache->Width() != Width() || cache->Height() != Height() ||
      builtHot_ != Hot() || builtEnabled_ != Enabled() || builtText_ != CurrentText())
    PaintCache();
  // The corners show what the parent shows now.
  if (skinData_.CacheBmp()) UpdateCorners(skinData_, 0);
}

void TsEdit::PaintFrame(HDC dc) {
  if (skinData_.Updating() || !dc) return;
  RefreshCache();
  TBitmap* cache = skinData_.CacheBmp();
  if (!cache || cache->Width() <= 0 || cache->Height() <= 0) return;
  const int w = cache->Width(), h = cache->Height();
  const int e = std::min(BorderWidth(), std::min(w, h) / 2);
  if (e <= 0) return;
  HDC source = cache->Canvas().Handle();
  BitBlt(dc, 0, 0, w, e, source, 0, 0, SRCCOPY);
  BitBlt(dc, 0, h - e, w, e, source, 0, h - e, SRCCOPY);
  BitBlt(dc, 0, e, e, h - 2 * e, source, 0, e, SRCCOPY);
  BitBlt(dc, w - e, e, e, h - 2 * e, source, w - e, e, SRCCOPY);
}

void TsEdit::PaintDisabledClient(HDC dc) {
  if (skinData_.Updating()) return;
  RefreshCache();
  TBitmap* cache = skinData_.CacheBmp();
  if (!cache || !dc) return;
  const int a = BorderWidth();
  BitBlt(dc, 0, 0, ClientWidth(), ClientHeight(), cache->Canvas().Handle(), a, a, SRCCOPY);
}

void TsEdit::Print(HDC dc) {
  if (!dc) return;
  const int saved = SaveDC(dc);
  PaintFrame(dc);
  const int a = BorderWidth();
  OffsetViewportOrgEx(dc, a, a);
  IntersectClipRect(dc, 0, 0, ClientWidth(), ClientHeight());
  if (Enabled()) {
    ApplyStateColors();
    SendMessage(Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
  } else {
    PaintDisabledClient(dc);
  }
  RestoreDC(dc, saved);
}

void TsEdit::RedrawFrame() {
  if (HandleAllocated() && IsWindowVisible(Handle())) RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME);
}

bool TsEdit::HandleSkinCommand(TMessage& message) {
  switch (SkinCommandOf(message.WParam)) {
    case SKC_SKIN_LOADED:
    case SKC_SKIN_CHANGED:
    case SKC_SKIN_REMOVED:
      if (!skinData_.FromOwnManager(message)) return true;
      skinData_.ProcessMessage(message);
      if (HandleAllocated()) ChangeFrame(Handle());
      Invalidate();
      return true;
    case SKC_CHILD_REPAINT:
      if (skinData_.ResumeHeldPainting()) RedrawFrame();
      return true;
    case SKC_GET_COLOR:
      if (skinData_.Skinned()) return false;
      message.Result = static_cast<LRESULT>(ColorToRGB(Color()));
      return true;
    case SKC_QUERY_TRANSPARENT: message.Result = 0; return true;
    default: return false;
  }
}

void TsEdit::WndProc(TMessage& message) {
  OwnWndProc(message);
  if (MovesBoundLabel(message.Msg)) boundLabel_.Follow(*this);
}

void TsEdit::OwnWndProc(TMessage& message) {
  if (RouteSkinCommand(message, [this](TMessage& command) { return HandleSkinCommand(command); })) return;
  if (!Skinned()) {
    TEdit::WndProc(message);
    return;
  }
  switch (message.Msg) {
    case WM_NCPAINT:
      PaintOnWindowDC(Handle(), [this](HDC dc) { PaintFrame(dc); });
      message.Result = 0;
      return;
    case WM_PRINT:
      Print(reinterpret_cast<HDC>(message.WParam));
      return;
    case WM_PAINT:
      if (!Enabled() && !message.WParam) {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(Handle(), &ps);
        PaintDisabledClient(dc);
        EndPaint(Handle(), &ps);
        return;
      }
      ApplyStateColors();
      break;
    case WM_ERASEBKGND:
      if (!Enabled()) {
        message.Result = 1;
        return;
      }
      break;
    default: break;
  }
  if (skinData_.ProcessMessage(message)) return;
  TEdit::WndProc(message);
  switch (message.Msg) {
    // The frame shows the field's state: hot, focused, its text, its size.
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
    case CM_ENABLEDCHANGED:
      skinData_.MarkCacheStale();
      if (HandleAllocated()) {
        ApplyStateColors();
        RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ERASE);
      }
      break;
    case WM_SIZE:
    case CM_TEXTCHANGED:
    case CM_FONTCHANGED:
    case CM_VISIBLECHANGED:
      skinData_.MarkCacheStale();
      RedrawFrame();
      break;
    default: break;
  }
}
