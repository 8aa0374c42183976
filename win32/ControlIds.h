#pragma once
#include <cstddef>
#include <string_view>

#include "common/ControlTable.h"

namespace lumivox {

// A control's identifier is its place in the window's control table, so that
// tools outside the program (the end-to-end probe) find it by its name.
inline constexpr int kFirstControlId = 100;

inline int controlId(std::size_t tableIndex) { return kFirstControlId + static_cast<int>(tableIndex); }

// The control's identifier, or 0 for a name the table does not have.
inline int controlId(const ControlTable& form, std::string_view name) {
  for (std::size_t i = 0; i < form.controls.size(); ++i)
    if (form.controls[i].name == name) return controlId(i);
  return 0;
}

}  // namespace lumivox
