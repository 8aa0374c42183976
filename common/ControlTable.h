#pragma once
#include <optional>
#include <string>
#include <vector>

#include "common/CommandId.h"

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
  OptionButton,  // one group per container: choosing one clears the others there
  KeyField,      // records the next key combination pressed in it; its text is KeyCombo's
  Picture,       // a picture at its natural size, from the top-left corner
};

// Centre puts the text in the middle both ways; CentreTop centres it across
// and starts it at the top, as a Windows label draws it.
enum class Align { Left, Centre, CentreTop };

// What pressing a button does: close its window, run the window's confirm,
// which its logic defines, or empty the key field it names as its target.
enum class ButtonCommand { None, Close, Confirm, ClearKey };

struct Rgb {
  int red, green, blue;
};

struct ControlRow {
  ControlKind kind;
  std::string name;    // the name tests and tools find it by
  std::string parent = {};  // the containing frame's name; empty: the window
  std::string caption = {};
  int left, top, width, height;
  std::optional<Rgb> colour = std::nullopt;  // the text's
  std::string face = {};                     // empty: the window's font
  double points = 0;                         // 0: the window's size
  bool bold = false;
  Align align = Align::Left;
  bool wrap = false;
  std::optional<Rgb> background = std::nullopt;  // behind the text; empty: the container's
  // A wrapped label whose text runs past its lower edge gets a vertical
  // scroll bar instead of losing the rest, for a window that cannot grow;
  // it never takes the focus.
  bool scrolls = false;
  // A label the mouse works: the command that a button pressed on it sends
  // when released over it; the left button only, unless any button.
  CommandId click = CommandId::None;
  bool anyButton = false;
  ButtonCommand command = ButtonCommand::None;  // a button's
  bool checked = false;                         // an option button selected when the window opens
  std::string target = {};                      // the key field a ClearKey button empties
};

struct ControlTable {
  std::string name;   // the window's
  std::string title;
  int clientWidth, clientHeight;  // twips
  std::vector<ControlRow> controls;  // in tab and drawing order, containers first
  std::optional<Rgb> background = std::nullopt;  // empty: the platform's
  // The buttons that Enter and Esc press wherever the focus is; empty: none.
  // The initial text of a field or text box is its caption.
  std::string defaultButton = {};
  std::string cancelButton = {};
  std::string firstFocus = {};  // the control that has the focus when the window opens; empty: the platform's choice

  const ControlRow* find(const std::string& controlName) const {
    for (const ControlRow& c : controls)
      if (c.name == controlName) return &c;
    return nullptr;
  }
};

// A text of several lines in the frame Frame1, read from its top, as the
// settings windows have them.
inline ControlRow framedText(const char* name, const char* caption, int left, int top, int width, int height) {
  return {.kind = ControlKind::Label, .name = name, .parent = "Frame1", .caption = caption, .left = left, .top = top,
          .width = width, .height = height, .wrap = true};
}

// A dialogue line's font shrinks by this step until the line fits, down to
// the smallest size a Chinese line is read in.
inline constexpr double kDialogueLineStepPoints = 0.5;
inline constexpr double kDialogueLineSmallestPoints = 5.0;

// "宋体" as designed; front ends fall back to the nearest Song face they have.
inline constexpr const char* kSongFace = "宋体";

}  // namespace lumivox
