#include "platform/controls/StandardClasses.h"

#include "platform/controls/ButtonControl.h"
#include "platform/controls/ComboBoxControl.h"
#include "platform/controls/EditControl.h"
#include "platform/controls/ListBoxControl.h"
#include "platform/controls/MessageBoxDialog.h"
#include "platform/controls/PopupMenuWindow.h"
#include "platform/controls/StaticControl.h"
#include "platform/controls/UpDownControl.h"

void RegisterStandardClasses() {
  // RegisterClass refuses a name that is taken, so repeating is harmless.
  ButtonControl::registerClass();
  EditControl::registerClass();
  ListBoxControl::registerClasses();
  ComboBoxControl::registerClass();
  StaticControl::registerClass();
  UpDownControl::registerClass();
  MessageBoxDialog::registerClass();
  PopupMenuWindow::registerClass();
}
