#pragma once

namespace lumivox {

class IndexModel;
class Prompter;

// Debug mode pauses the key poll, the line-count read and auto-save; it is
// nothing but the state of those timers and of the two menu items. The
// message comes first: the timers switch once the user has closed it.
// The report commands call these too, whatever state the items are in.
void enterDebugMode(IndexModel& view, Prompter& prompter);
void leaveDebugMode(IndexModel& view, Prompter& prompter);

}  // namespace lumivox
