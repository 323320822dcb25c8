#pragma once
// Forms and controls that write down the skin commands they receive, with
// the manager's phase flags as the receiver saw them.
#include <functional>
#include <string>
#include <vector>

#include "framework/TCustomControl.h"
#include "framework/TCustomForm.h"

struct SkinCommandSeen {
  std::string Text;  // "<receiver>:<command>", e.g. "A:loaded"
  LPARAM Manager = 0;
  bool NewSkin = false;
  bool Removing = false;
  bool Changing = false;
};

class SkinCommandLog {
 public:
  void Add(const std::string& receiver, UINT msg, WPARAM wParam, LPARAM lParam);
  std::vector<std::string> Texts() const;
  const std::vector<SkinCommandSeen>& Entries() const { return entries_; }
  void Clear() { entries_.clear(); }

 private:
  std::vector<SkinCommandSeen> entries_;
};

class TRecordingForm : public TForm {
 public:
  TRecordingForm(TComponent* owner, std::string label, SkinCommandLog& log);
  bool AnswerSkinned = false;      // answer SKC_QUERY_SKINNED with 1
  LRESULT FrameProvider = 0;       // answer to SKC_GET_FRAME_PROVIDER
  std::function<void(WORD)> OnCommand;  // extra work on receiving a command

 protected:
  std::string LayoutResource() const override { return {}; }
  void WndProc(TMessage& message) override;

 private:
  std::string label_;
  SkinCommandLog& log_;
};

class TRecordingControl : public TCustomControl {
 public:
  TRecordingControl(TComponent* owner, std::string label, SkinCommandLog& log);

 protected:
  void WndProc(TMessage& message) override;

 private:
  std::string label_;
  SkinCommandLog& log_;
};
