#pragma once
// What the window hook keeps of an adapter that skins a window the program
// did not create (a platform dialog, a control inside it): it subclasses the
// window, paints it from its skin section and answers SKC_QUERY_SKINNED.
// The adapter releases the window when it is destroyed itself.
#include <string>

#include "platform/windowing/WinTypes.h"

class TacWindowAdapter {
 public:
  virtual ~TacWindowAdapter() = default;
  virtual HWND Window() const = 0;
  virtual const std::string& SkinSection() const = 0;
  // The window was destroyed under the adapter.
  virtual bool Destroyed() const = 0;
};
