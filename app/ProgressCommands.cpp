#include "app/FeatureCommands.h"

namespace lumivox {

void connectProgressCommands(IndexWindow&) {}

}  // namespace lumivox
