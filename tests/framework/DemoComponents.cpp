#include "tests/framework/DemoComponents.h"

#include "framework/streaming/TPropertyBuilder.h"

std::vector<std::string>& DemoLog() {
  static std::vector<std::string> log;
  return log;
}

namespace {
std::string State(const TComponent& c) { return c.IsLoading() ? " (loading)" : ""; }
}  // namespace

const TClassInfo& TDemoFont::StaticClassInfo() {
  static const TClassInfo info("TDemoFont", &TPersistent::StaticClassInfo(), [](TClassInfo& c) {
    TPropertyBuilder<TDemoFont>(c)
        .Color("Color", &TDemoFont::Color)
        .Integer("Height", &TDemoFont::Height)
        .String("Name", &TDemoFont::Name)
        .Set("Style", {"fsBold", "fsItalic", "fsUnderline"}, &TDemoFont::Style);
  });
  return info;
}

const TClassInfo& TDemoWidget::StaticClassInfo() {
  static const TClassInfo info("TDemoWidget", &TComponent::StaticClassInfo(), [](TClassInfo& c) {
    c.SetFactory(ComponentFactory<TDemoWidget>());
    TPropertyBuilder<TDemoWidget>(c)
        .Integer("Left", &TDemoWidget::Left, &TDemoWidget::SetLeft)
        .String("Caption", &TDemoWidget::Caption, &TDemoWidget::SetCaption)
        .Color("Color", &TDemoWidget::Color)
        .Enumeration("Alignment", {"taLeftJustify", "taRightJustify", "taCenter"}, &TDemoWidget::Alignment)
        .Float("Ratio", &TDemoWidget::Ratio)
        .Boolean("Visible", &TDemoWidget::Visible)
        .Object("Font", &TDemoWidget::Font)
        .Object("Items", &TDemoWidget::Items)
        .Component<TComponent>("Buddy", &TDemoWidget::Buddy)
        .Event("OnClick", &TDemoWidget::OnClick);
  });
  return info;
}

void TDemoWidget::SetLeft(int left) {
  DemoLog().push_back(Name() + ".Left=" + std::to_string(left) + State(*this));
  left_ = left;
}

void TDemoWidget::SetCaption(const std::string& caption) {
  DemoLog().push_back(Name() + ".Caption=" + caption + State(*this));
  caption_ = caption;
}

void TDemoWidget::Loaded() {
  TComponent::Loaded();
  DemoLog().push_back("Loaded " + Name());
}

const TClassInfo& TDemoPanel::StaticClassInfo() {
  static const TClassInfo info("TDemoPanel", &TDemoWidget::StaticClassInfo(),
                               [](TClassInfo& c) { c.SetFactory(ComponentFactory<TDemoPanel>()); });
  return info;
}

const TClassInfo& TDemoItem::StaticClassInfo() {
  static const TClassInfo info("TDemoItem", &TCollectionItem::StaticClassInfo(), [](TClassInfo& c) {
    TPropertyBuilder<TDemoItem>(c)
        .String("Name", &TDemoItem::Name)
        .Binary("Data", [](TDemoItem& item, const TBinaryData& data) {
          item.Data.assign(data.Bytes.begin(), data.Bytes.end());
          item.DataSource = data.Source;
        });
  });
  return info;
}

const TClassInfo& TDemoStore::StaticClassInfo() {
  static const TClassInfo info("TDemoStore", &TComponent::StaticClassInfo(), [](TClassInfo& c) {
    c.SetFactory(ComponentFactory<TDemoStore>());
    TPropertyBuilder<TDemoStore>(c).Collection("Skins", &TDemoStore::Skins);
  });
  return info;
}

const TClassInfo& TDemoForm::StaticClassInfo() {
  static const TClassInfo info("TDemoForm", &TDemoWidget::StaticClassInfo(), [](TClassInfo& c) {
    TPropertyBuilder<TDemoForm>(c).Event("OnCreate", &TDemoForm::OnCreate);
  });
  return info;
}

TDemoForm::TDemoForm(TComponent* owner) : TDemoWidget(owner) {
  PublishMethod("FormCreate", &TDemoForm::FormCreate);
  PublishMethod("Label1Click", &TDemoForm::Label1Click);
  PublishMethod("WrongSignature", &TDemoForm::WrongSignature);
  PublishField("Panel1", Panel1);
  PublishField("List1", List1);
}

void TDemoForm::FormCreate(TObject*) { ++Creates; }
void TDemoForm::Label1Click(TObject*) { ++Clicks; }
void TDemoForm::WrongSignature(int) {}

void RegisterDemoClasses(TClassRegistry& registry) {
  registry.Register<TDemoWidget>();
  registry.Register<TDemoPanel>();
  registry.Register<TDemoStore>();
}
