#include "SkinCommandRecorder.h"

#include "platform/windowing/WinMessages.h"
#include "skin/SkinCommandMessage.h"
#include "skin/TsSkinManager.h"

namespace {

const char* CommandName(WORD command) {
  switch (command) {
    case SKC_SKIN_LOADED: return "loaded";
    case SKC_SKIN_REMOVED: return "removed";
    case SKC_SKIN_CHANGED: return "changed";
    case SKC_FADE_DONE: return "fade";
    case SKC_MOUSE_ENTER: return "enter";
    case SKC_MOUSE_LEAVE: return "leave";
    default: return nullptr;  // queries are not written down
  }
}

}  // namespace

void SkinCommandLog::Add(const std::string& receiver, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_SETREDRAW) {
    entries_.push_back({receiver + (wParam ? ":redraw on" : ":redraw off"), 0, false, false, false});
    return;
  }
  if (msg != SM_SKINCOMMAND) return;
  const char* name = CommandName(SkinCommandOf(wParam));
  if (name == nullptr) return;
  entries_.push_back({receiver + ":" + name, lParam, TsSkinManager::NewSkin(), TsSkinManager::Removing(),
                      TsSkinManager::SkinChanging()});
}

std::vector<std::string> SkinCommandLog::Texts() const {
  std::vector<std::string> texts;
  for (const SkinCommandSeen& e : entries_) texts.push_back(e.Text);
  return texts;
}

TRecordingForm::TRecordingForm(TComponent* owner, std::string label, SkinCommandLog& log)
    : TForm(owner), label_(std::move(label)), log_(log) {}

void TRecordingForm::WndProc(TMessage& message) {
  log_.Add(label_, message.Msg, message.WParam, message.LParam);
  if (message.Msg == SM_SKINCOMMAND && OnCommand) OnCommand(SkinCommandOf(message.WParam));
  if (message.Msg == SM_SKINCOMMAND && SkinCommandOf(message.WParam) == SKC_QUERY_SKINNED && AnswerSkinned) {
    message.Result = 1;
    return;
  }
  if (message.Msg == SM_SKINCOMMAND && SkinCommandOf(message.WParam) == SKC_GET_FRAME_PROVIDER) {
    message.Result = FrameProvider;
    return;
  }
  TForm::WndProc(message);
}

TRecordingControl::TRecordingControl(TComponent* owner, std::string label, SkinCommandLog& log)
    : TCustomControl(owner), label_(std::move(label)), log_(log) {}

void TRecordingControl::WndProc(TMessage& message) {
  log_.Add(label_, message.Msg, message.WParam, message.LParam);
  TCustomControl::WndProc(message);
}
