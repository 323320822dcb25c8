#include <gtest/gtest.h>

#include "framework/streaming/TClassRegistry.h"
#include "framework/streaming/TPropertyBuilder.h"
#include "tests/framework/DemoComponents.h"

namespace {

class TCounter : public TComponent {
 public:
  TRAINER_CLASS_INFO()
  explicit TCounter(TComponent* owner) : TComponent(owner) {}
  std::uint8_t Small = 0;
  std::uint16_t Time = 100;
  int Count() const { return count_; }
  void SetCount(int value) {
    ++writes;
    count_ = value;
  }
  int writes = 0;

 private:
  int count_ = 0;
};

const TClassInfo& TCounter::StaticClassInfo() {
  static const TClassInfo info("TCounter", &TComponent::StaticClassInfo(), [](TClassInfo& c) {
    c.SetFactory(ComponentFactory<TCounter>());
    TPropertyBuilder<TCounter>(c)
        .Integer("Small", &TCounter::Small)
        .Integer("Time", &TCounter::Time)
        .Integer("Count", &TCounter::Count, &TCounter::SetCount);
  });
  return info;
}

TEST(ClassInfo, PropertiesAreFoundThroughAncestorsWithoutCase) {
  const TClassInfo& info = TDemoPanel::StaticClassInfo();
  const TPropertyInfo* caption = info.FindProperty("caption");
  ASSERT_NE(caption, nullptr);
  EXPECT_EQ(caption->Name, "Caption");
  EXPECT_NE(info.FindProperty("TAG"), nullptr);  // from TComponent
  EXPECT_EQ(info.FindProperty("Skins"), nullptr);
  EXPECT_TRUE(info.InheritsFrom(TComponent::StaticClassInfo()));
  EXPECT_FALSE(TComponent::StaticClassInfo().InheritsFrom(info));
}

TEST(ClassInfo, TypedAccessorsConvertAndLimitValues) {
  const TClassInfo& info = TCounter::StaticClassInfo();
  EXPECT_EQ(info.FindProperty("Small")->Max, 255);
  EXPECT_EQ(info.FindProperty("Small")->Min, 0);
  EXPECT_EQ(info.FindProperty("Time")->Max, 65535);
  TCounter counter(nullptr);
  const TPropertyInfo* count = info.FindProperty("Count");
  count->Write(counter, std::int64_t{42});
  EXPECT_EQ(counter.Count(), 42);
  EXPECT_EQ(counter.writes, 1);  // through the setter, not the field
  EXPECT_EQ(std::get<std::int64_t>(count->Read(counter)), 42);
  // An accessor used on an object of another class refuses.
  TDemoWidget other(nullptr);
  EXPECT_THROW(count->Write(other, std::int64_t{1}), std::logic_error);
}

TEST(ClassInfo, RegistryCreatesByNameAndRefusesClashes) {
  TClassRegistry registry;
  registry.Register<TCounter>();
  registry.Register<TCounter>();  // again: harmless
  const TClassInfo* found = registry.Find("tcounter");
  ASSERT_NE(found, nullptr);
  TComponent owner(nullptr);
  TComponent* made = found->Create(&owner);
  ASSERT_NE(dynamic_cast<TCounter*>(made), nullptr);
  EXPECT_EQ(made->Owner(), &owner);
  EXPECT_EQ(registry.Find("TUnknown"), nullptr);
  // A class without a factory cannot be created by name.
  EXPECT_THROW(registry.Register(TDemoForm::StaticClassInfo()), std::logic_error);
  static const TClassInfo impostor("TCounter", &TComponent::StaticClassInfo(),
                                   [](TClassInfo& c) { c.SetFactory(ComponentFactory<TComponent>()); });
  EXPECT_THROW(registry.Register(impostor), std::logic_error);
  // Properties registered twice are a programming error found at once.
  EXPECT_THROW(TClassInfo("TTwice", nullptr,
                          [](TClassInfo& c) {
                            TPropertyBuilder<TCounter>(c).Integer("Small", &TCounter::Small).Integer("small", &TCounter::Small);
                          }),
               std::logic_error);
}

}  // namespace
