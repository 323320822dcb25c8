#pragma once
// The framework's message box: a modal form of window class "TMessageForm"
// with the text, one OK button and no icon, captioned with the application's
// title and centred on the screen; it is at least as wide as its whole title
// with the title buttons. OK, Enter and Escape close it.
#include <string>

#include "framework/TCustomForm.h"

class TButton;
class TLabel;

class TMessageForm : public TForm {
 public:
  TRAINER_CLASS_INFO()

  TMessageForm(TComponent* owner, const std::string& text);

  TButton* OkButton() const { return ok_; }

  // What makes the OK button: a plain TButton unless the program set its
  // own maker (the skinned button, so that the box's OK looks like every
  // other button of the program). Null restores the plain button.
  using ButtonMaker = TButton* (*)(TComponent* owner);
  static void SetButtonMaker(ButtonMaker maker);
  TLabel* Message() const { return message_; }

 protected:
  std::string LayoutResource() const override { return {}; }

 private:
  TLabel* message_;
  TButton* ok_;
};

// Shows `text` in a TMessageForm and waits until it is closed.
void ShowMessage(const std::string& text);
