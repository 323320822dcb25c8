// The subclassing helper: an owner's procedure over the window's, the
// window given back only while that procedure is still on top.
#include <memory>
#include <string>
#include <vector>

#include "WindowingTestSupport.h"
#include "platform/windowing/WindowSubclass.h"
#include "tests/platform/windowing/LaterSubclasser.h"

namespace {

class WindowSubclassTest : public WindowingTest {
 protected:
  // Sends the probe; answers the owners that heard it, in order.
  std::vector<std::string> probe(HWND w) {
    heard.clear();
    clearLog();
    SendMessage(w, kProbe, 0, 0);
    return heard;
  }

  static constexpr const char* kProp = "TestSubclass";
  static constexpr UINT kProbe = WM_USER + 7;
  static constexpr UINT kConsumed = WM_USER + 8;
  static inline std::vector<std::string> heard;

  // The owner behind the helper's procedure: it names itself on the probe
  // and answers kConsumed without passing it on.
  struct Owner {
    std::string Name;
    WindowSubclass Subclass{kProp};
  };
  static LRESULT ownerProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* owner = static_cast<Owner*>(WindowSubclass::OwnerOf(hwnd, kProp));
    if (!owner) return WindowSubclass::PassOn(hwnd, kProp, msg, wParam, lParam);
    if (msg == kProbe) heard.push_back(owner->Name);
    if (msg == kConsumed) return 42;
    return owner->Subclass.CallPrevious(msg, wParam, lParam);
  }
  static WNDPROC procedureOf(HWND w) { return reinterpret_cast<WNDPROC>(GetWindowLongPtr(w, GWLP_WNDPROC)); }
};

TEST_F(WindowSubclassTest, TheOwnerHearsFirstPassesOnAndGivesTheWindowBack) {
  const HWND w = makeTop("s", Bounds(0, 0, 100, 100));
  const WNDPROC original = procedureOf(w);
  Owner owner{"owner"};
  ASSERT_TRUE(owner.Subclass.Install(w, &ownerProc, &owner));
  EXPECT_EQ(procedureOf(w), &ownerProc);
  EXPECT_EQ(WindowSubclass::OwnerOf(w, kProp), &owner);
  EXPECT_EQ(probe(w), (std::vector<std::string>{"owner"}));
  EXPECT_EQ(count(w, kProbe), 1) << "passed on to the window's own procedure";
  clearLog();
  EXPECT_EQ(SendMessage(w, kConsumed, 0, 0), 42);
  EXPECT_EQ(count(w, kConsumed), 0) << "consumed by the owner";

  owner.Subclass.Release();
  EXPECT_EQ(procedureOf(w), original);
  EXPECT_EQ(WindowSubclass::OwnerOf(w, kProp), nullptr);
  EXPECT_EQ(GetProp(w, "TestSubclass.Previous"), nullptr) << "nothing is left on the window";
  EXPECT_TRUE(probe(w).empty());
  EXPECT_EQ(count(w, kProbe), 1);
  EXPECT_FALSE(owner.Subclass.Install(nullptr, &ownerProc, &owner));
  DestroyWindow(w);
}

TEST_F(WindowSubclassTest, ALaterSubclasserStaysInTheChainWhenTheEarlierOwnerGoes) {
  const HWND w = makeTop("s", Bounds(0, 0, 100, 100));
  auto owner = std::make_unique<Owner>();
  owner->Name = "owner";
  owner->Subclass.Install(w, &ownerProc, owner.get());
  LaterSubclasser later(w);
  owner.reset();  // gives the window back as it goes
  EXPECT_TRUE(later.OnTop()) << "the later procedure is still the window's";
  EXPECT_TRUE(probe(w).empty());
  EXPECT_EQ(LaterSubclasser::Heard(kProbe), 1);
  EXPECT_EQ(count(w, kProbe), 1) << "the given-back procedure passes everything on";
  clearLog();
  EXPECT_EQ(SendMessage(w, kConsumed, 0, 0), 0);
  EXPECT_EQ(count(w, kConsumed), 1) << "no owner consumes it any more";

  // When the later one takes itself out, the chain below it still ends at the window.
  later.Remove();
  probe(w);
  EXPECT_EQ(count(w, kProbe), 1);
  DestroyWindow(w);
}

TEST_F(WindowSubclassTest, ANewOwnerTakesTheGivenBackPlaceInsteadOfCallingItself) {
  const HWND w = makeTop("s", Bounds(0, 0, 100, 100));
  const WNDPROC original = procedureOf(w);
  auto first = std::make_unique<Owner>();
  first->Name = "first";
  first->Subclass.Install(w, &ownerProc, first.get());
  LaterSubclasser later(w);
  first.reset();
  Owner second{"second"};
  second.Subclass.Install(w, &ownerProc, &second);
  EXPECT_TRUE(later.OnTop());
  EXPECT_EQ(probe(w), (std::vector<std::string>{"second"}));
  EXPECT_EQ(LaterSubclasser::Heard(kProbe), 1);
  EXPECT_EQ(count(w, kProbe), 1) << "each heard it once";

  // With the later one gone, the owner is on top again and gives the
  // window back whole.
  later.Remove();
  second.Subclass.Release();
  EXPECT_EQ(procedureOf(w), original);
  EXPECT_EQ(GetProp(w, "TestSubclass.Previous"), nullptr);
  DestroyWindow(w);
}

}  // namespace
