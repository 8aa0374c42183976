#pragma once
#include <optional>
#include <string>

#include "app/CheckReportController.h"
#include "common/ScreenRect.h"

namespace lumivox {

class IndexModel;
class LinesController;
class ShowHost;
struct DialogueState;
struct ShowFrmMembers;

// The main window's secondary windows, as a front end opens them. Each
// window runs its own small logic; modal ones return at once all the same.
class IndexWindows : public CheckReportWindows {
 public:
  ~IndexWindows() override = default;
  virtual void openHotkeys() = 0;                    // HotkeysSetup, modal
  virtual void openJump(DialogueState& state) = 0;   // TextNO, modal
  virtual void openAutoSave(IndexModel& index) = 0;  // AutoSave, modal, after its load
  virtual void openHelp() = 0;                       // Help, modal
  // About, modeless and without an owner but the main window while that
  // stays on top (so it stands above it); the front end tells the
  // controller when it has gone.
  virtual void openAbout(const std::string& mainLibraryPath) = 0;
  virtual void raiseAbout() = 0;
  // ShowFrm: created (its load runs) and opened with its logic.
  virtual void openShowWindow(ShowFrmMembers& members, ShowHost& host) = 0;
  // The lines window (对话列表), modeless and without an owner, shown without
  // taking the focus, where placeLinesWindow puts it beside the main window
  // and clear of the game's frame when known; it attaches itself to its
  // controller as it opens and detaches as it goes.
  virtual void openLines(LinesController& lines, const std::optional<ScreenRect>& game) = 0;
  // The main window's stay-on-top and opacity, told at start and on every
  // change, for the windows that follow it and those it owns while on top
  // (now and when they open later).
  virtual void applyWindowLook(bool onTop, int opacityPercent) = 0;
};

}  // namespace lumivox
