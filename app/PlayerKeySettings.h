#pragma once
#include "dialogue/PlayerKeys.h"

namespace lumivox {

class UserSettings;

// [Keys] Pause=, StepBack=, StepForward= and Lines= of the settings, each a
// combination as KeyCombo writes it, empty for none. A missing one keeps its
// default; one that cannot be read keeps its default and becomes a problem;
// one an earlier name has, or the dialogue key alone, is left without keys
// and becomes a problem.
PlayerKeySet readPlayerKeys(UserSettings& settings, int dialogueKey);
// Sets each key whose text in the file, as this copy knows it, means other
// keys: another copy of the program may have changed the others. The caller
// saves.
void storePlayerKeys(UserSettings& settings, const PlayerKeySet& keys);

}  // namespace lumivox
