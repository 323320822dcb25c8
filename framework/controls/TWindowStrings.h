#pragma once
// The lines of a list box or combo box: kept here and mirrored into the
// control's window whenever it exists, so items can be set while loading,
// before the window is made.
#include <functional>
#include <string>
#include <vector>

#include "framework/Events.h"
#include "framework/TStrings.h"
#include "platform/windowing/WinTypes.h"

class TWindowStrings : public TStrings {
 public:
  TRAINER_CLASS_INFO()

  // The messages of the window kind: add/insert, delete and reset.
  struct Messages {
    UINT Insert;
    UINT Delete;
    UINT Reset;
  };
  TWindowStrings(std::function<HWND()> window, Messages messages);

  int Count() const override { return static_cast<int>(lines_.size()); }
  std::string Get(int index) const override;
  void Insert(int index, const std::string& text) override;
  void Delete(int index) override;
  void Clear() override;

  // Fills a newly made window with the lines.
  void CopyToWindow(HWND hwnd) const;
  TNotifyEvent OnChange;

 private:
  std::size_t Check(int index, int limit) const;
  void Changed();

  std::function<HWND()> window_;
  Messages messages_;
  std::vector<std::string> lines_;
};
