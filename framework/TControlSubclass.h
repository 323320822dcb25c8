#pragma once
// Taking over a control's replaceable handler (TControl::WindowProc) by the
// rule windows are subclassed with (platform/windowing/WindowSubclass.h): the
// previous handler hears what the new one does not consume, and giving the
// control back puts the previous handler in place only while the new one is
// still the control's handler. When someone took the handler over later,
// that would cut them out; the new handler then stays in the chain and
// passes every message on.
#include <memory>

#include "framework/TControl.h"

class TControlSubclass {
 public:
  TControlSubclass() = default;
  // Forgets the control without touching it (it may be half destroyed by
  // now): a handler left in its chain passes everything on from here.
  ~TControlSubclass();
  TControlSubclass(const TControlSubclass&) = delete;
  TControlSubclass& operator=(const TControlSubclass&) = delete;

  // Puts `handler` in place of the control's handler.
  void Install(TControl& control, TWndMethod handler);
  // Gives the control back as said above.
  void Release();
  bool Installed() const { return control_ != nullptr; }
  // Hands a message to the handler before the installed one.
  void CallPrevious(TMessage& message) const;

 private:
  // Shared between this object and the handler standing in the control's
  // chain, which may outlive it.
  struct Link {
    TWndMethod Handler;
    TWndMethod Previous;
    bool Active = true;
  };
  // What stands in the control's WindowProc.
  struct Forwarder {
    std::shared_ptr<Link> Shared;
    void operator()(TMessage& message) const;
  };

  TControl* control_ = nullptr;
  std::shared_ptr<Link> link_;
};
