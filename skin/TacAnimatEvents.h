#pragma once
// Which state changes of a button may fade (bit i = AnimatEventNames()[i]),
// and whether a given one does with a manager's button effects.
#include <cstdint>
#include <string>
#include <vector>

class TsSkinManager;

enum TacAnimatEvent : std::uint32_t {
  aeMouseEnter = 1u << 0, aeMouseLeave = 1u << 1, aeMouseDown = 1u << 2, aeMouseUp = 1u << 3, aeGlobalDef = 1u << 4
};
using TacAnimatEvents = std::uint32_t;

inline std::vector<std::string> AnimatEventNames() {
  return {"aeMouseEnter", "aeMouseLeave", "aeMouseDown", "aeMouseUp", "aeGlobalDef"};
}

// True when the event is in the button's set; with aeGlobalDef in the set,
// the manager's AnimEffects.Buttons.Events decide (null: the default manager).
bool AnimatEventAllowed(TacAnimatEvent event, TacAnimatEvents events, const TsSkinManager* manager = nullptr);
