#pragma once
#include <string>
#include <string_view>

#include "dialogue/DialogueState.h"

namespace lumivox {

// The longest interval a timer of the main window can have, in milliseconds.
inline constexpr int kMaxTimerInterval = 65535;

// What the dialogue logic may do to the main window. The window implements it
// over its widgets; tests implement it with a recording fake.
class IndexView {
 public:
  virtual ~IndexView() = default;

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

  // Menu items and timers by their names.
  virtual void setMenuItemEnabled(std::string_view name, bool enabled) = 0;
  virtual void setTimerEnabled(std::string_view name, bool enabled) = 0;

  // The hidden fields Text1 and Text3: the text last loaded for each track.
  virtual void setLoadedText(Track track, const std::string& text) = 0;
  // A timer's interval in milliseconds, 0 to 65535; 0 stops its ticks until
  // another interval is set, whatever switches it on meanwhile.
  virtual void setTimerInterval(std::string_view name, int milliseconds) = 0;
};

}  // namespace lumivox
