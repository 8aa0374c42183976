#include "win32/CheckReportWindow.h"

#include <algorithm>

#include "win32/Dpi.h"
#include "win32/ScreenCentre.h"
#include "win32/WideText.h"
#include "win32/WindowClass.h"
#include "win32/WindowOwner.h"

namespace lumivox {
namespace {

constexpr DWORD kStyle = WS_OVERLAPPEDWINDOW;
// At 96 dots an inch; scaled to the screen's.
constexpr int kClientWidth = 760, kClientHeight = 360, kMargin = 8, kButtonWidth = 88, kButtonHeight = 26;

}  // namespace

CheckReportWindow* CheckReportWindow::open(std::function<void()> onGone) {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  if (!registerWindowClass(instance, kClassName, procedure, ClassLook::TopLevel)) return nullptr;
  auto* self = new CheckReportWindow(std::move(onGone));
  if (!CreateWindowExW(0, kClassName, toWide(kCheckReportTitle).c_str(), kStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                       CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance, self)) {
    delete self;
    return nullptr;
  }
  if (!self->createControls()) {
    self->onGone_ = nullptr;  // refused: the opener hears it from the null
    DestroyWindow(self->window_);
    return nullptr;
  }
  RECT frame{0, 0, self->scaled(kClientWidth), self->scaled(kClientHeight)};
  AdjustWindowRectEx(&frame, kStyle, FALSE, 0);
  SetWindowPos(self->window_, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  centreOnScreen(self->window_);
  ShowWindow(self->window_, SW_SHOW);
  SetFocus(self->findings_);
  return self;
}

CheckReportWindow::~CheckReportWindow() {
  if (font_) DeleteObject(font_);
}

int CheckReportWindow::scaled(int pixels) const { return MulDiv(pixels, dpi_, 96); }

bool CheckReportWindow::createControls() {
  dpi_ = dotsPerInch(window_);
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  LOGFONTW face{};
  if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0))
    face = metrics.lfMessageFont;
  else
    GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof face, &face);
  font_ = CreateFontIndirectW(&face);

  const HINSTANCE instance = GetModuleHandleW(nullptr);
  auto make = [&](const wchar_t* className, const wchar_t* text, DWORD style, int id) {
    HWND control = CreateWindowExW(0, className, text, WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0, window_,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
    if (control) SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    return control;
  };
  summary_ = make(L"STATIC", L"", SS_LEFT | SS_NOPREFIX | SS_ENDELLIPSIS, kSummaryId);
  // Without LBS_NOTIFY a double click only selects, as nothing opens from a row.
  findings_ = make(L"LISTBOX", L"",
                   WS_BORDER | WS_VSCROLL | WS_HSCROLL | WS_TABSTOP | LBS_NOINTEGRALHEIGHT, kFindingsId);
  close_ = make(L"BUTTON", L"关闭", WS_TABSTOP | BS_PUSHBUTTON, IDCANCEL);
  if (!summary_ || !findings_ || !close_) return false;
  layOut();
  return true;
}

void CheckReportWindow::layOut() {
  if (!close_) return;
  RECT area;
  GetClientRect(window_, &area);
  const int margin = scaled(kMargin), buttonWidth = scaled(kButtonWidth), buttonHeight = scaled(kButtonHeight);
  const int summaryHeight = scaled(20);
  const int width = std::max(0, static_cast<int>(area.right) - 2 * margin);
  const int buttonTop = area.bottom - margin - buttonHeight;
  const int listTop = margin + summaryHeight + margin / 2;
  MoveWindow(summary_, margin, margin, width, summaryHeight, TRUE);
  MoveWindow(findings_, margin, listTop, width, std::max(0, buttonTop - margin / 2 - listTop), TRUE);
  MoveWindow(close_, area.right - margin - buttonWidth, buttonTop, buttonWidth, buttonHeight, TRUE);
}

void CheckReportWindow::showReport(const std::string& summary, const std::vector<std::string>& rows) {
  SetWindowTextW(summary_, toWide(summary).c_str());
  SendMessageW(findings_, WM_SETREDRAW, FALSE, 0);
  SendMessageW(findings_, LB_RESETCONTENT, 0, 0);
  // The list box scrolls across only as far as it is told.
  HDC dc = GetDC(findings_);
  const HGDIOBJ previous = SelectObject(dc, font_);
  LONG widest = 0;
  for (const std::string& row : rows) {
    const std::wstring text = toWide(row);
    SendMessageW(findings_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    widest = std::max(widest, size.cx);
  }
  SelectObject(dc, previous);
  ReleaseDC(findings_, dc);
  SendMessageW(findings_, LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(widest + scaled(8)), 0);
  SendMessageW(findings_, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(findings_, nullptr, TRUE);
}

bool CheckReportWindow::translateKeys(MSG& message) {
  HWND top = message.hwnd ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
  if (!top || GetWindowLongPtrW(top, GWLP_WNDPROC) != reinterpret_cast<LONG_PTR>(procedure)) return false;
  return IsDialogMessageW(top, &message);
}

LRESULT CALLBACK CheckReportWindow::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = windowOwner<CheckReportWindow>(window, message, lParam);
  if (self && message == WM_NCCREATE) self->window_ = window;
  if (!self) return DefWindowProcW(window, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    if (self->onGone_) self->onGone_();
    delete self;
    return DefWindowProcW(window, message, wParam, lParam);
  }
  return self->handleMessage(message, wParam, lParam);
}

LRESULT CheckReportWindow::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SIZE: layOut(); return 0;
    case WM_COMMAND:
      if (LOWORD(wParam) == IDCANCEL) DestroyWindow(window_);
      return 0;
    case WM_CTLCOLORSTATIC:
      // The summary on the window's own face.
      SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
      return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    case WM_CLOSE: DestroyWindow(window_); return 0;
  }
  return DefWindowProcW(window_, message, wParam, lParam);
}

}  // namespace lumivox
