#pragma once
#include <map>
#include <string>

#include "dialogue/IndexForm.h"
#include "dialogue/IndexMenu.h"
#include "dialogue/IndexModel.h"
#include "dialogue/ProgressRange.h"

// The main window as the logic sees it, kept in plain fields. Commands and
// timers are recorded by their names as the windows show them.
class FakeIndexModel : public lumivox::IndexModel {
 public:
  std::string status = "待命...", dialogue, percent = "0", mainPath, doorPath;
  lumivox::ProgressRange bar;
  std::map<std::string, bool, std::less<>> menuEnabled, timerEnabled;
  std::string mainLoaded = "1", doorLoaded = "1";  // Text1, Text3
  std::map<std::string, int, std::less<>> timerInterval;

  static std::string nameOf(lumivox::TimerId timer) {
    using lumivox::TimerId;
    switch (timer) {
      case TimerId::TimeChr: return "Time_Chr";
      case TimerId::Timer1: return "Timer1";
      case TimerId::Timer2: return "Timer2";
      case TimerId::Timer3: return "Timer3";
      case TimerId::UserNumberTi: return "UserNumberTi";
      default: return "other";
    }
  }
  // The first menu item of the command; the labels by their own names.
  static std::string nameOf(lumivox::CommandId command) {
    for (const auto& entry : lumivox::indexMenu())
      if (entry.command == command) return entry.name;
    for (const auto& label : lumivox::indexForm().controls)
      if (label.click == command) return label.name;
    return "other";
  }

  void setStatusText(const std::string& text) override { status = text; }
  void setDialogueText(const std::string& text) override { dialogue = text; }
  void setPercentText(const std::string& text) override { percent = text; }
  void setLibraryPaths(const std::string& m, const std::string& d) override { mainPath = m, doorPath = d; }
  std::string mainLibraryPath() const override { return mainPath; }
  std::string doorLibraryPath() const override { return doorPath; }
  bool setBarMaximum(float maximum) override { return bar.setMaximum(maximum); }
  bool setBarValue(float value) override { return bar.setValue(value); }
  float barMaximum() const override { return bar.maximum(); }
  float barValue() const override { return bar.value(); }
  void setCommandEnabled(lumivox::CommandId command, bool enabled) override { menuEnabled[nameOf(command)] = enabled; }
  void setTimerEnabled(lumivox::TimerId timer, bool enabled) override { timerEnabled[nameOf(timer)] = enabled; }
  void setLoadedText(lumivox::Track track, const std::string& text) override {
    (track == lumivox::Track::Main ? mainLoaded : doorLoaded) = text;
  }
  void setTimerInterval(lumivox::TimerId timer, int ms) override { timerInterval[nameOf(timer)] = ms; }
};
