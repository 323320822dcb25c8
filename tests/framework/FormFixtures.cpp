#include "tests/framework/FormFixtures.h"

#include "framework/streaming/TClassInfo.h"
#include "framework/streaming/TClassRegistry.h"

const TClassInfo& TTestField::StaticClassInfo() {
  static const TClassInfo info("TTestField", &TCustomControl::StaticClassInfo(),
                               [](TClassInfo& c) { c.SetFactory(ComponentFactory<TTestField>()); });
  return info;
}

TTestField::TTestField(TComponent* owner) : TCustomControl(owner) {
  SetTabStop(true);
  SetColor(clWhite);
}

void TTestField::Paint() {
  Canvas().Brush.SetColor(clWhite);
  Canvas().FillRect(ClientRect());
}

const TClassInfo& TTestSpot::StaticClassInfo() {
  static const TClassInfo info("TTestSpot", &TGraphicControl::StaticClassInfo(),
                               [](TClassInfo& c) { c.SetFactory(ComponentFactory<TTestSpot>()); });
  return info;
}

TTestSpot::TTestSpot(TComponent* owner) : TGraphicControl(owner) { SetColor(clRed); }

void TTestSpot::Paint() {
  Canvas().Brush.SetColor(Color());
  Canvas().FillRect(ClientRect());
}

void TTestSpot::WndProc(TMessage& message) {
  if (message.Msg >= CM_BASE && message.Msg < CM_BASE + 0x100) Notices.push_back(message.Msg);
  TGraphicControl::WndProc(message);
}

const TClassInfo& TFrameworkTestForm::StaticClassInfo() {
  static const TClassInfo info("TFrameworkTestForm", &TForm::StaticClassInfo());
  return info;
}

TFrameworkTestForm::TFrameworkTestForm(TComponent* owner) : TForm(owner) {
  PublishMethod("FormCreate", &TFrameworkTestForm::FormCreate);
  PublishMethod("FormClose", &TFrameworkTestForm::FormClose);
  PublishMethod("Button1Click", &TFrameworkTestForm::Button1Click);
  PublishMethod("Spot1Click", &TFrameworkTestForm::Spot1Click);
  PublishMethod("Timer1Timer", &TFrameworkTestForm::Timer1Timer);
  PublishField("Label1", Label1);
  PublishField("Field1", Field1);
  PublishField("Field2", Field2);
  PublishField("Button1", Button1);
  PublishField("Spot1", Spot1);
  PublishField("Timer1", Timer1);
}

void TFrameworkTestForm::FormCreate(TObject*) {
  ++Creates;
  LoadedBeforeCreate = !IsLoading() && Timer1 && !Timer1->IsLoading() && Caption() == "Банки";
}

void TFrameworkTestForm::FormClose(TObject*, TCloseAction& action) { action = CloseAction; }

void TFrameworkTestForm::Button1Click(TObject*) {
  ++ButtonClicks;
  if (OnButton) OnButton();
}

void TFrameworkTestForm::Spot1Click(TObject*) { ++SpotClicks; }

void TFrameworkTestForm::Timer1Timer(TObject*) {
  ++Ticks;
  if (OnTick) OnTick();
}

void TFrameworkTestForm::WndProc(TMessage& message) {
  if (message.Msg == CM_MOUSEENTER || message.Msg == CM_MOUSELEAVE) ChildNotices.emplace_back(message.Msg, message.LParam);
  TForm::WndProc(message);
}

void RegisterFormFixtures() {
  TClassRegistry::Global().Register<TTestField>();
  TClassRegistry::Global().Register<TTestSpot>();
}
