#include "app/FeatureCommands.h"

namespace lumivox {

void connectDialogueCommands(IndexWindow&) {}

}  // namespace lumivox
