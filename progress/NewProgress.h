#pragma once

namespace lumivox {

class Prompter;
struct DialogueState;

// Starts the main story over once the user says Yes: the next advance on the
// main track shows line 0. Nothing else changes, the screen included.
void newProgress(DialogueState& state, Prompter& prompter);

}  // namespace lumivox
