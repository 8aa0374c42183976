#include "win32/XpProgressBarControl.h"

#include "win32/WindowClass.h"
#include "win32/WindowOwner.h"

namespace lumivox {

XpProgressBarControl::XpProgressBarControl(HWND parent, int id, const RECT& bounds, int dotsPerInch,
                                           const PropertyBag& properties, Prompter& prompter)
    : dotsPerInch_(dotsPerInch), bar_(canvas_, prompter) {
  bar_.readProperties(properties);
  const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE));
  registerWindowClass(instance, kClassName, procedure, ClassLook::Plain);
  // Creating the window sizes it, which draws the empty frame.
  CreateWindowExW(0, kClassName, nullptr, WS_CHILD | WS_VISIBLE, bounds.left, bounds.top,
                  bounds.right - bounds.left, bounds.bottom - bounds.top, parent,
                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, this);
}

XpProgressBarControl::~XpProgressBarControl() {
  if (window_) DestroyWindow(window_);
}

void XpProgressBarControl::setValue(std::int32_t value) {
  bar_.setValue(value);
  if (window_) InvalidateRect(window_, nullptr, FALSE);
}

LRESULT CALLBACK XpProgressBarControl::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = windowOwner<XpProgressBarControl>(window, message, lParam);
  if (self && message == WM_NCCREATE) self->window_ = window;
  return self ? self->handleMessage(message, wParam, lParam) : DefWindowProcW(window, message, wParam, lParam);
}

LRESULT XpProgressBarControl::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  const auto paintOn = [this](HDC dc) {
    RECT client;
    GetClientRect(window_, &client);
    canvas_.paint(dc, client);
  };
  switch (message) {
    case WM_SIZE:
      canvas_.resize(MulDiv(LOWORD(lParam), 96, dotsPerInch_), MulDiv(HIWORD(lParam), 96, dotsPerInch_));
      bar_.resized();
      InvalidateRect(window_, nullptr, FALSE);
      return 0;
    case WM_ERASEBKGND:
      return 1;  // the picture covers every pixel
    case WM_PAINT: {
      PAINTSTRUCT paint;
      paintOn(BeginPaint(window_, &paint));
      EndPaint(window_, &paint);
      return 0;
    }
    case WM_PRINTCLIENT: paintOn(reinterpret_cast<HDC>(wParam)); return 0;
    case WM_NCDESTROY: {
      // Destroyed with its parent: this object may outlive its window.
      HWND window = window_;
      SetWindowLongPtrW(window, GWLP_USERDATA, 0);
      window_ = nullptr;
      return DefWindowProcW(window, message, wParam, lParam);
    }
  }
  return DefWindowProcW(window_, message, wParam, lParam);
}

}  // namespace lumivox
