#pragma once
// The common base of the skinned labels: a transparent windowless label that
// can name a skin section to paint behind its text. Without a skin engine
// behind it yet, it draws as the plain label does.
#include <string>

#include "framework/TLabel.h"

class TsCustomLabel : public TLabel {
 public:
  TRAINER_CLASS_INFO()

  explicit TsCustomLabel(TComponent* owner);

  const std::string& SkinSection() const { return skinSection_; }
  void SetSkinSection(const std::string& section);

 protected:
  // Repaints after a change of a published setting, except while loading.
  void Changed();

 private:
  std::string skinSection_;
};
