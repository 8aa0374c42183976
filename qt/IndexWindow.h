#pragma once
#include <QMainWindow>
#include <functional>

#include "qt/IndexLayout.h"
#include "dialogue/DialogueState.h"
#include "dialogue/IndexView.h"
#include "dialogue/ProgressRange.h"

class QTimer;

namespace lumivox {

class Clipboard;
class KeyWatch;
class ProgramStarter;
class Prompter;
class Registry;

// The main window Index: it owns the program-wide dialogue state, shows the
// current line, the status line and the progress, and runs the timers.
class IndexWindow final : public QMainWindow, public IndexView {
  Q_OBJECT
 public:
  struct Services {
    Prompter* prompter = nullptr;
    KeyWatch* keys = nullptr;
    Clipboard* clipboard = nullptr;
    std::function<bool()> anotherInstanceRunning;
    // Ends the program at once: no further events, nothing saved.
    std::function<void()> endProgram;
    // Where the game's set-up recorded its folder, and how the game starts.
    Registry* registry = nullptr;
    ProgramStarter* programs = nullptr;
  };

  explicit IndexWindow(Services services, QWidget* parent = nullptr);

  // The window's load: the start-up sequence, run before the window is shown.
  // False when the program was ended during it.
  bool load();

  DialogueState& state() { return state_; }
  Prompter& prompter() { return *services_.prompter; }
  Clipboard* clipboard() { return services_.clipboard; }
  // Nothing when the program was given no way to start other programs.
  ProgramStarter* programStarter() { return services_.programs; }

  // Runs the handler whenever the named menu item is chosen.
  void onMenuItem(const char* itemName, std::function<void()> handler);

  // IndexView
  void setStatusText(const std::string& text) override;
  void setDialogueText(const std::string& text) override;
  void setPercentText(const std::string& text) override;
  void setLibraryPaths(const std::string& mainPath, const std::string& doorPath) override;
  std::string mainLibraryPath() const override;
  std::string doorLibraryPath() const override;
  bool setBarMaximum(float maximum) override;
  bool setBarValue(float value) override;
  float barMaximum() const override { return bar_.maximum(); }
  float barValue() const override { return bar_.value(); }
  void setMenuItemEnabled(std::string_view name, bool enabled) override;
  void setTimerEnabled(std::string_view name, bool enabled) override;
  void setLoadedText(Track track, const std::string& text) override;
  void setTimerInterval(std::string_view name, int milliseconds) override;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  QTimer* addTimer(const char* name, int intervalMs, bool enabled);
  void askToExit(QCloseEvent* closeEvent);
  void showBar();

  Services services_;
  DialogueState state_;
  IndexControls controls_;
  ProgressRange bar_;
  std::string writtenMainPath_, writtenDoorPath_;  // what the poll last put in the path fields
};

}  // namespace lumivox
