#pragma once
#include <optional>
#include <string>
#include <vector>

namespace lumivox {

// A window's controls as data, read by every front end: what each control
// is, where it sits (twips, relative to its container) and how it looks.
enum class ControlKind {
  Frame,         // a captioned group box
  Label,         // a fixed caption, or a text the logic sets
  DialogueLine,  // a label whose font shrinks until a long line fits
  Line,          // a horizontal rule; height unused
  ProgressBar,   // the platform's progress bar
  XpBar,         // the program's own XP-style bar
  TextField,     // one line of typed text
  HiddenField,   // a text field that is never shown
  TextBox,       // read-only text of many lines, with a scroll bar
  Button,
  OptionButton,  // one of a group of option buttons in the same container
  Picture,
};

enum class Align { Left, Centre };

struct Rgb {
  int red, green, blue;
};

struct ControlSpec {
  ControlKind kind;
  std::string name;    // the name tests and tools find it by
  std::string parent;  // the containing frame's name; empty: the window
  std::string caption;
  int left, top, width, height;
  std::optional<Rgb> colour = std::nullopt;  // the text's
  std::string face = {};                     // empty: the window's font
  double points = 0;                         // 0: the window's size
  bool bold = false;
  Align align = Align::Left;
  bool wrap = false;
};

struct FormSpec {
  std::string name;   // the window's
  std::string title;
  int clientWidth, clientHeight;  // twips
  std::vector<ControlSpec> controls;  // in tab and drawing order, containers first

  const ControlSpec* find(const std::string& controlName) const {
    for (const ControlSpec& c : controls)
      if (c.name == controlName) return &c;
    return nullptr;
  }
};

// "宋体" as designed; front ends fall back to the nearest Song face they have.
inline constexpr const char* kSongFace = "宋体";

}  // namespace lumivox
