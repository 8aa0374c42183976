#pragma once
#include "dialogue/PlayerKeys.h"

namespace lumivox {

class UserSettings;

// [Keys] Pause=, StepBack=, StepForward= and Lines= of the settings, each a
// combination as KeyCombo writes it, empty for none. A missing one keeps its
// default; one that cannot be read keeps its default and becomes a problem.
PlayerKeySet readPlayerKeys(UserSettings& settings);
// Sets all four; the caller saves.
void storePlayerKeys(UserSettings& settings, const PlayerKeySet& keys);

}  // namespace lumivox
