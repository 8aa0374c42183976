#pragma once
#include <string>

namespace lumivox {

class IndexWindow;

// The last start-up steps: UserNumberTi on, then the counter page at path.
void startCounterPage(IndexWindow& window, const std::string& path);

}  // namespace lumivox
