// Fuzz target for layout files: any bytes must either read into components
// or fail with a LayoutError, never crash, hang or leak.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "framework/TCollection.h"
#include "framework/TComponent.h"
#include "framework/TStringList.h"
#include "framework/streaming/LayoutError.h"
#include "framework/streaming/LayoutReader.h"
#include "framework/streaming/TClassRegistry.h"
#include "framework/streaming/TPropertyBuilder.h"
#include "platform/Color.h"

namespace {

class TFuzzItem : public TCollectionItem {
 public:
  TRAINER_CLASS_INFO()
  explicit TFuzzItem(TCollection* c) : TCollectionItem(c) {}
  std::string Name;
  std::vector<std::uint8_t> Data;
};

class TFuzzWidget : public TComponent {
 public:
  TRAINER_CLASS_INFO()
  explicit TFuzzWidget(TComponent* owner) : TComponent(owner), Items(this) {}
  int Left = 0;
  std::uint8_t Small = 0;
  double Ratio = 0;
  bool Visible = false;
  std::string Caption;
  TColor Color = 0;
  int Align = 0;
  std::uint32_t Style = 0;
  TStringList Lines;
  TCollectionOf<TFuzzItem> Items;
  TComponent* Buddy = nullptr;
  TNotifyEvent OnClick;
};

const TClassInfo& TFuzzItem::StaticClassInfo() {
  static const TClassInfo info("TFuzzItem", &TCollectionItem::StaticClassInfo(), [](TClassInfo& c) {
    TPropertyBuilder<TFuzzItem>(c).String("Name", &TFuzzItem::Name).Binary("Data", [](TFuzzItem& i, const TBinaryData& d) {
      i.Data.assign(d.Bytes.begin(), d.Bytes.end());
    });
  });
  return info;
}

const TClassInfo& TFuzzWidget::StaticClassInfo() {
  static const TClassInfo info("TFuzzWidget", &TComponent::StaticClassInfo(), [](TClassInfo& c) {
    c.SetFactory(ComponentFactory<TFuzzWidget>());
    TPropertyBuilder<TFuzzWidget>(c)
        .Integer("Left", &TFuzzWidget::Left)
        .Integer("Small", &TFuzzWidget::Small)
        .Float("Ratio", &TFuzzWidget::Ratio)
        .Boolean("Visible", &TFuzzWidget::Visible)
        .String("Caption", &TFuzzWidget::Caption)
        .Color("Color", &TFuzzWidget::Color)
        .Enumeration("Align", {"alNone", "alTop", "alClient"}, &TFuzzWidget::Align)
        .Set("Style", {"fsBold", "fsItalic"}, &TFuzzWidget::Style)
        .Object("Lines", &TFuzzWidget::Lines)
        .Collection("Items", &TFuzzWidget::Items)
        .Component<TComponent>("Buddy", &TFuzzWidget::Buddy)
        .Event("OnClick", &TFuzzWidget::OnClick);
  });
  return info;
}

class TFuzzForm : public TFuzzWidget {
 public:
  TRAINER_CLASS_INFO()
  explicit TFuzzForm(TComponent* owner) : TFuzzWidget(owner) {
    PublishMethod("Click", &TFuzzForm::Click);
    PublishField("W1", w1_);
  }
  void Click(TObject*) {}

 private:
  TFuzzWidget* w1_ = nullptr;
};

const TClassInfo& TFuzzForm::StaticClassInfo() {
  static const TClassInfo info("TFuzzForm", &TFuzzWidget::StaticClassInfo());
  return info;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static TClassRegistry* registry = [] {
    auto* r = new TClassRegistry;
    r->Register<TFuzzWidget>();
    return r;
  }();
  TFuzzForm form(nullptr);
  LayoutReader reader(*registry, [](std::string_view) { return std::nullopt; });
  try {
    reader.Read(form, "fuzz.lfm", std::string_view(reinterpret_cast<const char*>(data), size));
  } catch (const LayoutError&) {
  }
  return 0;
}
