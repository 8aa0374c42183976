#include "win32/IndexWindow.h"

#include "dialogue/IndexForm.h"
#include "win32/Dpi.h"
#include "win32/WideText.h"

namespace lumivox {
namespace {

constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

}  // namespace

bool IndexWindow::create() {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = instance_;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = kClassName;
  if (!RegisterClassExW(&windowClass)) return false;
  window_ = CreateWindowExW(0, kClassName, toWide(indexForm().title).c_str(), kStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                            CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance_, this);
  if (!window_) return false;
  fitClientArea();
  return true;
}

void IndexWindow::fitClientArea() {
  const int dpi = dotsPerInch(window_);
  const FormSpec& form = indexForm();
  RECT frame{0, 0, twipsToPixels(form.clientWidth, dpi), twipsToPixels(form.clientHeight, dpi)};
  AdjustWindowRectEx(&frame, kStyle, GetMenu(window_) != nullptr, 0);
  SetWindowPos(window_, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT CALLBACK IndexWindow::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<IndexWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    self->window_ = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<IndexWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  return self ? self->handleMessage(message, wParam, lParam) : DefWindowProcW(window, message, wParam, lParam);
}

LRESULT IndexWindow::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_DPICHANGED: {
      // Moved to a screen of another scale: the system proposes the frame.
      const RECT& proposed = *reinterpret_cast<const RECT*>(lParam);
      SetWindowPos(window_, nullptr, proposed.left, proposed.top, proposed.right - proposed.left,
                   proposed.bottom - proposed.top, SWP_NOZORDER | SWP_NOACTIVATE);
      return 0;
    }
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcW(window_, message, wParam, lParam);
}

}  // namespace lumivox
