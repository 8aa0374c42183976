#include "win32/FormWindow.h"

#include "win32/Dpi.h"
#include "win32/ScreenCentre.h"
#include "win32/WideText.h"
#include "win32/WindowClass.h"
#include "win32/WindowOwner.h"

namespace lumivox {
namespace {

constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;

}  // namespace

FormWindow::FormWindow(const ControlTable& form, HWND owner) : table_(form), owner_(owner) {}

FormWindow::~FormWindow() {
  if (background_) DeleteObject(background_);
}

bool FormWindow::create() {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  const std::wstring className = L"Lumivox" + toWide(table_.name);
  registerWindowClass(instance, className.c_str(), procedure, ClassLook::TopLevel);
  if (table_.background) background_ = CreateSolidBrush(RGB(table_.background->red, table_.background->green,
                                                         table_.background->blue));
  if (!CreateWindowExW(0, className.c_str(), toWide(table_.title).c_str(), kStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                       CW_USEDEFAULT, CW_USEDEFAULT, owner_, nullptr, instance, this))
    return false;
  const int dpi = dotsPerInch(window_);
  RECT frame{0, 0, twipsToPixels(table_.clientWidth, dpi), twipsToPixels(table_.clientHeight, dpi)};
  AdjustWindowRectEx(&frame, kStyle, FALSE, 0);
  SetWindowPos(window_, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  form_ = std::make_unique<Win32Form>(window_, table_);
  return true;
}

void FormWindow::showModal() {
  if (owner_) {
    EnableWindow(owner_, FALSE);
    modal_ = true;
  }
  show();
}

void FormWindow::show() {
  centreOnScreen(window_);
  ShowWindow(window_, SW_SHOW);
  if (HWND focus = form_->control(table_.firstFocus)) SetFocus(focus);
}

void FormWindow::openModal(FormWindow* window) {
  if (window->create())
    window->showModal();
  else
    delete window;
}

bool FormWindow::translateKeys(MSG& message) {
  HWND top = message.hwnd ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
  if (!top || GetWindowLongPtrW(top, GWLP_WNDPROC) != reinterpret_cast<LONG_PTR>(procedure)) return false;
  auto* self = reinterpret_cast<FormWindow*>(GetWindowLongPtrW(top, GWLP_USERDATA));
  if (!self || !self->form_) return false;
  if (message.message == WM_KEYDOWN && (message.wParam == VK_RETURN || message.wParam == VK_ESCAPE)) {
    const std::string& button = message.wParam == VK_RETURN ? self->table_.defaultButton : self->table_.cancelButton;
    if (!button.empty() && self->form_->control(button)) {
      self->press(button);
      return true;
    }
  }
  return IsDialogMessageW(top, &message);
}

void FormWindow::press(const std::string& button) {
  // As a click: the window may go with it.
  SendMessageW(form_->control(button), BM_CLICK, 0, 0);
}

LRESULT CALLBACK FormWindow::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = windowOwner<FormWindow>(window, message, lParam);
  if (self && message == WM_NCCREATE) self->window_ = window;
  if (!self) return DefWindowProcW(window, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    if (self->form_) {  // fully made: it goes with its window
      self->onDestroyed();
      delete self;
    }
    return DefWindowProcW(window, message, wParam, lParam);
  }
  return self->handleMessage(message, wParam, lParam);
}

LRESULT FormWindow::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      if (HIWORD(wParam) == BN_CLICKED && form_)
        if (const ControlRow* row = form_->row(reinterpret_cast<HWND>(lParam))) {
          if (row->command == ButtonCommand::Close) closeSoon();
          if (row->command == ButtonCommand::Confirm) onConfirm();
          if (row->command == ButtonCommand::ClearKey) form_->setText(row->target, "");
        }
      return 0;
    case WM_CTLCOLORSTATIC:
      if (form_)
        if (HBRUSH brush = form_->colourStatic(reinterpret_cast<HWND>(lParam), reinterpret_cast<HDC>(wParam)))
          return reinterpret_cast<LRESULT>(brush);
      break;
    case WM_ERASEBKGND:
      if (!background_) break;
      {
        RECT area;
        GetClientRect(window_, &area);
        FillRect(reinterpret_cast<HDC>(wParam), &area, background_);
      }
      return 1;
    case WM_CLOSE:
      if (!onCloseRequested()) return 0;
      // The owner takes input again before this window goes, so that it is
      // the one activated.
      if (modal_) EnableWindow(owner_, TRUE);
      modal_ = false;
      DestroyWindow(window_);
      return 0;
    case WM_DESTROY:
      if (modal_) EnableWindow(owner_, TRUE);
      modal_ = false;
      break;
  }
  return DefWindowProcW(window_, message, wParam, lParam);
}

}  // namespace lumivox
