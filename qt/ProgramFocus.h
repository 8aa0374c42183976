#pragma once

namespace lumivox {

// Whether a window or box of this program holds the keyboard focus right
// now: asked of the X server itself, since the toolkit hears of a focus
// change only some hundred milliseconds later. Elsewhere than on X11, the
// toolkit's own answer.
bool programHasKeyboardFocus();

}  // namespace lumivox
