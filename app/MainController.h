#pragma once
#include <functional>
#include <map>
#include <optional>
#include <string>

#include "common/CommandId.h"
#include "common/ControlTable.h"
#include "common/TimerSwitches.h"
#include "platform/KeyWatch.h"
#include "dialogue/DialogueState.h"
#include "dialogue/HotkeySetup.h"
#include "dialogue/IndexModel.h"
#include "dialogue/OwnFocusLatch.h"
#include "dialogue/PlayerKeys.h"
#include "dialogue/ProgressRange.h"
#include "app/LinesController.h"
#include "app/CheckReportController.h"
#include "app/ShowController.h"
#include "app/UserSettings.h"
#include "app/WindowLook.h"
#include "show/ShowFrmSteps.h"

namespace lumivox {

class Clipboard;
class IndexView;
class IndexWindows;
class KeyWatch;
class ProgramStarter;
class Prompter;
class Registry;

// What the main window's logic needs from outside: the front end's boxes,
// clock and windows, and the platform's services. Those left empty make their
// commands fail with their own message.
struct MainServices {
  Prompter* prompter = nullptr;
  KeyWatch* keys = nullptr;
  Ticker* ticker = nullptr;
  IndexWindows* windows = nullptr;
  Clipboard* clipboard = nullptr;
  Registry* registry = nullptr;
  ProgramStarter* programs = nullptr;
  std::function<bool()> anotherInstanceRunning;
  // Ends the program at once: no further events, nothing saved.
  std::function<void()> endProgram;
  // Why the key watch hears nothing; None when it runs.
  KeyWatchProblem keyWatchProblem = KeyWatchProblem::None;
  // A Wayland desktop, where the watch hears only the X clients' keys.
  bool waylandSession = false;
  // Hands a call to the GUI thread from any thread without waiting: the
  // library check's result. Empty: the check runs where it is asked for.
  CheckReportController::Post postToGui;
  // The player's settings file, read as the window loads; none: kept in
  // memory for the run only.
  UserSettings* settings = nullptr;
  // The focused window of any program, for the lines window; none: it opens
  // where the game may be and Esc leaves the focus to the system.
  WindowFocus* windowFocus = nullptr;
};

// The main window's logic: it owns the program-wide dialogue state and
// decides what every command, tick, focus change and close request does.
// The front end shows it through the view and forwards events to it.
class MainController final : public IndexModel, public ShowHost, public PlayerKeysHost {
 public:
  MainController(IndexView& view, MainServices services);

  // The window's load: the start-up sequence, with the timers started as
  // designed once this copy stays. False when the program was ended during it.
  bool start();
  // Once the window shows: what the player must know before anything else.
  void onShown();

  void onCommand(CommandId command);
  // A mouse button pressed on a label of the window and released over it.
  void onLabelReleased(const ControlRow& label, bool leftButton);
  void onTimer(TimerId timer);
  // The window's own keyboard focus (not its activation).
  void onFocus(bool gained);
  // The keyboard focus entering or leaving the program's windows and boxes,
  // reported as the platform tells it.
  void onProgramFocus(bool ours) {
    ownFocus_.focusChanged(ours);
    lines_.follow();
  }
  // True when the window may close; the program has then been ended.
  bool onCloseRequested();
  void onAboutClosed();
  // What every box of the program goes through, the secondary windows' too.
  Prompter& prompter() { return prompter_; }
  // The player's settings, read once at start-up.
  UserSettings& settings() { return *services_.settings; }
  const WindowLook& windowLook() const { return look_; }

  DialogueState& state() { return state_; }
  bool timerOn(TimerId timer) const { return timers_.on(timer); }
  int timerInterval(TimerId timer) const { return timers_.interval(timer); }
  bool commandEnabled(CommandId command) const;

  // IndexModel
  void setStatusText(const std::string& text) override;
  void setDialogueText(const std::string& text) override;
  void setPercentText(const std::string& text) override;
  void setLibraryPaths(const std::string& mainPath, const std::string& doorPath) override;
  std::string mainLibraryPath() const override { return mainPath_; }
  std::string doorLibraryPath() const override { return doorPath_; }
  bool setBarMaximum(float maximum) override;
  bool setBarValue(float value) override;
  float barMaximum() const override { return bar_.maximum(); }
  float barValue() const override { return bar_.value(); }
  void setCommandEnabled(CommandId command, bool enabled) override;
  void setTimerEnabled(TimerId timer, bool enabled) override;
  void setTimerInterval(TimerId timer, int milliseconds) override;
  void setLoadedText(Track track, const std::string& text) override;

  // ShowHost
  void pauseForShowWindow() override;
  void resumeAfterShowWindow() override;

  // PlayerKeysHost
  const PlayerKeySet& playerKeys() const override { return playerKeys_.keys(); }
  void setPlayerKeys(const PlayerKeySet& keys) override;
  int dialogueKey() const override;
  bool countingPaused() const { return paused_; }

 private:
  bool askToExit();
  void loadProgress(Track track, std::string_view relativePath);
  void showBar();
  void counterPageTick();
  void keyPollTick();
  void onPlayerKey(PlayerAction action);
  void togglePause();
  void openOwnWindow(const std::function<void()>& open);
  void showWindowLook();
  void changeWindowLook(const WindowLook& look);

  IndexView& view_;
  MainServices services_;
  OwnFocusLatch ownFocus_;
  LatchingPrompter prompter_;
  DialogueState state_;
  TimerSwitches timers_;
  ProgressRange bar_;
  std::string mainPath_, doorPath_;
  std::map<CommandId, bool> enabled_;
  bool counterPageLoading_ = false;
  // What the status line says once the start-up's own messages are through.
  std::string startupLastStatus_;
  // The lines window follows every event that may move a counter or the track.
  LinesController lines_;
  struct FollowAfter {
    LinesController& lines;
    ~FollowAfter() { lines.follow(); }
  };
  bool aboutOpen_ = false;
  PlayerKeys playerKeys_;
  bool paused_ = false;  // the dialogue key counts nothing
  UserSettings inMemorySettings_;
  WindowLook look_;
  ShowFrmMembers showMembers_;
  CheckReportController checkReport_{services_.postToGui};
  // The timers as they were when the show window opened.
  std::optional<std::map<TimerId, bool>> beforeShowWindow_;
};

}  // namespace lumivox
