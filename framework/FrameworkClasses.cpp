#include "framework/FrameworkClasses.h"

#include "framework/TCustomForm.h"
#include "framework/TTimer.h"
#include "framework/controls/TBevel.h"
#include "framework/controls/TBitBtn.h"
#include "framework/controls/TButton.h"
#include "framework/controls/TComboBox.h"
#include "framework/controls/TEdit.h"
#include "framework/controls/TGroupBox.h"
#include "framework/controls/TImage.h"
#include "framework/controls/TLabel.h"
#include "framework/controls/TListBox.h"
#include "framework/controls/TPopupMenu.h"
#include "framework/controls/TShape.h"
#include "framework/controls/TSpeedButton.h"
#include "framework/controls/TSpinEdit.h"
#include "framework/graphics/TImageList.h"
#include "framework/streaming/TClassRegistry.h"

void RegisterFrameworkClasses() {
  TClassRegistry& registry = TClassRegistry::Global();
  registry.Register<TForm>();
  registry.Register<TButton>();
  registry.Register<TLabel>();
  registry.Register<TPopupMenu>();
  registry.Register<TImageList>();
  registry.Register<TTimer>();
  registry.Register<TShape>();
  registry.Register<TBevel>();
  registry.Register<TImage>();
  registry.Register<TListBox>();
  registry.Register<TComboBox>();
  registry.Register<TEdit>();
  registry.Register<TGroupBox>();
  registry.Register<TSpinEdit>();
  registry.Register<TSpeedButton>();
  registry.Register<TBitBtn>();
}
