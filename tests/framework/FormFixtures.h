#pragma once
// Controls and the form of resources/layouts/TFrameworkTestForm.lfm, used by
// the end-to-end tests on the headless screen.
#include <functional>
#include <string>
#include <vector>

#include "framework/TCustomControl.h"
#include "framework/TCustomForm.h"
#include "framework/TGraphicControl.h"
#include "framework/TTimer.h"
#include "framework/controls/TButton.h"
#include "framework/controls/TLabel.h"

// A focusable windowed control that is not a button, painted white.
class TTestField : public TCustomControl {
 public:
  TRAINER_CLASS_INFO()
  explicit TTestField(TComponent* owner);

 protected:
  void Paint() override;
};

// A windowless control painted in its Color; records the notices it gets.
class TTestSpot : public TGraphicControl {
 public:
  TRAINER_CLASS_INFO()
  explicit TTestSpot(TComponent* owner);
  std::vector<UINT> Notices;

 protected:
  void Paint() override;
  void WndProc(TMessage& message) override;
};

class TFrameworkTestForm : public TForm {
 public:
  TRAINER_CLASS_INFO()
  explicit TFrameworkTestForm(TComponent* owner);

  TLabel* Label1 = nullptr;
  TTestField* Field1 = nullptr;
  TTestField* Field2 = nullptr;
  TButton* Button1 = nullptr;
  TTestSpot* Spot1 = nullptr;
  TTimer* Timer1 = nullptr;

  int Creates = 0;
  int ButtonClicks = 0;
  int SpotClicks = 0;
  int Ticks = 0;
  bool LoadedBeforeCreate = false;
  TCloseAction CloseAction = caHide;
  std::function<void()> OnButton;  // extra work for a test
  std::function<void()> OnTick;
  std::vector<std::pair<UINT, LPARAM>> ChildNotices;  // CM_MOUSEENTER/LEAVE from children

  void FormCreate(TObject* sender);
  void FormClose(TObject* sender, TCloseAction& action);
  void Button1Click(TObject* sender);
  void Spot1Click(TObject* sender);
  void Timer1Timer(TObject* sender);

 protected:
  void WndProc(TMessage& message) override;
};

void RegisterFormFixtures();
