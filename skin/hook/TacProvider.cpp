#include "skin/hook/TacProvider.h"

#include "skin/frame/TsSkinProvider.h"
#include "skin/hook/TacWindowAdapter.h"

TacProvider::~TacProvider() {
  // Child adapters let go of their windows before the dialog's skinner.
  adapters_.clear();
  dialogSkinner_.reset();
}

void TacProvider::SetFormProvider(TsSkinProvider* provider, HWND window) {
  formProvider_ = provider;
  formAlive_ = provider ? provider->Alive() : std::weak_ptr<bool>();
  window_ = window;
}

TsSkinProvider* TacProvider::FormProvider() const { return formAlive_.expired() ? nullptr : formProvider_; }

void TacProvider::SetDialogSkinner(std::unique_ptr<TacWindowAdapter> skinner) { dialogSkinner_ = std::move(skinner); }

bool TacProvider::DialogDestroyed() const { return dialogSkinner_ && dialogSkinner_->Destroyed(); }
