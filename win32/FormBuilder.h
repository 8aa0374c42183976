#pragma once
#include <windows.h>

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "common/ControlTable.h"

namespace lumivox {

// A window's controls as its control table describes them, all children of
// the window itself (a group box is only drawn around its contents: as a
// parent it would swallow their notifications), at twips converted at the
// screen's scale, their labels fitted to their texts (the window grows with
// them). Labels show their text literally; option buttons are selected as
// the table has them.
class Win32Form {
 public:
  Win32Form(HWND window, const ControlTable& form);
  ~Win32Form();
  Win32Form(const Win32Form&) = delete;
  Win32Form& operator=(const Win32Form&) = delete;

  HWND control(std::string_view name) const;
  const ControlRow* row(HWND control) const;
  std::string text(std::string_view name) const;
  // Sets a control's text; a dialogue line picks the font it fits in.
  void setText(std::string_view name, const std::string& text);
  // The same for a label that shows addresses: they go on to the next line
  // after their marks where the label is too narrow.
  void setAddressText(std::string_view name, const std::string& text);
  bool isChecked(std::string_view option) const;
  // The wheel turned over the window, which holds the focus, scrolls the
  // scrolling label under the pointer; false when there is none.
  bool scrollWheel(WPARAM wParam, LPARAM lParam);
  // Answers WM_CTLCOLORSTATIC for a control of the table (nullptr for others).
  HBRUSH colourStatic(HWND control, HDC dc);

 private:
  class Measure;

  HFONT fontFor(const ControlRow& row, double points);
  void place();
  void fitDialogueLine(HWND control, const ControlRow& row);
  void fitScrollingLabel(HWND control);

  HWND window_;
  const ControlTable& form_;
  int dpi_;
  LOGFONTW base_{};
  std::map<std::string, HWND, std::less<>> controls_;
  std::map<HWND, const ControlRow*> rows_;
  std::map<std::wstring, HFONT> fonts_;  // by face, height and weight
  std::map<COLORREF, HBRUSH> brushes_;
};

}  // namespace lumivox
