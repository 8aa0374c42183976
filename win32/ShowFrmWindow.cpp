#include "win32/ShowFrmWindow.h"

#include <windowsx.h>

#include "platform/LayeredWindow.h"
#include "show/ShowForm.h"
#include "win32/Dpi.h"
#include "win32/ResourcePicture.h"
#include "win32/ScreenCentre.h"
#include "win32/WideText.h"
#include "win32/WindowClass.h"
#include "win32/WindowOwner.h"

namespace lumivox {
namespace {

COLORREF colour(const Rgb& rgb) { return RGB(rgb.red, rgb.green, rgb.blue); }

// Where the table puts the control, in pixels: its edges converted, so that
// what meets at the edges in twips meets at any scale.
RECT placeOf(const ControlRow& row, int dpi) {
  return {twipsToPixels(row.left, dpi), twipsToPixels(row.top, dpi), twipsToPixels(row.left + row.width, dpi),
          twipsToPixels(row.top + row.height, dpi)};
}

}  // namespace

ShowFrmWindow* ShowFrmWindow::create(ShowFrmMembers& members, ShowHost& host, HWND mainWindow, Prompter& prompter) {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  registerWindowClass(instance, kClassName, procedure, ClassLook::Plain);

  auto* self = new ShowFrmWindow(mainWindow, prompter);
  const int dpi = dotsPerInch(mainWindow);
  const ControlTable& form = showForm();
  const RECT frame{0, 0, twipsToPixels(form.clientWidth, dpi), twipsToPixels(form.clientHeight, dpi)};
  // A tool window has no task bar entry; owned by the main window, it goes with it.
  if (!CreateWindowExW(WS_EX_TOOLWINDOW, kClassName, toWide(form.title).c_str(), WS_POPUP, 0, 0, frame.right,
                       frame.bottom, mainWindow, nullptr, instance, self)) {
    delete self;
    return nullptr;
  }
  self->created_ = true;  // from now on it goes with its window
  self->background_ = CreateSolidBrush(colour(*form.background));
  for (const ControlRow& row : form.controls) self->setUpControl(row, dpi);
  self->ticker_ = std::make_unique<Win32Ticker>([self](TimerId timer) { self->controller_->onTimer(timer); });
  self->controller_ = std::make_unique<ShowController>(members, *self, *self->ticker_, host);
  self->controller_->load();
  return self;
}

// Without SS_NOTIFY the picture and the labels let clicks through to the window.
void ShowFrmWindow::setUpControl(const ControlRow& row, int dpi) {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  const RECT place = placeOf(row, dpi);
  const int width = place.right - place.left, height = place.bottom - place.top;
  if (row.kind == ControlKind::XpBar) {
    bar_ = std::make_unique<XpProgressBarControl>(window_, 1, place, dpi, showBarProperties(), prompter_);
    return;
  }
  if (row.kind == ControlKind::Picture) {
    HWND picture = CreateWindowExW(0, L"STATIC", nullptr, WS_CHILD | WS_VISIBLE | SS_BITMAP, place.left, place.top,
                                   width, height, window_, nullptr, instance, nullptr);
    // The picture fills its place at any scale, as the window around it grows.
    if (HBITMAP natural = loadResourcePicture(instance, kShowPictureResource)) {
      picture_ = stretchedPicture(natural, width, height);
      DeleteObject(natural);
    }
    SendMessageW(picture, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(picture_));
    return;
  }
  HWND label = CreateWindowExW(0, L"STATIC", toWide(row.caption).c_str(),
                               WS_CHILD | WS_VISIBLE | SS_CENTER | SS_NOPREFIX, place.left, place.top, width, height,
                               window_, nullptr, instance, nullptr);
  SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
  labels_[label] = &row;
}

ShowFrmWindow::~ShowFrmWindow() {
  ticker_.reset();  // no tick after the window
  if (picture_) DeleteObject(picture_);
  if (background_) DeleteObject(background_);
}

void ShowFrmWindow::setControlText(std::string_view control, const std::string& text) {
  for (const auto& [label, row] : labels_)
    if (row->name == control) SetWindowTextW(label, toWide(text).c_str());
}
std::int32_t ShowFrmWindow::barValue() const { return bar_->bar().value(); }
void ShowFrmWindow::setBarValue(std::int32_t value) { bar_->setValue(value); }

void ShowFrmWindow::setBarMaximum(std::int32_t maximum) {
  bar_->bar().setMaximum(maximum);
  InvalidateRect(bar_->handle(), nullptr, FALSE);
}

int ShowFrmWindow::setOpacity(std::int16_t level) {
  return SetWindowOpacity(reinterpret_cast<NativeWindowHandle>(window_), level);
}

void ShowFrmWindow::showModal() {
  // Modal: the main window takes no input while this one is open.
  EnableWindow(mainWindow_, FALSE);
  centreOnScreen(window_);
  SetWindowPos(window_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
  SetForegroundWindow(window_);
}

// Closed now, destroyed once the controller's step is over: the controller
// still speaks to this window after asking it to close.
void ShowFrmWindow::unload() {
  EnableWindow(mainWindow_, TRUE);  // first, so that the main window is activated
  ShowWindow(window_, SW_HIDE);
  controller_->onUnload();
  PostMessageW(window_, WM_CLOSE, 0, 0);
}

void ShowFrmWindow::showMainWindow() {
  ShowWindow(mainWindow_, SW_SHOW);
  SetForegroundWindow(mainWindow_);
}

LRESULT CALLBACK ShowFrmWindow::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = windowOwner<ShowFrmWindow>(window, message, lParam);
  if (self && message == WM_NCCREATE) self->window_ = window;
  if (!self) return DefWindowProcW(window, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    if (self->created_) delete self;
    return DefWindowProcW(window, message, wParam, lParam);
  }
  return self->handleMessage(message, wParam, lParam);
}

LRESULT ShowFrmWindow::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND: {
      RECT area;
      GetClientRect(window_, &area);
      FillRect(reinterpret_cast<HDC>(wParam), &area, background_);
      return 1;
    }
    case WM_CTLCOLORSTATIC: {
      if (const auto found = labels_.find(reinterpret_cast<HWND>(lParam)); found != labels_.end()) {
        SetTextColor(reinterpret_cast<HDC>(wParam), colour(found->second->colour.value_or(Rgb{0, 0, 0})));
        SetBkColor(reinterpret_cast<HDC>(wParam), colour(found->second->background.value_or(*showForm().background)));
      }
      return reinterpret_cast<LRESULT>(background_);  // the labels' background is the window's
    }
    case WM_LBUTTONDOWN: SetCapture(window_); return 0;
    case WM_LBUTTONUP: {
      if (GetCapture() != window_) return 0;
      ReleaseCapture();
      // Released where it was pressed: a press dragged off and let go is no click.
      RECT area;
      GetClientRect(window_, &area);
      if (PtInRect(&area, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)})) controller_->onClick();
      return 0;
    }
    case WM_DESTROY:
      // However the window goes: the main window takes input again and its timers resume.
      EnableWindow(mainWindow_, TRUE);
      controller_->onUnload();
      return 0;
  }
  return DefWindowProcW(window_, message, wParam, lParam);
}

}  // namespace lumivox
