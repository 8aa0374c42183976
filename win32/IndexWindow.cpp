#include "win32/IndexWindow.h"

#include <commctrl.h>
#include <windowsx.h>

#include <functional>
#include <memory>

#include "common/Prompter.h"
#include "dialogue/IndexForm.h"
#include "win32/AboutWindow.h"
#include "win32/ApplyWindowLook.h"
#include "win32/CheckReportWindow.h"
#include "win32/Dpi.h"
#include "win32/LinesWindow.h"
#include "win32/SettingsWindows.h"
#include "win32/ShowFrmWindow.h"
#include "win32/WideText.h"
#include "win32/WindowClass.h"
#include "win32/WindowOwner.h"

namespace lumivox {
namespace {

constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
// A call handed over from another thread, run on the window's own (lParam: the call).
constexpr UINT kPostedCall = WM_APP + 1;

}  // namespace

IndexWindow::IndexWindow(HINSTANCE instance, MainServices services)
    : instance_(instance), services_(std::move(services)) {}

IndexWindow::~IndexWindow() {
  // No tick reaches the controller after it.
  ticker_.reset();
  // It tells the controller as it goes.
  if (lines_) DestroyWindow(lines_->handle());
  // It speaks to the controller as it goes.
  if (checkReport_) DestroyWindow(checkReport_->handle());
  if (window_ && IsWindow(window_)) DestroyWindow(window_);
}

bool IndexWindow::create() {
  if (!registerWindowClass(instance_, kClassName, procedure, ClassLook::TopLevel)) return false;
  window_ = CreateWindowExW(0, kClassName, toWide(indexForm().title).c_str(), kStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                            CW_USEDEFAULT, CW_USEDEFAULT, nullptr, menu_.menu(), instance_, this);
  if (!window_) return false;
  fitClientArea();
  form_ = std::make_unique<Win32Form>(window_, indexForm());
  connectLabels();

  ticker_ = std::make_unique<Win32Ticker>([this](TimerId timer) { controller_->onTimer(timer); });
  services_.ticker = ticker_.get();
  services_.windows = this;
  services_.postToGui = [window = window_](std::function<void()> call) {
    auto* posted = new std::function<void()>(std::move(call));
    if (!PostMessageW(window, kPostedCall, 0, reinterpret_cast<LPARAM>(posted))) delete posted;  // the window has gone
  };
  controller_ = std::make_unique<MainController>(*this, services_);
  return controller_->start();
}

void IndexWindow::connectLabels() {
  for (const ControlRow& row : indexForm().controls) {
    if (row.click == CommandId::None) continue;
    // Every button's release is the controller's to answer.
    SetWindowSubclass(form_->control(row.name), labelProcedure, 1, reinterpret_cast<DWORD_PTR>(this));
  }
}

void IndexWindow::fitClientArea() {
  const int dpi = dotsPerInch(window_);
  const ControlTable& form = indexForm();
  RECT frame{0, 0, twipsToPixels(form.clientWidth, dpi), twipsToPixels(form.clientHeight, dpi)};
  AdjustWindowRectEx(&frame, kStyle, TRUE, 0);
  SetWindowPos(window_, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void IndexWindow::setControlText(std::string_view control, const std::string& text) { form_->setText(control, text); }

void IndexWindow::setBar(std::string_view control, int position, int steps) {
  HWND bar = form_->control(control);
  SendMessageW(bar, PBM_SETRANGE32, 0, steps);
  SendMessageW(bar, PBM_SETPOS, static_cast<WPARAM>(position), 0);
}

void IndexWindow::setCommandEnabled(CommandId command, bool enabled) { menu_.setEnabled(command, enabled); }

void IndexWindow::setCommandChecked(CommandId command, bool checked) { menu_.setChecked(command, checked); }

void IndexWindow::popUpGateMenu() {
  // Without the window in front the menu would not close when clicked away from.
  SetForegroundWindow(window_);
  TrackPopupMenu(menu_.gateMenu(), TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, releasedAt_.x,
                 releasedAt_.y, 0, window_, nullptr);
  PostMessageW(window_, WM_NULL, 0, 0);
}

void IndexWindow::setOuterHeightTwips(int twips) {
  const int dpi = dotsPerInch(window_);
  RECT frame;
  GetWindowRect(window_, &frame);
  SetWindowPos(window_, nullptr, 0, 0, frame.right - frame.left, twipsToPixels(twips, dpi),
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void IndexWindow::setControlShown(std::string_view control, bool shown) {
  ShowWindow(form_->control(control), shown ? SW_SHOWNA : SW_HIDE);
}

void IndexWindow::setStayOnTop(bool onTop) { lumivox::setStaysOnTop(window_, onTop); }

void IndexWindow::setOpacityPercent(int percent) { lumivox::setOpacityPercent(window_, percent); }

void IndexWindow::openHotkeys() { HotkeysWindow::open(window_, *controller_, controller_->prompter()); }

void IndexWindow::openJump(DialogueState& state) { JumpWindow::open(window_, state, controller_->prompter()); }
void IndexWindow::openAutoSave(IndexModel& index) { AutoSaveWindow::open(window_, index, controller_->prompter()); }
void IndexWindow::openHelp() { HelpWindow::open(window_); }

void IndexWindow::openAbout(const std::string& mainLibraryPath) {
  about_ = AboutWindow::open(mainLibraryPath, controller_->prompter(), [this] {
    about_ = nullptr;
    controller_->onAboutClosed();
  });
  if (!about_) return controller_->onAboutClosed();
  setOwnerWhileOnTop(about_->handle(), window_, followersOnTop_);
}

void IndexWindow::raiseAbout() {
  if (!about_) return;
  if (IsIconic(about_->handle())) ShowWindow(about_->handle(), SW_RESTORE);
  SetForegroundWindow(about_->handle());
}

CheckReportView* IndexWindow::openCheckReport(CheckReportController& controller) {
  checkReport_ = CheckReportWindow::open([this, &controller] {
    checkReport_ = nullptr;
    controller.onWindowClosed();
  });
  if (checkReport_) setOwnerWhileOnTop(checkReport_->handle(), window_, followersOnTop_);
  return checkReport_;
}

void IndexWindow::raiseCheckReport() {
  if (!checkReport_) return;
  if (IsIconic(checkReport_->handle())) ShowWindow(checkReport_->handle(), SW_RESTORE);
  SetForegroundWindow(checkReport_->handle());
}

void IndexWindow::openShowWindow(ShowFrmMembers& members, ShowHost& host) {
  if (ShowFrmWindow* show = ShowFrmWindow::create(members, host, window_, controller_->prompter())) show->open();
}

void IndexWindow::openLines(LinesController& lines, const std::optional<ScreenRect>& game) {
  lines_ = LinesWindow::open(lines, window_, game, followersOnTop_, followersOpacity_, [this] { lines_ = nullptr; });
}

void IndexWindow::applyWindowLook(bool onTop, int opacityPercent) {
  followersOnTop_ = onTop;
  followersOpacity_ = opacityPercent;
  if (lines_) lines_->applyLook(onTop, opacityPercent);
  if (about_) setOwnerWhileOnTop(about_->handle(), window_, onTop);
  if (checkReport_) setOwnerWhileOnTop(checkReport_->handle(), window_, onTop);
}

LRESULT CALLBACK IndexWindow::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = windowOwner<IndexWindow>(window, message, lParam);
  if (self && message == WM_NCCREATE) self->window_ = window;
  return self ? self->handleMessage(message, wParam, lParam) : DefWindowProcW(window, message, wParam, lParam);
}

// A label answers the mouse button released over it after being pressed on it.
LRESULT CALLBACK IndexWindow::labelProcedure(HWND label, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                             DWORD_PTR self) {
  switch (message) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN: SetCapture(label); return 0;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP: {
      if (GetCapture() != label) return 0;
      ReleaseCapture();
      const POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
      RECT area;
      GetClientRect(label, &area);
      if (PtInRect(&area, at)) reinterpret_cast<IndexWindow*>(self)->labelReleased(label, message);
      return 0;
    }
  }
  return DefSubclassProc(label, message, wParam, lParam);
}

void IndexWindow::labelReleased(HWND label, UINT message) {
  GetCursorPos(&releasedAt_);
  controller_->onLabelReleased(*form_->row(label), message == WM_LBUTTONUP);
}

LRESULT IndexWindow::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      // Menu items and shortcuts; the controls' notifications are not listened to.
      if (lParam == 0 && controller_) controller_->onCommand(menu_.command(LOWORD(wParam)));
      return 0;
    case WM_CTLCOLORSTATIC:
      if (form_)
        if (HBRUSH brush = form_->colourStatic(reinterpret_cast<HWND>(lParam), reinterpret_cast<HDC>(wParam)))
          return reinterpret_cast<LRESULT>(brush);
      break;
    // Only the window's own focus counts: the focus coming from or going to
    // another window (the player going to the game and back, a box opening)
    // is activation, not the window's focus.
    case WM_SETFOCUS:
    case WM_KILLFOCUS: {
      const HWND other = reinterpret_cast<HWND>(wParam);
      if (controller_ && other && IsChild(window_, other)) controller_->onFocus(message == WM_SETFOCUS);
      break;
    }
    case WM_MOUSEWHEEL:
      if (form_ && form_->scrollWheel(wParam, lParam)) return 0;
      break;
    // Sent as the activation moves between this program's windows and boxes
    // and another program's: at once, not when the next tick asks.
    case WM_ACTIVATEAPP:
      if (controller_) controller_->onProgramFocus(wParam != FALSE);
      break;
    case WM_CLOSE:
      if (controller_ && !controller_->onCloseRequested()) return 0;
      DestroyWindow(window_);
      return 0;
    case WM_DPICHANGED: {
      // Moved to a screen of another scale: the system proposes the frame.
      const RECT& proposed = *reinterpret_cast<const RECT*>(lParam);
      SetWindowPos(window_, nullptr, proposed.left, proposed.top, proposed.right - proposed.left,
                   proposed.bottom - proposed.top, SWP_NOZORDER | SWP_NOACTIVATE);
      return 0;
    }
    case kPostedCall: {
      const std::unique_ptr<std::function<void()>> call(reinterpret_cast<std::function<void()>*>(lParam));
      (*call)();
      return 0;
    }
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcW(window_, message, wParam, lParam);
}

}  // namespace lumivox
