#pragma once

namespace lumivox {

class Clipboard;
class IndexModel;
class Prompter;
struct DialogueState;

// The two report commands: debug mode on, the questions, the letter on the
// clipboard and where to send it (the main library's contact), debug mode
// off, whatever happened between. The error report gives the main story's
// line key whichever track is active.
void runErrorReport(const DialogueState& state, IndexModel& view, Prompter& prompter, Clipboard& clipboard);
void runSuggestionReport(IndexModel& view, Prompter& prompter, Clipboard& clipboard);

}  // namespace lumivox
