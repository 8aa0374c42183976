#pragma once
#include <windows.h>

namespace lumivox {

// The main window Index: a fixed-size top-level window, its title and client
// area from the window's control table, in twips at the scale of the screen
// it is on.
class IndexWindow {
 public:
  static constexpr wchar_t kClassName[] = L"LumivoxIndex";

  explicit IndexWindow(HINSTANCE instance) : instance_(instance) {}
  IndexWindow(const IndexWindow&) = delete;
  IndexWindow& operator=(const IndexWindow&) = delete;

  // False when the system refuses the window.
  bool create();
  HWND handle() const { return window_; }

 private:
  static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void fitClientArea();

  HINSTANCE instance_;
  HWND window_ = nullptr;
};

}  // namespace lumivox
