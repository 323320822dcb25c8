#include "controls/ControlsClasses.h"

#include "controls/TsBevel.h"
#include "controls/TsComboBox.h"
#include "controls/TsEdit.h"
#include "controls/TsGauge.h"
#include "controls/TsGroupBox.h"
#include "controls/TsListBox.h"
#include "controls/buttons/TsBitBtn.h"
#include "controls/buttons/TsButton.h"
#include "controls/buttons/TsSpeedButton.h"
#include "controls/hints/TsHintManager.h"
#include "controls/labels/TsLabel.h"
#include "controls/labels/TsLabelFX.h"
#include "controls/labels/TsWebLabel.h"
#include "framework/controls/MessageForm.h"
#include "framework/streaming/TClassRegistry.h"

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
