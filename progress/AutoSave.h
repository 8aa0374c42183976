#pragma once

namespace lumivox {

class IndexModel;
struct DialogueState;

inline constexpr const char* kAutoSavedText = "自动保存成功！";
inline constexpr const char* kAutoSaveFailedText = "自动保存失败。发生未知错误。";

// One tick of Timer3: the active track's key goes into its auto-save file,
// the other track's file is left alone. A failure only shows in the status
// line; the next tick tries again. While the track has shown nothing in this
// run the tick does nothing at all.
void autoSaveTick(DialogueState& state, IndexModel& view);

}  // namespace lumivox
