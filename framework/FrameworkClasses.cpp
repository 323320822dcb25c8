#include "framework/FrameworkClasses.h"

#include "framework/TBevel.h"
#include "framework/TBitBtn.h"
#include "framework/TButton.h"
#include "framework/TClassRegistry.h"
#include "framework/TComboBox.h"
#include "framework/TEdit.h"
#include "framework/TGroupBox.h"
#include "framework/TListBox.h"
#include "framework/TCustomForm.h"
#include "framework/TImage.h"
#include "framework/TImageList.h"
#include "framework/TLabel.h"
#include "framework/TShape.h"
#include "framework/TSpeedButton.h"
#include "framework/TSpinEdit.h"
#include "framework/TPopupMenu.h"
#include "framework/TTimer.h"

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
