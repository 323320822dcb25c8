#pragma once
// The program-wide registry of forms that carry a frame-skinning object.
// The frame object adds its form when it is created and removes it when it
// is destroyed; the skin manager walks the registry after the application's
// own forms when it broadcasts a change of skin.
#include <cstddef>
#include <vector>

class TCustomForm;

class TacSkinnedForms {
 public:
  static void Register(TCustomForm* form);
  // The last entry moves into the freed place, so the order of the others
  // is not kept. A form that is not registered is ignored.
  static void Unregister(TCustomForm* form);

  static std::size_t Count() { return forms().size(); }
  // The entry at `index`, or null past the end (receivers may unregister
  // forms while the registry is walked).
  static TCustomForm* At(std::size_t index);

 private:
  static std::vector<TCustomForm*>& forms();
};
