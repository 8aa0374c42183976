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
// screen's scale. Labels show their text literally.
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
  // Wrapped labels whose text runs past their height grow down, moving what
  // lies below them in their container, the container and the window.
  void fitWrappedLabels();
  // The wheel turned over the window, which holds the focus, scrolls the
  // scrolling label under the pointer; false when there is none.
  bool scrollWheel(WPARAM wParam, LPARAM lParam);
  // Answers WM_CTLCOLORSTATIC for a control of the table (nullptr for others).
  HBRUSH colourStatic(HWND control, HDC dc);

 private:
  HFONT fontFor(const ControlRow& row, double points);
  void fitDialogueLine(HWND control, const ControlRow& row);
  void fitOneLine(HWND control, const ControlRow& row);
  void giveWayTo(HWND label, const ControlRow& row);
  void fitWrappedLabel(HWND control, const ControlRow& row);
  void fitScrollingLabel(HWND control);
  RECT placeOf(HWND control) const;
  bool holds(const ControlRow& container, const ControlRow& row) const;

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
