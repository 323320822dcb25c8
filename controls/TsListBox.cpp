#include "controls/TsListBox.h"

#include <algorithm>

#include "adapters/TacScrollAttach.h"
#include "adapters/WindowFrame.h"
#include "framework/FrameworkMessages.h"
#include "framework/streaming/TClassInfo.h"
#include "paint/primitives/ColorMath.h"
#include "platform/controls/ControlMessages.h"
#include "platform/controls/TextCase.h"
#include "platform/windowing/WinUser.h"
#include "skin/SkinCommandMessage.h"
#include "skin/SkinCommands.h"

const TClassInfo& TsListBox::StaticClassInfo() {
  using L = TsListBox;
  static const TClassInfo info("TsListBox", &TListBox::StaticClassInfo(), [](TClassInfo& c) {
    c.SetFactory(ComponentFactory<L>());
    TPropertyBuilder<L>(c)
        .Integer("AutoCompleteDelay", &L::AutoCompleteDelay, &L::SetAutoCompleteDelay)
        .Boolean("AutoComplete", &L::AutoComplete, &L::SetAutoComplete)
        .Enumeration("BorderStyle", {"bsNone", "bsSingle"}, &L::BorderStyle, &L::SetBorderStyle)
        .Object("BoundLabel", [](L& l) { return &l.BoundLabel(); })
        .Integer("Columns", &L::Columns, &L::SetColumns)
        .Object("SkinData", [](L& l) { return &l.SkinData(); })
        .Set("DisabledKind", DisabledKindNames(), &L::DisabledKind, &L::SetDisabledKind)
        .Boolean("IntegralHeight", &L::IntegralHeight, &L::SetIntegralHeight)
        .Boolean("Sorted", &L::Sorted, &L::SetSorted)
        .Enumeration("Style", {"lbStandard", "lbOwnerDrawFixed", "lbOwnerDrawVariable", "lbVirtual",
                               "lbVirtualOwnerDraw"},
                     &L::Style, &L::SetStyle)
        .Integer("TabWidth", &L::TabWidth, &L::SetTabWidth)
        .Boolean("AutoHideScroll", &L::AutoHideScroll, &L::SetAutoHideScroll)
        .Boolean("MultiSelect", &L::MultiSelect, &L::SetMultiSelect)
        .Boolean("ExtendedSelect", &L::ExtendedSelect, &L::SetExtendedSelect)
        .Event("OnDrawItem", &L::OnDrawItem)
        .Event("OnMeasureItem", &L::OnMeasureItem);
  });
  return info;
}

TsListBox::TsListBox(TComponent* owner) : TListBox(owner) {
  SetBounds(0, 0, 121, 97);
  SetItemHeight(16);
  skinData_.SetSkinSection("EDIT");
}

TsListBox::~TsListBox() {
  *alive_ = false;
  boundLabel_.Release();
  adapter_.reset();
}

void TsListBox::Loaded() {
  TListBox::Loaded();
  skinData_.Loaded();
  UpdateAdapter();
  boundLabel_.Follow(*this);
}

void TsListBox::CreateParams(TCreateParams& params) {
  TListBox::CreateParams(params);
  if (sorted_) params.Style |= LBS_SORT;
  if (!autoHideScroll_) params.Style |= LBS_DISABLENOSCROLL;
  if (style_ == lbOwnerDrawVariable) params.Style |= LBS_OWNERDRAWVARIABLE;
  else if (style_ != lbStandard) params.Style |= LBS_OWNERDRAWFIXED;
  if (borderStyle_ == bsNone) params.Style &= ~WS_BORDER;
}

void TsListBox::SetStyle(TListBoxStyle style) {
  if (!StoreChanged(style_, style) || IsLoading()) return;
  if (HandleAllocated()) RecreateWnd();
  else Invalidate();
}

bool TsListBox::IsOwnerDrawStyle() const {
  return style_ == lbOwnerDrawFixed || style_ == lbOwnerDrawVariable || style_ == lbVirtualOwnerDraw;
}

TsListItemLook TsListBox::ItemLook(int index, TOwnerDrawState state, bool handlerInCharge) {
  TsListItemLook look;
  look.Focused = (state & odFocused) != 0;
  look.Background = Color();
  look.TextColor = Font().Color();
  // The current item keeps its highlight while another control has the
  // focus, so the pupil still sees which line the list is on.
  const bool valid = index >= 0 && index < Items().Count();
  const bool selected = !handlerInCharge && valid && ((state & odSelected) || (index == ItemIndex() && !Focused()));
  if (selected) {
    look.Background = clHighlight;
    look.TextColor = clHighlightText;
  } else if (!skinData_.CustomFont() && !Enabled()) {
    // Disabled text fades toward the list's colour, as disabled text does
    // everywhere in the engine.
    look.TextColor = MixColors(Font().Color(), Color(), 0.4);
  }
  return look;
}

void TsListBox::DrawItem(const DRAWITEMSTRUCT& item) {
  if (skinData_.Updating() || Items().Count() == 0) return;
  const int index = static_cast<int>(item.itemID);
  const bool handlerInCharge = OnDrawItem && IsOwnerDrawStyle();
  const TsListItemLook look = ItemLook(index, item.itemState, handlerInCharge);
  const std::string text = index >= 0 && index < Items().Count() ? Items().Get(index) : std::string();
  canvas_.SetHandle(static_cast<HDC>(item.hDC));
  canvas_.Font.Assign(Font());
  const std::shared_ptr<bool> alive = alive_;
  std::function<bool()> owner;
  if (handlerInCharge)
    owner = [&] {
      // A copy: the handler may free the list box, and the event with it.
      const TDrawItemEvent handler = OnDrawItem;
      handler(this, index, item.rcItem, item.itemState);
      return *alive;
    };
  TsListBoxItemPainter::Paint(canvas_, item.rcItem, text, look, owner);
  if (*alive) canvas_.SetHandle(nullptr);
}

void TsListBox::MeasureItem(MEASUREITEMSTRUCT& item) {
  int height = ItemHeight();
  if (style_ == lbOwnerDrawVariable && OnMeasureItem) OnMeasureItem(this, static_cast<int>(item.itemID), height);
  item.itemHeight = static_cast<UINT>(std::max(1, height));
}

void TsListBox::CreateWnd() {
  // A new window needs a new adapter; the old one went with its window.
  adapter_.reset();
  TListBox::CreateWnd();
  UpdateAdapter();
}

void TsListBox::UpdateAdapter() {
  if (!HandleAllocated() || IsLoading()) return;
  AttachEditWnd(skinData_, adapter_, Handle());
}

bool TsListBox::HandleSkinCommand(TMessage& message) {
  switch (SkinCommandOf(message.WParam)) {
    case SKC_SKIN_LOADED:
    case SKC_SKIN_CHANGED:
      if (!skinData_.FromOwnManager(message)) return true;
      skinData_.ProcessMessage(message);
      UpdateAdapter();
      if (HandleAllocated())
        RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_UPDATENOW);
      return true;
    case SKC_SKIN_REMOVED:
      if (!skinData_.FromOwnManager(message)) return true;
      skinData_.ProcessMessage(message);
      // The adapter has detached itself on the way here; it is freed at the
      // next attachment, since it may still be running below this call.
      if (HandleAllocated()) ChangeFrame(Handle());
      Invalidate();
      return true;
    default:
      return false;
  }
}

bool TsListBox::IncrementalSearch(char32_t ch) {
  const unsigned now = GetTickCount();
  if (!searchStarted_ || now - lastKeyTime_ > static_cast<unsigned>(autoCompleteDelay_)) searchText_.clear();
  searchStarted_ = true;
  lastKeyTime_ = now;
  if (ch == 8) {
    // A whole character goes, however many bytes it took.
    while (!searchText_.empty() && (static_cast<unsigned char>(searchText_.back()) & 0xC0) == 0x80) searchText_.pop_back();
    if (!searchText_.empty()) searchText_.pop_back();
  } else if (ch >= 0x20) {
    searchText_ += TextCase::encode(ch);
  } else {
    return false;
  }
  int found = 0;
  if (!searchText_.empty())
    found = static_cast<int>(SendMessage(Handle(), LB_FINDSTRING, static_cast<WPARAM>(-1),
                                         reinterpret_cast<LPARAM>(searchText_.c_str())));
  if (found >= 0 && found < Items().Count()) {
    SetItemIndex(found);
    Click();
  }
  return ch != 8;
}

void TsListBox::WndProc(TMessage& message) {
  OwnWndProc(message);
  if (MovesBoundLabel(message.Msg)) boundLabel_.Follow(*this);
}

void TsListBox::OwnWndProc(TMessage& message) {
  if (RouteSkinCommand(message, [this](TMessage& command) { return HandleSkinCommand(command); })) return;
  if (message.Msg == CN_DRAWITEM && message.LParam) {
    DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(message.LParam));
    message.Result = TRUE;
    return;
  }
  if (message.Msg == CN_MEASUREITEM && message.LParam) {
    MeasureItem(*reinterpret_cast<MEASUREITEMSTRUCT*>(message.LParam));
    message.Result = TRUE;
    return;
  }
  if (message.Msg == WM_CHAR && autoComplete_ && HandleAllocated()) {
    const char32_t ch = static_cast<char32_t>(message.WParam);
    if (ch != 13 && ch != 27 && IncrementalSearch(ch)) return;
  }
  TListBox::WndProc(message);
}
