#pragma once
// Small component classes used by the framework tests and the demo layout
// resources/layouts/TDemoForm.lfm. Every setter and Loaded() writes a line
// to a shared log, so tests can check order and loading state.
#include <string>
#include <vector>

#include "framework/Events.h"
#include "framework/TCollection.h"
#include "framework/TComponent.h"
#include "framework/TStringList.h"
#include "framework/streaming/TClassRegistry.h"
#include "platform/Color.h"

std::vector<std::string>& DemoLog();

class TDemoFont : public TPersistent {
 public:
  TRAINER_CLASS_INFO()
  TColor Color = clBlack;
  int Height = 0;
  std::string Name;
  std::uint32_t Style = 0;  // bit 0 fsBold, 1 fsItalic, 2 fsUnderline
};

enum TDemoAlignment { taLeftJustify, taRightJustify, taCenter };

class TDemoWidget : public TComponent {
 public:
  TRAINER_CLASS_INFO()
  explicit TDemoWidget(TComponent* owner) : TComponent(owner) {}

  int Left() const { return left_; }
  void SetLeft(int left);
  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);
  TColor Color = clWindow;
  TDemoAlignment Alignment = taLeftJustify;
  double Ratio = 0;
  bool Visible = true;
  TDemoFont Font;
  TStringList Items;
  TComponent* Buddy = nullptr;
  TComponent* ParentComponent = nullptr;
  TNotifyEvent OnClick;

  void SetParentComponent(TComponent* parent) override { ParentComponent = parent; }
  void Loaded() override;

 private:
  int left_ = 0;
  std::string caption_;
};

class TDemoPanel : public TDemoWidget {
 public:
  TRAINER_CLASS_INFO()
  explicit TDemoPanel(TComponent* owner) : TDemoWidget(owner) {}
};

class TDemoItem : public TCollectionItem {
 public:
  TRAINER_CLASS_INFO()
  explicit TDemoItem(TCollection* collection) : TCollectionItem(collection) {}
  std::string Name;
  std::vector<std::uint8_t> Data;
  std::string DataSource;
};

class TDemoStore : public TComponent {
 public:
  TRAINER_CLASS_INFO()
  explicit TDemoStore(TComponent* owner) : TComponent(owner), Skins(this) {}
  TCollectionOf<TDemoItem> Skins;
};

// The root of the demo layout: publishes handlers and fields.
class TDemoForm : public TDemoWidget {
 public:
  TRAINER_CLASS_INFO()
  explicit TDemoForm(TComponent* owner);

  TNotifyEvent OnCreate;
  TDemoPanel* Panel1 = nullptr;
  TDemoWidget* List1 = nullptr;
  int Clicks = 0;
  int Creates = 0;

  void FormCreate(TObject* sender);
  void Label1Click(TObject* sender);
  void WrongSignature(int value);
};

// Registers the demo classes in `registry`.
void RegisterDemoClasses(TClassRegistry& registry);
