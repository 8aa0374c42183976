#include "app/FeatureCommands.h"

namespace lumivox {

void connectInfoCommands(IndexWindow&) {}

}  // namespace lumivox
