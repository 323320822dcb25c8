#include "framework/FrameworkClasses.h"

#include "framework/TButton.h"
#include "framework/TClassRegistry.h"
#include "framework/TCustomForm.h"
#include "framework/TLabel.h"
#include "framework/TTimer.h"

void RegisterFrameworkClasses() {
  TClassRegistry& registry = TClassRegistry::Global();
  registry.Register<TForm>();
  registry.Register<TButton>();
  registry.Register<TLabel>();
  registry.Register<TTimer>();
}
