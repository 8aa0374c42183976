#pragma once

namespace lumivox {

class Clipboard;
class IndexModel;
class Prompter;
struct DialogueState;

// Where the reports tell the user to write: the project's own address; it
// has no messenger number.
inline constexpr const char* kContactEmail = "maintainers@users.noreply.c-seed-3ada25b4.example";
inline constexpr const char* kContactMessenger = "无";

// The two report commands: debug mode on, the questions, the letter on the
// clipboard and where to send it, debug mode off, whatever happened between.
// The error report gives the main story's line key whichever track is active.
void runErrorReport(const DialogueState& state, IndexModel& view, Prompter& prompter, Clipboard& clipboard);
void runSuggestionReport(IndexModel& view, Prompter& prompter, Clipboard& clipboard);

}  // namespace lumivox
