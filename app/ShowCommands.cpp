#include "app/FeatureCommands.h"

namespace lumivox {

void connectShowCommands(IndexWindow&) {}

}  // namespace lumivox
