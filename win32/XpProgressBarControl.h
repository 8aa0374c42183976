#pragma once
#include <windows.h>

#include "common/Prompter.h"
#include "show/XpProgressBar.h"
#include "win32/DibCanvas.h"

namespace lumivox {

// The control Xp_ProgressBar as a child window: the bar draws into a DIB
// section when resized and when Value is assigned, and the window blits it
// whenever asked to paint. The bar draws in pixels at 96 dots an inch; on a
// screen of another scale the window shows that drawing scaled to its size,
// as the window around it is.
class XpProgressBarControl {
 public:
  static constexpr wchar_t kClassName[] = L"LumivoxXpProgressBar";

  // A visible child of the parent at the rectangle, in pixels of a screen of
  // that scale, its look read from the host's properties before it is first
  // drawn; handle() is null when the system refuses the window. Error boxes
  // of rejected assignments go through the prompter.
  XpProgressBarControl(HWND parent, int id, const RECT& bounds, int dotsPerInch, const PropertyBag& properties,
                       Prompter& prompter);
  ~XpProgressBarControl();
  XpProgressBarControl(const XpProgressBarControl&) = delete;
  XpProgressBarControl& operator=(const XpProgressBarControl&) = delete;

  HWND handle() const { return window_; }
  // Reads and sets the properties that draw nothing; writes them for the host.
  XpProgressBar& bar() { return bar_; }
  // Draws and shows the new value; a rejected one changes nothing.
  void setValue(std::int32_t value);

 private:
  static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);

  int dotsPerInch_;
  DibCanvas canvas_;
  XpProgressBar bar_;
  HWND window_ = nullptr;
};

}  // namespace lumivox
