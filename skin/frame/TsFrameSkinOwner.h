#pragma once
// What a form frame that owns a skin state offers that state: the form it
// skins, and the reactions to a change of its section or its manager.
class TCustomForm;

class TsFrameSkinOwner {
 public:
  virtual ~TsFrameSkinOwner() = default;

  virtual TCustomForm* FrameForm() const = 0;
  // The section changed: the frame's own cached picture is dropped.
  virtual void FrameSectionChanged() = 0;
  // The manager changed: the frame refreshes what depends on the skin.
  virtual void FrameManagerChanged() = 0;
};
