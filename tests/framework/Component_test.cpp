#include <gtest/gtest.h>

#include "framework/TComponent.h"
#include "tests/framework/DemoComponents.h"

namespace {

// Records its own destruction and every removal it hears about.
class Probe : public TComponent {
 public:
  Probe(TComponent* owner, std::string name, std::vector<std::string>* log) : TComponent(owner), log_(log) {
    SetName(name);
  }
  ~Probe() override { log_->push_back("~" + Name() + (IsDestroying() ? "" : " (not marked)")); }
  void Notification(TComponent* c, TOperation op) override {
    TComponent::Notification(c, op);
    if (op == TOperation::opRemove) {
      log_->push_back(Name() + " heard " + c->Name() + " leave");
      if (c == Partner) Partner = nullptr;
    }
  }
  TComponent* Partner = nullptr;

 private:
  std::vector<std::string>* log_;
};

TEST(Component, OwnerDestroysItsComponentsNewestFirstAndTellsTheRest) {
  std::vector<std::string> log;
  auto* root = new Probe(nullptr, "Root", &log);
  new Probe(root, "A", &log);
  auto* b = new Probe(root, "B", &log);
  new Probe(b, "B1", &log);
  ASSERT_EQ(root->ComponentCount(), 2);
  EXPECT_EQ(root->Components(1), b);
  EXPECT_EQ(b->ComponentIndex(), 1);

  root->Free();
  // A class's own destructor runs first, while its components still exist;
  // then they go newest first, each marked destroying, and the ones that
  // remain hear about each one that left.
  std::vector<std::string> expected = {"~Root", "A heard B leave", "~B", "~B1", "~A"};
  EXPECT_EQ(log, expected);
}

TEST(Component, FreeNotificationClearsReferencesAcrossOwners) {
  std::vector<std::string> log;
  TComponent formA(nullptr), formB(nullptr);
  auto* user = new Probe(&formA, "User", &log);
  auto* used = new Probe(&formB, "Used", &log);
  user->Partner = used;
  used->FreeNotification(user);

  used->Free();
  EXPECT_EQ(user->Partner, nullptr);
  EXPECT_EQ(formB.ComponentCount(), 0);

  // After the user is gone, destroying a former partner tells nobody.
  auto* other = new Probe(&formB, "Other", &log);
  other->FreeNotification(user);
  user->Free();
  log.clear();
  other->Free();
  EXPECT_EQ(log, std::vector<std::string>{"~Other"});
}

TEST(Component, NamesAreIdentifiersUniqueWithinTheOwner) {
  TComponent owner(nullptr);
  auto* a = new TComponent(&owner);
  a->SetName("Button1");
  auto* b = new TComponent(&owner);
  EXPECT_THROW(b->SetName("button1"), EComponentError);  // names compare without case
  EXPECT_THROW(b->SetName("1Button"), EComponentError);
  EXPECT_THROW(b->SetName("Bad Name"), EComponentError);
  EXPECT_EQ(b->Name(), "");
  b->SetName("_Button2");
  EXPECT_EQ(owner.FindComponent("BUTTON1"), a);
  EXPECT_EQ(owner.FindComponent("_button2"), b);
  EXPECT_EQ(owner.FindComponent("Button3"), nullptr);
  EXPECT_EQ(owner.FindComponent(""), nullptr);

  // A component moving to an owner that has its name is refused.
  TComponent other(nullptr);
  auto* clash = new TComponent(&other);
  clash->SetName("Button1");
  EXPECT_THROW(owner.InsertComponent(clash), EComponentError);
  EXPECT_EQ(clash->Owner(), &other);
}

TEST(Component, FreedComponentsLeavePublishedFieldsEmpty) {
  TDemoForm form(nullptr);
  auto* panel = new TDemoPanel(&form);
  panel->SetName("Panel1");
  ASSERT_TRUE(form.PublishedNames()->BindField("Panel1", panel));
  EXPECT_EQ(form.Panel1, panel);
  // A field refuses a component of another class.
  auto* widget = new TDemoWidget(&form);
  EXPECT_FALSE(form.PublishedNames()->BindField("Panel1", widget));
  EXPECT_EQ(form.Panel1, panel);

  panel->Free();
  EXPECT_EQ(form.Panel1, nullptr);
}

TEST(Component, StateFlagsAreClearForComponentsMadeInCode) {
  TDemoWidget w(nullptr);
  EXPECT_EQ(w.ComponentState(), 0u);
  EXPECT_FALSE(w.HasState(csDesigning));
  w.Loaded();  // harmless outside loading
  EXPECT_FALSE(w.IsLoading());
  EXPECT_EQ(w.ClassName(), "TDemoWidget");
  EXPECT_TRUE(w.InheritsFrom(TComponent::StaticClassInfo()));
  EXPECT_FALSE(w.InheritsFrom(TDemoPanel::StaticClassInfo()));
}

}  // namespace
