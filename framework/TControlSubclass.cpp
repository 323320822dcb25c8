#include "framework/TControlSubclass.h"

#include <utility>

void TControlSubclass::Forwarder::operator()(TMessage& message) const {
  // Held here: the handler may give the control back, which frees this
  // forwarder while it runs.
  const std::shared_ptr<Link> link = Shared;
  if (link->Active) {
    link->Handler(message);
    return;
  }
  const TWndMethod previous = link->Previous;
  if (previous) previous(message);
}

TControlSubclass::~TControlSubclass() {
  if (link_) link_->Active = false;
}

void TControlSubclass::Install(TControl& control, TWndMethod handler) {
  Release();
  control_ = &control;
  link_ = std::make_shared<Link>();
  link_->Handler = std::move(handler);
  link_->Previous = control.WindowProc;
  control.WindowProc = Forwarder{link_};
}

void TControlSubclass::Release() {
  if (!control_) return;
  TControl& control = *std::exchange(control_, nullptr);
  link_->Active = false;
  const Forwarder* top = control.WindowProc.target<Forwarder>();
  if (top && top->Shared == link_) control.WindowProc = link_->Previous;
}

void TControlSubclass::CallPrevious(TMessage& message) const {
  if (!link_) return;
  // A copy: the handler may put another in its place while it runs.
  const TWndMethod previous = link_->Previous;
  if (previous) previous(message);
}
