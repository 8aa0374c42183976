#pragma once
#include <string>

#include "common/CommandId.h"
#include "common/TimerId.h"
#include "dialogue/DialogueState.h"

namespace lumivox {

// The longest interval a timer of the main window can have, in milliseconds.
inline constexpr int kMaxTimerInterval = 65535;

// The main window as the dialogue logic sees it: its texts, its progress bar,
// which commands are usable and its timers. The main controller keeps it and
// shows it through the front end's view; tests use a recording fake.
class IndexModel {
 public:
  virtual ~IndexModel() = default;

  virtual void setStatusText(const std::string& text) = 0;    // 状态提示
  virtual void setDialogueText(const std::string& text) = 0;  // 对话内容
  virtual void setPercentText(const std::string& text) = 0;   // BFB

  // The hidden fields Dirurl and Dirurl2: full paths of the two libraries.
  virtual void setLibraryPaths(const std::string& mainPath, const std::string& doorPath) = 0;
  virtual std::string mainLibraryPath() const = 0;
  virtual std::string doorLibraryPath() const = 0;

  // The progress bar Bar1; a rejected assignment returns false and changes nothing.
  virtual bool setBarMaximum(float maximum) = 0;
  virtual bool setBarValue(float value) = 0;
  virtual float barMaximum() const = 0;
  virtual float barValue() const = 0;

  virtual void setCommandEnabled(CommandId command, bool enabled) = 0;
  virtual void setTimerEnabled(TimerId timer, bool enabled) = 0;
  // 0 to 65535; 0 stops the ticks until another interval is set, whatever
  // switches the timer on meanwhile.
  virtual void setTimerInterval(TimerId timer, int milliseconds) = 0;

  // The hidden fields Text1 and Text3: the text last loaded for each track.
  virtual void setLoadedText(Track track, const std::string& text) = 0;
};

// The track's library as the hidden path field holds it at this moment.
inline std::string libraryPathOf(const IndexModel& view, Track t) {
  return t == Track::Main ? view.mainLibraryPath() : view.doorLibraryPath();
}

}  // namespace lumivox
