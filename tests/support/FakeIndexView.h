#pragma once
#include <map>
#include <string>

#include "dialogue/IndexView.h"
#include "dialogue/ProgressRange.h"

// The main window as the logic sees it, kept in plain fields.
class FakeIndexView : public lumivox::IndexView {
 public:
  std::string status = "待命...", dialogue, percent = "0", mainPath, doorPath;
  lumivox::ProgressRange bar;
  std::map<std::string, bool, std::less<>> menuEnabled, timerEnabled;
  std::string mainLoaded = "1", doorLoaded = "1";  // Text1, Text3
  std::map<std::string, int, std::less<>> timerInterval;

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
  void setMenuItemEnabled(std::string_view name, bool enabled) override { menuEnabled[std::string(name)] = enabled; }
  void setTimerEnabled(std::string_view name, bool enabled) override { timerEnabled[std::string(name)] = enabled; }
  void setLoadedText(lumivox::Track track, const std::string& text) override {
    (track == lumivox::Track::Main ? mainLoaded : doorLoaded) = text;
  }
  void setTimerInterval(std::string_view name, int ms) override { timerInterval[std::string(name)] = ms; }
};
