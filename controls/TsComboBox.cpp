#include "controls/TsComboBox.h"

#include "adapters/TacComboListWnd.h"
#include "framework/FrameworkMessages.h"
#include "framework/streaming/TClassInfo.h"
#include "platform/controls/ControlMessages.h"
#include "platform/windowing/WinUser.h"
#include "skin/SkinCommandMessage.h"
#include "skin/SkinCommands.h"
#include "skin/TsSkinManager.h"

namespace {
// Leads from the inner edit to the box that took it over.
constexpr const char* kInnerEditProp = "TsComboBoxEdit";
}  // namespace

const TClassInfo& TsComboBox::StaticClassInfo() {
  using B = TsComboBox;
  static const TClassInfo info("TsComboBox", &TComboBox::StaticClassInfo(), [](TClassInfo& c) {
    c.SetFactory(ComponentFactory<B>());
    TPropertyBuilder<B>(c)
        .Enumeration("Alignment", AlignmentNames(), &B::Alignment, &B::SetAlignment)
        .Object("BoundLabel", [](B& b) { return &b.BoundLabel(); })
        .Set("DisabledKind", DisabledKindNames(), &B::DisabledKind, &B::SetDisabledKind)
        .Object("SkinData", [](B& b) { return &b.SkinData(); })
        .Integer("ItemHeight", &B::ItemHeight, &B::SetItemHeight)
        .Boolean("ReadOnly", &B::ReadOnly, &B::SetReadOnly);
  });
  return info;
}

TsComboBox::TsComboBox(TComponent* owner) : TComboBox(owner), innerEditSubclass_(kInnerEditProp) {
  SetDropDownCount(16);
  skinData_.SetSkinSection("COMBOBOX");
}

TsComboBox::~TsComboBox() {
  boundLabel_.Release();
  DetachListAdapter();
  ReleaseInnerEdit();
}

void TsComboBox::Loaded() {
  TComboBox::Loaded();
  skinData_.Loaded();
  if (Skinned()) {
    ApplySectionColors();
    PlaceInnerEdit();
  }
  boundLabel_.Follow(*this);
}

bool TsComboBox::Skinned() const {
  return HandleAllocated() && !IsLoading() && !IsDestroying() && skinData_.Skinned();
}

bool TsComboBox::CustomPaint() const { return Skinned(); }

TsComboBoxGeometry TsComboBox::Geometry() const {
  TsComboBoxGeometry g;
  g.Width = Width();
  g.Height = Height();
  g.Style = Style();
  g.ItemHeight = itemHeight_;
  g.ButtonWidth = GetSystemMetrics(SM_CXVSCROLL);
  return g;
}

HWND TsComboBox::InnerEdit() const { return innerEdit_; }

HWND TsComboBox::ListWindow() const {
  if (!HandleAllocated()) return nullptr;
  COMBOBOXINFO info;
  SendMessage(const_cast<TsComboBox*>(this)->Handle(), CB_GETCOMBOBOXINFO, 0, reinterpret_cast<LPARAM>(&info));
  return info.hwndList;
}

bool TsComboBox::InnerEditPaints() const {
  if (!Skinned()) return true;
  return Style() == csSimple || (skinData_.Focused() && Enabled() && !readOnly_);
}

void TsComboBox::CreateWnd() {
  DetachListAdapter();
  ReleaseInnerEdit();
  buttonPressed_ = false;
  TComboBox::CreateWnd();
  if (!HandleAllocated()) return;
  SubclassInnerEdit();
  skinData_.MarkCacheStale();
  if (Skinned()) PlaceInnerEdit();
}

// ---- the colour rule ----------------------------------------------------------

void TsComboBox::ApplySectionColors() {
  const TsGeneralData* section = skinData_.Section();
  if (!section) return;
  if (!skinData_.CustomColor() && Color() != section->Color) SetColor(section->Color);
  const TColor font = static_cast<TColor>(section->FontColor[0]);
  if (!skinData_.CustomFont() && Font().Color() != font) Font().SetColor(font);
}

void TsComboBox::ApplySystemColors() {
  if (!skinData_.CustomColor() && Color() != clWindow) SetColor(clWindow);
  if (!skinData_.CustomFont() && Font().Color() != clWindowText) Font().SetColor(clWindowText);
}

// ---- the inner edit -------------------------------------------------------------

LRESULT InnerEditProc(HWND edit, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* box = static_cast<TsComboBox*>(WindowSubclass::OwnerOf(edit, kInnerEditProp));
  if (!box) return WindowSubclass::PassOn(edit, kInnerEditProp, msg, wParam, lParam);
  return box->InnerEditMessage(edit, msg, wParam, lParam);
}

void TsComboBox::SubclassInnerEdit() {
  COMBOBOXINFO info;
  SendMessage(Handle(), CB_GETCOMBOBOXINFO, 0, reinterpret_cast<LPARAM>(&info));
  if (!info.hwndItem || !IsWindow(info.hwndItem)) return;
  innerEdit_ = info.hwndItem;
  innerEditSubclass_.Install(innerEdit_, &InnerEditProc, this);
}

void TsComboBox::ReleaseInnerEdit() {
  innerEditSubclass_.Release();
  innerEdit_ = nullptr;
}

void TsComboBox::PlaceInnerEdit() {
  if (!innerEdit_ || !IsWindow(innerEdit_) || Style() == csSimple) return;
  // Clear of the skinned button, which sits further in than the plain one.
  const TsComboBoxGeometry g = Geometry();
  const TRect button = g.ButtonRect();
  const TRect r = Rect(3, 3, button.Left - 1, g.Height - 3);
  MoveWindow(innerEdit_, r.Left, r.Top, std::max(0, r.Width()), std::max(0, r.Height()), TRUE);
}

LRESULT TsComboBox::InnerEditMessage(HWND edit, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto passOn = [&] { return innerEditSubclass_.CallPrevious(msg, wParam, lParam); };
  switch (msg) {
    case WM_NCDESTROY:
      ReleaseInnerEdit();
      return passOn();
    case WM_PAINT:
      if (!InnerEditPaints()) {
        // The idle edit shows the box's own picture, text and all: the box
        // clips its children out of its painting, so the edit lends it the
        // place it covers.
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(edit, &ps);
        if (dc) PaintUnderInnerEdit(dc);
        EndPaint(edit, &ps);
        return 0;
      }
      return passOn();
    case WM_ERASEBKGND:
      if (!InnerEditPaints()) return 1;
      return passOn();
    case WM_PRINTCLIENT:
      if (!InnerEditPaints()) {
        PaintUnderInnerEdit(reinterpret_cast<HDC>(wParam));
        return 0;
      }
      return passOn();
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (readOnly_) {
        // A click only brings the focus; the text stays as it is.
        ::SetFocus(edit);
        if (msg == WM_LBUTTONDBLCLK && OnDblClick) OnDblClick(this);
        return 0;
      }
      return passOn();
    case WM_CUT:
    case WM_PASTE:
    case WM_CLEAR:
    case WM_UNDO:
    case EM_UNDO:
      if (readOnly_) return 0;
      return passOn();
    default:
      if (RefusedWhileReadOnly(msg, wParam)) return 0;
      return passOn();
  }
}

// ---- input --------------------------------------------------------------------------

bool TsComboBox::RefusedWhileReadOnly(UINT msg, WPARAM wParam) const {
  if (!readOnly_) return false;
  switch (msg) {
    case WM_CHAR: return true;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: {
      const auto key = static_cast<int>(wParam);
      // F4 opens the list on this platform whatever its owner answers to
      // the drop-down notice, so it is refused with the other keys.
      return key == VK_SPACE || key == VK_F4 || (key >= VK_PRIOR && key <= VK_DOWN) || key == '9' || (key >= 'A' && key <= 'Z');
    }
    default: return false;
  }
}

void TsComboBox::FocusChanged(bool focused) {
  if (!focused && HandleAllocated() && DroppedDown()) SendMessage(Handle(), CB_SHOWDROPDOWN, FALSE, 0);
  skinData_.FocusChanged(focused);
  // The focus look replaces the hover look until the pointer comes back.
  skinData_.PointerLeft();
  skinData_.MarkCacheStale();
  if (Skinned()) RepaintNow();
}

void TsComboBox::MouseChanged(bool above) {
  if (DroppedDown() || skinData_.MouseAbove() == above) return;
  if (above) skinData_.PointerEntered();
  else skinData_.PointerLeft();
  skinData_.MarkCacheStale();
  if (Skinned()) RepaintNow();
}

void TsComboBox::InvalidateWithEdit() {
  if (HandleAllocated()) RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
}

void TsComboBox::RepaintNow() {
  if (!HandleAllocated()) return;
  RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

bool TsComboBox::HandleNotification(TMessage& message) {
  switch (HIWORD(message.WParam)) {
    case CBN_SETFOCUS: FocusChanged(true); return false;
    case CBN_KILLFOCUS: FocusChanged(false); return false;
    case CBN_DROPDOWN:
      if (readOnly_) return true;
      buttonPressed_ = true;
      skinData_.MarkCacheStale();
      // The list asks for its colours as soon as it shows, and its colour
      // question goes to the window that owns the pop-up, which may be the
      // form: the list is skinned here, just before.
      AttachListAdapter();
      if (Skinned()) InvalidateWithEdit();
      return false;
    case CBN_CLOSEUP:
      buttonPressed_ = false;
      skinData_.MarkCacheStale();
      if (Skinned()) RepaintNow();
      return false;
    case CBN_SELCHANGE:
    case CBN_EDITCHANGE:
      skinData_.MarkCacheStale();
      if (Skinned()) InvalidateWithEdit();
      return false;
    default: return false;
  }
}

// ---- the drop-down list's skin --------------------------------------------------

void TsComboBox::AttachListAdapter() {
  // Only a list long enough to scroll is skinned, and only once per window.
  if (listAttachTried_ || !Skinned() || Items().Count() <= DropDownCount()) return;
  const HWND list = ListWindow();
  if (!list || !IsWindow(list)) return;
  listAttachTried_ = true;
  listAdapter_ = std::make_unique<TacComboListWnd>(list, skinData_.SkinManager(), "EDIT", Style() == csSimple);
  listAdapter_->Initialize(true);
}

void TsComboBox::DetachListAdapter() {
  listAdapter_.reset();
  listAttachTried_ = false;
}

// ---- messages ----------------------------------------------------------------------

bool TsComboBox::HandleSkinCommand(TMessage& message) {
  switch (SkinCommandOf(message.WParam)) {
    case SKC_SKIN_LOADED:
    case SKC_SKIN_CHANGED:
      if (!skinData_.FromOwnManager(message)) return true;
      skinData_.ProcessMessage(message);
      if (Skinned()) {
        ApplySectionColors();
        PlaceInnerEdit();
        if (SkinCommandOf(message.WParam) == SKC_SKIN_CHANGED) RepaintNow();
      }
      return true;
    case SKC_SKIN_REMOVED:
      if (!skinData_.FromOwnManager(message)) return true;
      skinData_.ProcessMessage(message);
      DetachListAdapter();
      ApplySystemColors();
      // The plain window lays out its own edit and button again.
      if (HandleAllocated() && !IsDestroying()) RecreateWnd();
      return true;
    case SKC_CHILD_REPAINT:
      if (skinData_.ResumeHeldPainting()) RepaintNow();
      return true;
    case SKC_QUERY_DROPPED_DOWN: message.Result = DroppedDown() ? 1 : 0; return true;
    default: return false;
  }
}

void TsComboBox::WndProc(TMessage& message) {
  OwnWndProc(message);
  if (MovesBoundLabel(message.Msg)) boundLabel_.Follow(*this);
}

void TsComboBox::OwnWndProc(TMessage& message) {
  if (RouteSkinCommand(message, [this](TMessage& command) { return HandleSkinCommand(command); })) return;
  if (RefusedWhileReadOnly(message.Msg, message.WParam)) return;
  const bool skinned = Skinned();
  switch (message.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (readOnly_) {
        SetFocus();
        if (message.Msg == WM_LBUTTONDBLCLK && OnDblClick) OnDblClick(this);
        return;
      }
      if (skinned && Style() != csSimple) {
        // The skinned button lies further in than the plain one: a press on
        // it is a press on the platform's button.
        const TPoint p = Point(GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam));
        if (Geometry().ButtonRect().Contains(p)) {
          COMBOBOXINFO info;
          SendMessage(Handle(), CB_GETCOMBOBOXINFO, 0, reinterpret_cast<LPARAM>(&info));
          if (!info.rcButton.Contains(p))
            message.LParam = MAKELPARAM((info.rcButton.Left + info.rcButton.Right) / 2, p.Y);
        }
      }
      break;
    case CN_COMMAND:
      if (HandleNotification(message)) return;
      break;
    case CN_CTLCOLORLISTBOX:
      TComboBox::WndProc(message);
      AttachListAdapter();
      return;
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
      MouseChanged(message.Msg == CM_MOUSEENTER);
      break;
    case WM_ERASEBKGND:
      if (skinned) {
        message.Result = 1;
        return;
      }
      break;
    case WM_SIZE:
      TComboBox::WndProc(message);
      skinData_.MarkCacheStale();
      if (skinned) PlaceInnerEdit();
      return;
    case WM_SETTEXT:
    case CM_TEXTCHANGED:
    case CM_FONTCHANGED:
    case CM_ENABLEDCHANGED:
      skinData_.MarkCacheStale();
      break;
    default: break;
  }
  // The box keeps its focus marks from its field's notices: the focus
  // usually lands on the inner edit, not on the box's own window.
  if (skinned && message.Msg != WM_SETFOCUS && message.Msg != WM_KILLFOCUS && message.Msg != CM_MOUSEENTER &&
      message.Msg != CM_MOUSELEAVE && skinData_.ProcessMessage(message))
    return;
  TComboBox::WndProc(message);
}
