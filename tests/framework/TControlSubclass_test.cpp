// Taking over a control's handler: the new one hears first and passes on,
// and the control gets its handler back only while the new one is on top.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "framework/TControl.h"
#include "framework/TControlSubclass.h"
#include "platform/windowing/WinUser.h"

namespace {

constexpr UINT kProbe = WM_USER + 3;

// A control whose own handling names itself on the probe.
class TProbedControl : public TControl {
 public:
  explicit TProbedControl(std::vector<std::string>& heard) : TControl(nullptr), heard_(heard) {}

 protected:
  void WndProc(TMessage& message) override {
    if (message.Msg == kProbe) heard_.push_back("control");
    TControl::WndProc(message);
  }

 private:
  std::vector<std::string>& heard_;
};

struct ControlSubclass : ::testing::Test {
  std::vector<std::string> heard;
  TProbedControl control{heard};

  std::vector<std::string> Probe() {
    heard.clear();
    control.Perform(kProbe);
    return heard;
  }
  // Installs a handler that names itself and passes everything on.
  void TakeOver(TControlSubclass& subclass, std::string name) {
    subclass.Install(control, [this, &subclass, name](TMessage& m) {
      if (m.Msg == kProbe) heard.push_back(name);
      subclass.CallPrevious(m);
    });
  }
  // Somebody else's handler, put in place by hand after the subclass's.
  void TakeOverByHand() {
    TWndMethod previous = control.WindowProc;
    control.WindowProc = [this, previous](TMessage& m) {
      if (m.Msg == kProbe) heard.push_back("later");
      previous(m);
    };
  }
};

TEST_F(ControlSubclass, TheNewHandlerHearsFirstAndTheControlGetsItsOwnBack) {
  TControlSubclass subclass;
  TakeOver(subclass, "adapter");
  EXPECT_TRUE(subclass.Installed());
  EXPECT_EQ(Probe(), (std::vector<std::string>{"adapter", "control"}));
  subclass.Release();
  EXPECT_FALSE(subclass.Installed());
  EXPECT_EQ(Probe(), (std::vector<std::string>{"control"}));
}

TEST_F(ControlSubclass, AHandlerPutInPlaceLaterStaysWhenTheSubclassGoes) {
  auto subclass = std::make_unique<TControlSubclass>();
  TakeOver(*subclass, "adapter");
  TakeOverByHand();
  subclass->Release();
  EXPECT_EQ(Probe(), (std::vector<std::string>{"later", "control"}));
  // Freed without a release (its control half gone, say): the handler it
  // left in the chain passes everything on.
  TakeOver(*subclass, "second");
  TakeOverByHand();
  subclass.reset();
  EXPECT_EQ(Probe(), (std::vector<std::string>{"later", "later", "control"}));
}

}  // namespace
