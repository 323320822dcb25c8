#pragma once
// The personal-data window: after the last task it asks for the pupil's name.
// OK (or Enter in the name field) appends the result line and closes the main
// window, which ends the program. When the line cannot be written the error
// is reported and the window stays, so OK can be tried again. Nothing else
// closes it.
#include <string>

#include "framework/TCustomForm.h"

class TEdit;

class TForm4 : public TForm {
 public:
  TRAINER_CLASS_INFO()

  explicit TForm4(TComponent* owner);

  void sBitBtn1Click(TObject* sender);

  // The window is left only through OK: it refuses every close request
  // (WM_CLOSE from wherever it comes), for a hidden name window would leave
  // the program running with nothing on screen and the result unwritten.
  bool CloseQuery() override;

  TEdit* sEdit1 = nullptr;

 private:
  bool lineWritten_ = false;
};
