#pragma once

namespace lumivox {

class IndexModel;
struct DialogueState;

inline constexpr const char* kEndOfDialogueText = "嗯。。对话就到这里了。。期待更新哦。";

// Keeps the hidden library path fields current: the current directory
// followed by each library's relative path.
void refreshLibraryPaths(DialogueState& state, IndexModel& view);

// One tick of the 20 ms key poll, told whether it advances (the player keys
// decide that from the advance key's presses): the active track shows the
// line its counter names and moves on. A failure ends the tick silently with
// what was done so far kept.
void pollTick(DialogueState& state, bool advancePressed, IndexModel& view);

// One tick of the one-shot read of the active track's line count into the
// progress bar's maximum; the timer switches itself off after a good read and
// otherwise stays on to try again.
void lineCountTick(DialogueState& state, IndexModel& view);

}  // namespace lumivox
