#include "controls/ControlsClasses.h"

#include "controls/TsBevel.h"
#include "controls/TsBitBtn.h"
#include "controls/TsButton.h"
#include "controls/TsComboBox.h"
#include "controls/TsEdit.h"
#include "controls/TsGauge.h"
#include "controls/TsGroupBox.h"
#include "controls/TsHintManager.h"
#include "controls/TsLabel.h"
#include "controls/TsLabelFX.h"
#include "controls/TsListBox.h"
#include "controls/TsSpeedButton.h"
#include "controls/TsWebLabel.h"
#include "framework/MessageForm.h"
#include "framework/TClassRegistry.h"

void RegisterControlsClasses(TClassRegistry& registry) {
  registry.Register<TsBevel>();
  registry.Register<TsBitBtn>();
  registry.Register<TsButton>();
  registry.Register<TsComboBox>();
  registry.Register<TsEdit>();
  registry.Register<TsGauge>();
  registry.Register<TsGroupBox>();
  registry.Register<TsHintManager>();
  registry.Register<TsLabel>();
  registry.Register<TsLabelFX>();
  registry.Register<TsListBox>();
  registry.Register<TsSpeedButton>();
  registry.Register<TsWebLabel>();
  // The framework's message boxes get the skinned push button for their OK.
  TMessageForm::SetButtonMaker([](TComponent* owner) -> TButton* { return new TsButton(owner); });
}
