#include "framework/controls/MessageForm.h"

#include <algorithm>

#include "framework/TApplication.h"
#include "framework/controls/TButton.h"
#include "framework/controls/TLabel.h"
#include "framework/streaming/TClassInfo.h"
#include "platform/windowing/WinUser.h"

namespace {
constexpr int kMargin = 16;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 25;
constexpr int kMinTextWidth = 120;

TMessageForm::ButtonMaker& OkButtonMaker() {
  static TMessageForm::ButtonMaker maker = nullptr;
  return maker;
}
}  // namespace

void TMessageForm::SetButtonMaker(ButtonMaker maker) { OkButtonMaker() = maker; }

const TClassInfo& TMessageForm::StaticClassInfo() {
  static const TClassInfo info("TMessageForm", &TForm::StaticClassInfo());
  return info;
}

TMessageForm::TMessageForm(TComponent* owner, const std::string& text) : TForm(owner) {
  SetBorderStyle(bsDialog);
  SetBorderIcons(biSystemMenu);
  SetPosition(poScreenCenter);
  SetCaption(Application ? Application->Title() : std::string());

  message_ = new TLabel(this);
  message_->SetName("Message");
  message_->SetParent(this);
  message_->SetCaption(text);
  // The form's own background shows around the text, plain or skinned.
  message_->SetTransparent(true);
  message_->SetLeft(kMargin);
  message_->SetTop(kMargin);
  TSize textSize = message_->TextSize();
  message_->SetBounds(kMargin, kMargin, std::max(textSize.cx, kMinTextWidth), textSize.cy);

  int clientWidth = message_->Width() + 2 * kMargin;
  ok_ = OkButtonMaker() ? OkButtonMaker()(this) : new TButton(this);
  ok_->SetName("OK");
  ok_->SetParent(this);
  ok_->SetCaption("OK");
  ok_->SetModalResult(mrOk);
  ok_->SetDefault(true);
  ok_->SetCancel(true);
  ok_->SetBounds((clientWidth - kButtonWidth) / 2, message_->Top() + message_->Height() + kMargin, kButtonWidth,
                 kButtonHeight);
  SetClientWidth(clientWidth);
  SetClientHeight(ok_->Top() + kButtonHeight + kMargin);
  // Like a desktop message box, never narrower than its title: a short text
  // must not cut the application's title short in the caption.
  if (const int titleWidth = GetTitleFitWidth(Handle()); titleWidth > Width()) {
    SetClientWidth(ClientWidth() + titleWidth - Width());
    ok_->SetLeft((ClientWidth() - kButtonWidth) / 2);
  }
  SetActiveControl(ok_);
}

void ShowMessage(const std::string& text) {
  auto* form = new TMessageForm(Application, text);
  try {
    form->ShowModal();
  } catch (...) {
    form->Free();
    throw;
  }
  form->Free();
}
