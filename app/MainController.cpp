#include "app/MainController.h"

#include <exception>

#include "common/Prompter.h"
#include "dialogue/DebugMode.h"
#include "dialogue/Hotkeys.h"
#include "dialogue/IndexForm.h"
#include "dialogue/IndexMenu.h"
#include "app/IndexTimers.h"
#include "app/IndexView.h"
#include "app/IndexWindows.h"
#include "app/PlayerKeySettings.h"
#include "dialogue/KeyPoll.h"
#include "dialogue/KeyWatchFailure.h"
#include "dialogue/Startup.h"
#include "dialogue/TrackChoice.h"
#include "dialogue/Tracks.h"
#include "info/CounterPage.h"
#include "info/GameLauncher.h"
#include "info/Reports.h"
#include "platform/Clipboard.h"
#include "platform/KeyWatch.h"
#include "platform/ProgramStart.h"
#include "progress/AutoSave.h"
#include "progress/NewProgress.h"
#include "progress/ProgressTracks.h"
#include "progress/SaveCommands.h"
#include "progress/Stepping.h"

namespace lumivox {
namespace {

// Stands in when the program was started without a clipboard: every report
// then ends with its failure message.
class MissingClipboard final : public Clipboard {
 public:
  void clear() override { throw ClipboardError("no clipboard"); }
  void setText(const std::string&) override { throw ClipboardError("no clipboard"); }
};

// Stands in when the program was given no way to start programs: the launch
// then fails with its message instead of doing nothing.
class NoProgramStarter final : public ProgramStarter {
 public:
  bool start(const std::string&, const std::string&) override { return false; }
};

// The progress bar of a platform has whole steps: this many show any range finely.
constexpr int kBarSteps = 10000;

// The main window's timers that stand still while the show window is open.
constexpr TimerId kShowWindowPauses[] = {TimerId::TimeChr, TimerId::Timer1, TimerId::Timer2, TimerId::Timer3};

}  // namespace

MainController::MainController(IndexView& view, MainServices services)
    : view_(view),
      services_(std::move(services)),
      prompter_(*services_.prompter, ownFocus_),
      timers_(*services_.ticker, indexTimers()),
      lines_(state_, *this, services_.windowFocus, [this] { ownFocus_.ownWindowMoment(); }) {
  services_.prompter = &prompter_;
  if (!services_.settings) services_.settings = &inMemorySettings_;
  for (const MenuEntry& entry : indexMenu())
    if (entry.kind == MenuEntry::Kind::Item) enabled_[entry.command] = entry.initiallyEnabled;
  for (const ControlRow& control : indexForm().controls)
    if (control.click != CommandId::None) enabled_[control.click] = true;
  showBar();
}

bool MainController::start() {
  settings().load();
  look_ = readWindowLook(settings());
  showWindowLook();
  StartupServices startup;
  startup.prompter = services_.prompter;
  startup.anotherInstanceRunning = services_.anotherInstanceRunning;
  startup.endProgram = services_.endProgram;
  // A second copy's ticks would count presses and auto-save over the first
  // copy's files while its warning is still open.
  startup.startRunning = [this] { timers_.startAsDesigned(); };
  if (Registry* registry = services_.registry)
    startup.readGameFolder = [registry](const std::string& defaultFolder) {
      return readGameFolder(*registry, defaultFolder);
    };
  startup.startCounterPage = [this](const std::string&) {
    setTimerEnabled(TimerId::UserNumberTi, true);
    counterPageLoading_ = true;
  };
  const bool stays = runStartup(state_, *this, startup);
  // A player key may not take the dialogue key, which the start-up has read.
  playerKeys_.set(readPlayerKeys(settings(), dialogueKey()));
  return stays;
}

void MainController::onShown() {
  // Said once the window shows, so the status line stands behind the box.
  const KeyWatchNotice notice = keyWatchNotice(services_.keyWatchProblem, services_.waylandSession);
  if (!notice.status.empty()) setStatusText(startupLastStatus_ = notice.status);
  if (!notice.box.empty()) services_.prompter->inform(notice.box, "出错了", Prompter::Icon::Critical);
  if (const std::string problems = settings().problemsText(); !problems.empty())
    services_.prompter->inform(problems, "个人设置有误", Prompter::Icon::Information);
}

// On the main window, the rows of the 窗口 menu, and every other window that follows it.
void MainController::showWindowLook() {
  view_.setStayOnTop(look_.onTop);
  view_.setOpacityPercent(look_.opacityPercent);
  view_.setCommandChecked(CommandId::StayOnTop, look_.onTop);
  for (const OpacityStep& step : kOpacitySteps) view_.setCommandChecked(step.command, step.percent == look_.opacityPercent);
  services_.windows->applyWindowLook(look_.onTop, look_.opacityPercent);
}

void MainController::changeWindowLook(const WindowLook& look) {
  if (look == look_) return;
  look_ = look;
  showWindowLook();
  storeWindowLook(settings(), look_);
  if (const auto failure = settings().save()) services_.prompter->inform(*failure, "发生错误", Prompter::Icon::Critical);
}

void MainController::onLabelReleased(const ControlRow& label, bool leftButton) {
  if (leftButton || label.anyButton) onCommand(label.click);
}

bool MainController::commandEnabled(CommandId command) const {
  const auto found = enabled_.find(command);
  return found != enabled_.end() && found->second;
}

void MainController::onCommand(CommandId command) {
  const FollowAfter follow{lines_};
  // A command whose items are disabled cannot be chosen, whatever reaches here.
  if (!commandEnabled(command)) return;
  Prompter& prompter = *services_.prompter;
  IndexWindows& windows = *services_.windows;
  switch (command) {
    case CommandId::LaunchGame: {
      NoProgramStarter none;
      launchGame(state_.gamePath, services_.programs ? *services_.programs : none, prompter);
      return;
    }
    case CommandId::ShowTrackChoice: return expandTrackChoice(view_, *this);
    case CommandId::HideTrackChoice: return collapseTrackChoice(view_, *this);
    case CommandId::OpenGateMenu: return openOwnWindow([&] { view_.popUpGateMenu(); });
    case CommandId::AutoSaveSettings: return openOwnWindow([&] { windows.openAutoSave(*this); });
    case CommandId::JumpSettings: return openOwnWindow([&] { windows.openJump(state_); });
    case CommandId::HotkeySettings: return openOwnWindow([&] { windows.openHotkeys(); });
    case CommandId::Exit: askToExit(); return;
    case CommandId::MainStory: return switchToMainStory(state_, *this, prompter);
    case CommandId::EnterDoor: return enterDoor(state_, *this);
    case CommandId::StepBack1:
    case CommandId::StepBack10:
    case CommandId::StepForward1:
    case CommandId::StepForward10:
      for (const StepCommand& step : stepCommands())
        if (step.command == command) StepProgress(state_, *this, prompter, step.step, step.statusPrefix);
      return;
    case CommandId::NewProgress: return newProgress(state_, prompter);
    case CommandId::DebugMode: return enterDebugMode(*this, prompter);
    case CommandId::LeaveDebugMode: return leaveDebugMode(*this, prompter);
    case CommandId::SaveMain: return saveProgressCommand(state_, Track::Main, *this, prompter);
    case CommandId::SaveDoor: return saveProgressCommand(state_, Track::Door, *this, prompter);
    case CommandId::LoadMain: return loadProgress(Track::Main, progressFiles(Track::Main).saveFile);
    case CommandId::LoadDoor: return loadProgress(Track::Door, progressFiles(Track::Door).saveFile);
    case CommandId::LoadAutoSaveMain: return loadProgress(Track::Main, progressFiles(Track::Main).autoSaveFile);
    case CommandId::LoadAutoSaveDoor: return loadProgress(Track::Door, progressFiles(Track::Door).autoSaveFile);
    case CommandId::Help: return openOwnWindow([&] { windows.openHelp(); });
    case CommandId::ErrorReport: {
      MissingClipboard missing;
      return runErrorReport(state_, *this, prompter, services_.clipboard ? *services_.clipboard : missing);
    }
    case CommandId::SuggestionReport: {
      MissingClipboard missing;
      return runSuggestionReport(*this, prompter, services_.clipboard ? *services_.clipboard : missing);
    }
    case CommandId::ShowWindow: return openOwnWindow([&] { windows.openShowWindow(showMembers_, *this); });
    case CommandId::About:
      // One About window: opening it again brings it forward unchanged.
      if (aboutOpen_) return openOwnWindow([&] { windows.raiseAbout(); });
      aboutOpen_ = true;
      return openOwnWindow([&] { windows.openAbout(mainLibraryPath()); });
    case CommandId::PauseCounting: return togglePause();
    case CommandId::ShowLines:
      // Shown without the focus, the window leaves the game's next press to count.
      if (lines_.askTakesFocus()) return openOwnWindow([&] { lines_.ask(windows); });
      return lines_.ask(windows);
    case CommandId::CheckLibrary:
      // The Data folder the program reads, named as the console program names it.
      return openOwnWindow([&] { checkReport_.open(windows, "Data"); });
    case CommandId::StayOnTop: return changeWindowLook({!look_.onTop, look_.opacityPercent});
    case CommandId::Opacity100:
    case CommandId::Opacity85:
    case CommandId::Opacity70:
    case CommandId::Opacity55:
      for (const OpacityStep& step : kOpacitySteps)
        if (step.command == command) changeWindowLook({look_.onTop, step.percent});
      return;
    case CommandId::None: return;
  }
}

void MainController::loadProgress(Track track, std::string_view relativePath) {
  loadProgressCommand(state_, track, relativePath, *this, *services_.prompter);
}

void MainController::onTimer(TimerId timer) {
  // A tick already on its way when its timer stopped is not one.
  if (!timers_.on(timer)) return;
  const FollowAfter follow{lines_};
  switch (timer) {
    case TimerId::TimeChr: return keyPollTick();
    case TimerId::Timer2: return lineCountTick(state_, *this);
    case TimerId::Timer3: return autoSaveTick(state_, *this);
    case TimerId::UserNumberTi: return counterPageTick();
    default: return;
  }
}

void MainController::keyPollTick() {
  // Keys pressed while a window or box of the program held the focus answered
  // it, even when the focus is back in the game by now.
  if (ownFocus_.heldSinceLastTick()) {
    // Dropped once the focus has gone: dropping waits for the key watch to
    // catch up, and while the focus stays nothing is counted anyway.
    if (!ownFocus_.oursNow()) services_.keys->forgetPresses();
    playerKeys_.forgetHeldKey();
    return refreshLibraryPaths(state_, *this);
  }
  const PlayerKeys::Tick tick = playerKeys_.tick(*services_.keys, dialogueKey());
  pollTick(state_, tick.advance && !paused_, *this);
  for (const PlayerKeyRow& row : playerKeyRows())
    if (tick.acted[static_cast<std::size_t>(row.action)]) onPlayerKey(row.action);
}

// Pressed in the game: each does what its menu row does, with no box unless
// the row has one for the same case.
void MainController::onPlayerKey(PlayerAction action) {
  switch (action) {
    case PlayerAction::Pause: return togglePause();
    case PlayerAction::StepBack: return onCommand(CommandId::StepBack1);
    case PlayerAction::StepForward: return onCommand(CommandId::StepForward1);
    case PlayerAction::Lines: return onCommand(CommandId::ShowLines);
  }
}

void MainController::togglePause() {
  paused_ = !paused_;
  view_.setCommandChecked(CommandId::PauseCounting, paused_);
  if (!paused_) return setStatusText("已继续计数：游戏中的按键又会翻页了。");
  const KeyCombo& key = playerKeys_.key(PlayerAction::Pause);
  setStatusText(key.none() ? "已暂停计数：游戏中的按键不再翻页。再选一次「对话」菜单的「暂停计数」继续。"
                           : "已暂停计数：游戏中的按键不再翻页。按 " + formatKeyCombo(key) + " 继续。");
}

int MainController::dialogueKey() const { return virtualKeyForToken(state_.hotkeyToken); }

void MainController::setPlayerKeys(const PlayerKeySet& keys) {
  playerKeys_.set(keys);
  storePlayerKeys(settings(), keys);
  if (const auto failure = settings().save()) services_.prompter->inform(*failure, "发生错误", Prompter::Icon::Critical);
}

// The window holds the focus as it opens, and a modal one again as it returns.
void MainController::openOwnWindow(const std::function<void()>& open) {
  ownFocus_.ownWindowMoment();
  open();
  ownFocus_.ownWindowMoment();
}

void MainController::onAboutClosed() {
  aboutOpen_ = false;
  ownFocus_.ownWindowMoment();
}

void MainController::counterPageTick() {
  if (counterPageLoading_) {
    setStatusText(kCounterPageLoadingText);
    view_.setControlText("UserNumberBrowser", counterPageText(state_.counterPagePath));
    counterPageLoading_ = false;
    return;
  }
  setTimerEnabled(TimerId::UserNumberTi, false);
  setStatusText(startupLastStatus_.empty() ? kCounterPageReadyText : startupLastStatus_);
}

void MainController::onFocus(bool gained) {
  const FollowAfter follow{lines_};
  setTimerEnabled(TimerId::TimeChr, gained);
  setTimerEnabled(TimerId::Timer2, gained);
  setStatusText(gained ? "程序获得焦点，重新开始判断按键。" : "程序失去焦点，停止判断按键。");
}

bool MainController::onCloseRequested() { return askToExit(); }

bool MainController::askToExit() {
  const bool leave = services_.prompter->ask("您是否要退出软件？而不保存现在进行的对话进度？", "退出确认",
                                             Prompter::Buttons::YesNo, Prompter::Icon::Question);
  if (leave) services_.endProgram();
  return leave;
}

void MainController::setStatusText(const std::string& text) { view_.setControlText("状态提示", text); }
void MainController::setDialogueText(const std::string& text) { view_.setControlText("对话内容", text); }
void MainController::setPercentText(const std::string& text) { view_.setControlText("BFB", text); }

void MainController::setLibraryPaths(const std::string& mainPath, const std::string& doorPath) {
  // Asked for at every poll and nearly always the same.
  if (mainPath != mainPath_) view_.setControlText("Dirurl", mainPath_ = mainPath);
  if (doorPath != doorPath_) view_.setControlText("Dirurl2", doorPath_ = doorPath);
}

void MainController::showBar() { view_.setBar("Bar1", bar_.steps(kBarSteps), kBarSteps); }

bool MainController::setBarMaximum(float maximum) {
  if (!bar_.setMaximum(maximum)) return false;
  showBar();
  return true;
}

bool MainController::setBarValue(float value) {
  if (!bar_.setValue(value)) return false;
  showBar();
  return true;
}

void MainController::setCommandEnabled(CommandId command, bool enabled) {
  enabled_[command] = enabled;
  view_.setCommandEnabled(command, enabled);
}

void MainController::setTimerEnabled(TimerId timer, bool enabled) {
  // Whatever switched the poll off (debug mode, focus, the show window), the
  // presses made meanwhile were not meant for the dialogue.
  if (timers_.setOn(timer, enabled) && timer == TimerId::TimeChr) services_.keys->forgetPresses();
}

void MainController::setTimerInterval(TimerId timer, int milliseconds) {
  if (milliseconds < 0 || milliseconds > kMaxTimerInterval) return;
  timers_.setInterval(timer, milliseconds);
}

void MainController::setLoadedText(Track track, const std::string& text) {
  view_.setControlText(track == Track::Main ? "Text1" : "Text3", text);
}

void MainController::pauseForShowWindow() {
  std::map<TimerId, bool> before;
  for (TimerId timer : kShowWindowPauses) before[timer] = timers_.on(timer);
  beforeShowWindow_ = before;
  for (TimerId timer : kShowWindowPauses) setTimerEnabled(timer, false);
}

void MainController::resumeAfterShowWindow() {
  if (!beforeShowWindow_) return;
  for (const auto& [timer, on] : *beforeShowWindow_) setTimerEnabled(timer, on);
  beforeShowWindow_.reset();
}

}  // namespace lumivox
