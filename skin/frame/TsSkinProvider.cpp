// The skinned frame's life with its form: taking over the form's message
// handler, the skin commands it answers, the window style it keeps while
// skinned, and the non-client messages it handles itself.
#include "skin/frame/TsSkinProvider.h"

#include "skin/load/TacSkinList.h"

#include "framework/TApplication.h"
#include "framework/TCustomForm.h"
#include "framework/streaming/TClassInfo.h"
#include "framework/streaming/TPropertyBuilder.h"
#include "platform/graphics/BlockTransfer.h"
#include "platform/windowing/WinUser.h"
#include "skin/SkinCommands.h"
#include "skin/TsBackgroundRequest.h"
#include "skin/TsSkinManager.h"
#include "skin/frame/TacFrameMetrics.h"
#include "skin/frame/TacScreenSnap.h"
#include "skin/frame/TacShowWindowFade.h"
#include "skin/frame/TacSkinnedForms.h"
#include "skin/load/TacSkinList.h"

const TClassInfo& TsTitleIcon::StaticClassInfo() {
  static const TClassInfo info("TsTitleIcon", &TPersistent::StaticClassInfo(), [](TClassInfo& c) {
    using I = TsTitleIcon;
    TPropertyBuilder<I>(c)
        .Object("Glyph", [](I& i) -> TPersistent* { return &i.Glyph; })
        .Integer("Height", &I::Height)
        .Integer("Width", &I::Width);
  });
  return info;
}

const TClassInfo& TsSkinProvider::StaticClassInfo() {
  static const TClassInfo info("TsSkinProvider", &TComponent::StaticClassInfo(), [](TClassInfo& c) {
    using P = TsSkinProvider;
    c.SetFactory(ComponentFactory<P>());
    TPropertyBuilder<P>(c)
        .Enumeration("CaptionAlignment", {"taLeftJustify", "taRightJustify", "taCenter"}, &P::CaptionAlignment,
                     &P::SetCaptionAlignment)
        .Object("SkinData", [](P& p) -> TPersistent* { return &p.SkinData(); })
        .Enumeration("GripMode", {"gmNone", "gmRightBottom"}, &P::GripMode, &P::SetGripMode)
        .Boolean("MakeSkinMenu", &P::MakeSkinMenu)
        .String("MenuLineSkin", &P::MenuLineSkin)
        .Enumeration("ResizeMode", {"rmStandard", "rmBorder"}, &P::ResizeMode)
        .Boolean("ScreenSnap", &P::ScreenSnap)
        .Integer("SnapBuffer", &P::SnapBuffer)
        .Boolean("ShowAppIcon", &P::ShowAppIcon, &P::SetShowAppIcon)
        .Collection("TitleButtons", [](P& p) -> TPersistent* { return &p.TitleButtons(); })
        .Object("TitleIcon", [](P& p) -> TPersistent* { return &p.TitleIcon(); })
        .String("TitleSkin", &P::TitleSkin, &P::SetTitleSkin)
        .Boolean("UseGlobalColor", &P::UseGlobalColor)
        .Event("OnSkinItem", &P::OnSkinItem);
  });
  return info;
}

namespace {
// Posted to itself when the form has become visible: the show fade runs then.
constexpr UINT kShowFadeMessage = WM_APP + 0x0A1;

// Whether a form already has a working frame object.
bool FormHasProvider(TCustomForm& form, const TsSkinProvider* except) {
  for (int i = 0; i < form.ComponentCount(); ++i) {
    auto* other = dynamic_cast<TsSkinProvider*>(form.Components(i));
    if (other && other != except && other->Attached()) return true;
  }
  return false;
}
}  // namespace

TsSkinProvider::TsSkinProvider(TComponent* owner) : TComponent(owner) {
  skinData_ = std::make_unique<TsCommonData>(static_cast<TComponent*>(this), true, ComponentFrameKind);
  skinData_->SetSkinSection("FORM");
  skinData_->SharesCacheLikeContainer = true;
  auto* form = dynamic_cast<TCustomForm*>(owner);
  if (!form || FormHasProvider(*form, this)) return;
  form_ = form;
  attached_ = true;
  formSubclass_.Install(*form_, [this](TMessage& message) { NewWndProc(message); });
  TacSkinnedForms::Register(form_);
  if (form_->HandleAllocated()) active_ = GetActiveWindow() == form_->Handle();
  if (skinData_->Skinned()) SkinLoaded();
  // Made while its form is being shown (at its first activation): the form
  // fades in now, before its first picture reaches the screen.
  if (skinData_->Skinned() && form_->HandleAllocated() && IsWindowVisible(form_->Handle()) && ShowFadeTime() > 0) {
    SendMessage(form_->Handle(), WM_SETREDRAW, 0, 0);
    PostMessage(form_->Handle(), kShowFadeMessage, 0, 0);
  }
}

TsSkinProvider::~TsSkinProvider() {
  *alive_ = false;
  if (!attached_) return;
  TacSkinnedForms::Unregister(form_);
  // A form being destroyed is past the point where its handler may change.
  if (form_->IsDestroying()) return;
  formSubclass_.Release();
  if (styleTaken_) RestoreStyle();
  if (form_->HandleAllocated())
    RedrawWindow(form_->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_ALLCHILDREN);
}

// ---- settings ----------------------------------------------------------------

void TsSkinProvider::SetCaptionAlignment(TAlignment value) {
  if (value == captionAlignment_) return;
  captionAlignment_ = value;
  RepaintFrame();
}

void TsSkinProvider::SetGripMode(TsGripMode value) {
  if (value == gripMode_) return;
  gripMode_ = value;
  RepaintFrame();
}

void TsSkinProvider::SetShowAppIcon(bool value) {
  if (value == showAppIcon_) return;
  showAppIcon_ = value;
  RepaintFrame();
}

void TsSkinProvider::SetTitleSkin(const std::string& value) {
  if (value == titleSkin_) return;
  titleSkin_ = value;
  RepaintFrame();
}

bool TsSkinProvider::Skinned() const { return attached_ && skinData_->Skinned() && !form_->IsDestroying(); }

void TsSkinProvider::FrameSectionChanged() {
  skinData_->MarkCacheStale();
  skinData_->EmptyCache();
}

void TsSkinProvider::FrameManagerChanged() {
  if (!attached_) return;
  if (skinData_->Skinned()) SkinLoaded();
  else SkinRemoved();
}

// ---- style and colour ---------------------------------------------------------

void TsSkinProvider::TakeStyle() {
  if (styleTaken_ || !form_->HandleAllocated()) return;
  const HWND window = form_->Handle();
  const LONG_PTR style = GetWindowLongPtr(window, GWL_STYLE);
  hasSysMenu_ = (style & WS_SYSMENU) != 0;
  // The frame draws its own title buttons; the system must not offer its own.
  if (hasSysMenu_) SetWindowLongPtr(window, GWL_STYLE, style & ~static_cast<LONG_PTR>(WS_SYSMENU));
  styleTaken_ = true;
}

void TsSkinProvider::RestoreStyle() {
  styleTaken_ = false;
  if (!hasSysMenu_ || !form_->HandleAllocated()) return;
  const HWND window = form_->Handle();
  SetWindowLongPtr(window, GWL_STYLE, GetWindowLongPtr(window, GWL_STYLE) | WS_SYSMENU);
}

void TsSkinProvider::ApplyGlobalColor(bool skinned) {
  if (!UseGlobalColor || skinData_->CustomColor()) return;
  const TsSkinManager* manager = skinData_->SkinManager();
  const TColor color = skinned && manager ? manager->Content().GetGlobalColor() : clBtnFace;
  if (form_->Color() != color) form_->SetColor(color);
}

void TsSkinProvider::SkinLoaded() {
  skinData_->UpdateIndexes();
  TakeStyle();
  TakeButtonMasks();
  ApplyGlobalColor(true);
  skinData_->MarkCacheStale();
  if (!TsSkinManager::NewSkin()) RepaintFrame();
}

void TsSkinProvider::SkinRemoved() {
  if (styleTaken_) RestoreStyle();
  skinData_->EmptyCache();
  skinData_->MarkCacheStale();
  hotHit_ = 0;
  for (TsFrameButtonState& b : buttons_) b = TsFrameButtonState{};
  ApplyGlobalColor(false);
  if (form_->HandleAllocated())
    RedrawWindow(form_->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_ALLCHILDREN);
}

void TsSkinProvider::RepaintFrame() {
  if (!attached_) return;
  skinData_->MarkCacheStale();
  if (form_->HandleAllocated() && !form_->IsLoading() && IsWindowVisible(form_->Handle()))
    RedrawWindow(form_->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_NOERASE | RDW_NOCHILDREN);
}

// ---- messages -------------------------------------------------------------------

void TsSkinProvider::CallPrevious(TMessage& message) {
  formSubclass_.CallPrevious(message);
}

bool TsSkinProvider::HandleSkinCommand(TMessage& message) {
  const auto* manager = reinterpret_cast<const TsSkinManager*>(message.LParam);
  const bool ours = manager == skinData_->SkinManager();
  switch (SkinCommandOf(message.WParam)) {
    case SKC_GET_FRAME_PROVIDER: message.Result = reinterpret_cast<LRESULT>(this); return true;
    case SKC_CACHE_MODE: message.Result = skinData_->PaintMode; return true;
    case SKC_GET_CLIENT_OFFSET: {
      const TPoint offset = TacFrameMetrics::ClientOffset(*form_);
      message.Result = static_cast<LRESULT>(MAKELPARAM(offset.X, offset.Y));
      return true;
    }
    case SKC_GET_SKIN_INDEX: message.Result = Skinned() ? skinData_->SkinIndex + 1 : 0; return true;
    case SKC_QUERY_TRANSPARENT: message.Result = 0; return true;
    case SKC_GET_COLOR:
      message.Result = Skinned() ? skinData_->ColorForState(false) : ColorToRGB(form_->Color());
      return true;
    case SKC_GET_BACKGROUND: AnswerBackground(message); return true;
    case SKC_SET_LINKED: skinData_->ProcessMessage(message); return true;
    case SKC_SKIN_LOADED:
      if (ours) SkinLoaded();
      CallPrevious(message);
      return true;
    case SKC_SKIN_CHANGED:
      if (ours) {
        skinData_->UpdateIndexes();
        TakeButtonMasks();
        ApplyGlobalColor(true);
        RepaintFrame();
      }
      CallPrevious(message);
      return true;
    case SKC_SKIN_REMOVED:
      if (ours) SkinRemoved();
      CallPrevious(message);
      return true;
    default: return false;
  }
}

void TsSkinProvider::AnswerBackground(TMessage& message) {
  auto* request = reinterpret_cast<TsBackgroundRequest*>(message.LParam);
  if (!request) return;
  if (!Skinned()) {
    request->BgKind = bgColor;
    request->BgColor = ColorToRGB(form_->Color());
    return;
  }
  PrepareFrame();
  TBitmap* cache = FramePicture();
  const TPoint offset = TacFrameMetrics::ClientOffset(*form_);
  if (!cache || cache->Width() == 0) {
    request->BgKind = bgColor;
    request->BgColor = skinData_->ColorForState(false);
    return;
  }
  request->BgKind = bgBitmap;
  if (request->DrawNow && request->TargetDC) {
    BitBlt(request->TargetDC, request->BgRect.Left, request->BgRect.Top, request->BgRect.Width(),
           request->BgRect.Height(), cache->Canvas().Handle(), request->BgX + offset.X, request->BgY + offset.Y,
           SRCCOPY);
    return;
  }
  // The client area's origin lies at the client offset of the window picture.
  request->BgBmp = &cache->Pixels();
  request->BgX = offset.X;
  request->BgY = offset.Y;
}

void TsSkinProvider::NewWndProc(TMessage& message) {
  // What the frame does not take goes to the form's previous handler; a form
  // being destroyed or without a skin gets only that.
  if (form_->IsDestroying()) {
    CallPrevious(message);
    return;
  }
  if (message.Msg == SM_SKINCOMMAND) {
    if (!RouteSkinCommand(message, [this](TMessage& command) { return HandleSkinCommand(command); }))
      CallPrevious(message);
    return;
  }
  if (!Skinned() || !HandleFrameMessage(message)) CallPrevious(message);
}

bool TsSkinProvider::HandleFrameMessage(TMessage& message) {
  switch (message.Msg) {
    case WM_NCPAINT:
      PaintNonClient();
      message.Result = 0;
      return true;
    case WM_ERASEBKGND:
      // The client's paint covers the whole client area.
      message.Result = 1;
      return true;
    case WM_PAINT:
      PaintClient(message);
      return true;
    case WM_PRINTCLIENT:
      if (message.WParam) ShowClient(reinterpret_cast<HDC>(message.WParam));
      return true;
    case WM_PRINT:
      PrintFrame(message);
      return true;
    case WM_NCACTIVATE:
      ActivationChanged(message);
      return true;
    case WM_SIZE:
    case WM_SETTEXT:
    case WM_STYLECHANGED:
      FrameChanged(message);
      return true;
    case WM_SHOWWINDOW:
      Showing(message);
      return true;
    case kShowFadeMessage:
      if (IsWindowVisible(form_->Handle())) TacShowWindowFade::FormShown(form_->Handle(), ShowsAsDialog());
      else SendMessage(form_->Handle(), WM_SETREDRAW, 1, 0);
      return true;
    case WM_WINDOWPOSCHANGING:
      Moving(message);
      return true;
    case WM_SYSKEYDOWN:
      // Alt+F4 closes the form as its system menu's Close item promises.
      if (message.WParam != VK_F4 || !(message.LParam & (LPARAM(1) << 29)) || !hasSysMenu_) return false;
      PostMessage(form_->Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
      return true;
    default:
      return HandleNonClientMouse(message);
  }
}

void TsSkinProvider::PrintFrame(TMessage& message) {
  // The picture of the whole window (fades, PaintTo) shows the skinned
  // frame instead of the plain one; the previous handler adds the rest.
  const auto dc = reinterpret_cast<HDC>(message.WParam);
  if ((message.LParam & PRF_NONCLIENT) && dc) {
    PrepareFrame();
    if (TBitmap* cache = FramePicture())
      BitBlt(dc, 0, 0, cache->Width(), cache->Height(), cache->Canvas().Handle(), 0, 0, SRCCOPY);
    message.LParam &= ~static_cast<LPARAM>(PRF_NONCLIENT);
  }
  CallPrevious(message);
}

void TsSkinProvider::ActivationChanged(TMessage& message) {
  const bool active = message.WParam != 0;
  if (active != active_) {
    active_ = active;
    skinData_->MarkCacheStale();
  }
  CallPrevious(message);
}

void TsSkinProvider::FrameChanged(TMessage& message) {
  skinData_->MarkCacheStale();
  CallPrevious(message);
  if (message.Msg != WM_STYLECHANGED && form_->HandleAllocated())
    RedrawWindow(form_->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_NOERASE | RDW_NOCHILDREN);
}

void TsSkinProvider::Showing(TMessage& message) {
  const std::shared_ptr<bool> alive = alive_;
  CallPrevious(message);
  if (!message.WParam || !*alive || ShowFadeTime() == 0) return;
  // The form appears unpainted; the fade brings its picture in.
  SendMessage(form_->Handle(), WM_SETREDRAW, 0, 0);
  PostMessage(form_->Handle(), kShowFadeMessage, 0, 0);
}

void TsSkinProvider::Moving(TMessage& message) {
  // A moved form lands on a screen edge it comes close to.
  if (auto* pos = reinterpret_cast<WINDOWPOS*>(message.LParam); ScreenSnap && pos && !(pos->flags & SWP_NOMOVE))
    SnapToScreen(*pos, {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}, SnapBuffer);
  CallPrevious(message);
}

void TsSkinProvider::PopupSysMenu(TPoint screen) {
  if (!attached_ || !form_->HandleAllocated()) return;
  sysMenu_.Update(*form_, hasSysMenu_, MinimizeShown(), MaximizeShown());
  TsSkinManager* manager = skinData_->SkinManager();
  std::vector<std::string> skins;
  if (MakeSkinMenu && manager) manager->GetSkinNames(skins, TacSkinList::FoldersAndPacks);
  sysMenu_.SetSkinChoices(skins, manager ? manager->SkinName() : std::string());
  const HWND window = form_->Handle();
  const std::weak_ptr<bool> alive = alive_;
  const UINT command = sysMenu_.Popup(window, screen.X, screen.Y);
  if (command == 0 || alive.expired() || !IsWindow(window)) return;
  // A skin item changes the skin of the whole program, not this form.
  if (const std::string skin = sysMenu_.SkinOfCommand(command); !skin.empty()) {
    if (manager) manager->SetSkinName(skin);
    return;
  }
  SendMessage(window, WM_SYSCOMMAND, command, 0);
}

bool TsSkinProvider::ShowsAsDialog() const {
  return form_->BorderStyle() == bsDialog || form_->ClassName() == "TMessageForm";
}

unsigned TsSkinProvider::ShowFadeTime() const {
  TsSkinManager* manager = skinData_->SkinManager();
  if (!manager) return 0;
  TacAnimEffects& effects = manager->AnimEffects();
  if (ShowsAsDialog()) return effects.DialogShow.Time;
  return effects.FormShow.Active ? effects.FormShow.Time : 0;
}
