#include "win32/LinesWindow.h"

#include <commctrl.h>

#include <algorithm>

#include "app/LinesController.h"
#include "app/LinesPlacement.h"
#include "win32/ApplyWindowLook.h"
#include "win32/Dpi.h"
#include "win32/ScreenCentre.h"
#include "win32/WideText.h"
#include "win32/WindowClass.h"
#include "win32/WindowOwner.h"

namespace lumivox {
namespace {

constexpr DWORD kStyle = WS_OVERLAPPEDWINDOW;
// At 96 dots an inch; scaled to the screen's.
constexpr int kWidth = kLinesWindowWidth, kHeight = kLinesWindowHeight, kMargin = 8, kRowHeight = 24, kLabelWidth = 48, kButtonWidth = 88;

HMENU idOf(int id) { return reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)); }

}  // namespace

LinesWindow* LinesWindow::open(LinesController& lines, HWND mainWindow, const std::optional<ScreenRect>& game,
                               bool onTop, int opacityPercent, std::function<void()> onGone) {
  auto* window = new LinesWindow(lines, nullptr);
  if (!window->create()) {
    if (window->window_)
      DestroyWindow(window->window_);  // which deletes it
    else
      delete window;
    return nullptr;
  }
  window->onGone_ = std::move(onGone);
  window->attached_ = true;
  window->ticker_ = std::make_unique<Win32Ticker>([&lines](TimerId timer) { lines.onTimer(timer); });
  lines.attach(*window, *window->ticker_);
  window->applyLook(onTop, opacityPercent);
  window->placeBeside(mainWindow, game);
  // The game keeps the focus: its next press must count.
  ShowWindow(window->window_, SW_SHOWNOACTIVATE);
  return window;
}

LinesWindow::~LinesWindow() {
  if (font_) DeleteObject(font_);
}

bool LinesWindow::create() {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  if (!registerWindowClass(instance, kClassName, procedure, ClassLook::TopLevel)) return false;
  if (!CreateWindowExW(0, kClassName, toWide(kLinesWindowTitle).c_str(), kStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                       CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance, this))
    return false;
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0))
    font_ = CreateFontIndirectW(&metrics.lfMessageFont);

  const DWORD child = WS_CHILD | WS_VISIBLE;
  findLabel_ = CreateWindowExW(0, L"STATIC", toWide(kFindLabelCaption).c_str(), child | SS_CENTERIMAGE, 0, 0, 0, 0,
                               window_, idOf(kFindLabelId), instance, nullptr);
  find_ = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"", child | WS_TABSTOP | ES_AUTOHSCROLL, 0, 0, 0, 0, window_,
                          idOf(kFindTextId), instance, nullptr);
  next_ = CreateWindowExW(0, L"BUTTON", toWide(kFindNextCaption).c_str(), child | WS_TABSTOP | BS_PUSHBUTTON, 0, 0,
                          0, 0, window_, idOf(kFindNextId), instance, nullptr);
  list_ = CreateWindowExW(WS_EX_CLIENTEDGE, WC_LISTVIEWW, L"",
                          child | WS_TABSTOP | LVS_REPORT | LVS_OWNERDATA | LVS_SINGLESEL | LVS_SHOWSELALWAYS |
                              LVS_NOCOLUMNHEADER,
                          0, 0, 0, 0, window_, idOf(kListId), instance, nullptr);
  result_ = CreateWindowExW(0, L"STATIC", L"", child | SS_NOPREFIX | SS_LEFTNOWORDWRAP, 0, 0, 0, 0, window_,
                            idOf(kFindResultId), instance, nullptr);
  if (!findLabel_ || !find_ || !next_ || !list_ || !result_) return false;
  for (HWND control : {findLabel_, find_, next_, list_, result_})
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
  ListView_SetExtendedListViewStyle(list_, LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER);
  LVCOLUMNW column{};
  column.mask = LVCF_WIDTH;
  ListView_InsertColumn(list_, 0, &column);

  const int dpi = dotsPerInch(window_);
  RECT frame{0, 0, MulDiv(kWidth, dpi, 96), MulDiv(kHeight, dpi, 96)};
  AdjustWindowRectEx(&frame, kStyle, FALSE, 0);
  SetWindowPos(window_, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  layOut();
  return true;
}

void LinesWindow::placeBeside(HWND mainWindow, const std::optional<ScreenRect>& game) {
  RECT main, own;
  MONITORINFO screen{};
  screen.cbSize = sizeof screen;
  if (!mainWindow || !GetWindowRect(mainWindow, &main) || !GetWindowRect(window_, &own) ||
      !GetMonitorInfoW(MonitorFromWindow(mainWindow, MONITOR_DEFAULTTONEAREST), &screen)) {
    centreOnScreen(window_);
    return;
  }
  auto rect = [](const RECT& r) { return ScreenRect{r.left, r.top, r.right - r.left, r.bottom - r.top}; };
  const int dpi = dotsPerInch(window_);
  // The frame around the client area of the smallest window.
  const int frameWidth = (own.right - own.left) - MulDiv(kWidth, dpi, 96);
  const int frameHeight = (own.bottom - own.top) - MulDiv(kHeight, dpi, 96);
  const ScreenRect at = placeLinesWindow(
      rect(main), rect(screen.rcWork), game, own.right - own.left, own.bottom - own.top,
      MulDiv(kLinesWindowSmallestWidth, dpi, 96) + frameWidth, MulDiv(kLinesWindowSmallestHeight, dpi, 96) + frameHeight);
  SetWindowPos(window_, nullptr, at.left, at.top, at.width, at.height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void LinesWindow::layOut() {
  if (!list_) return;
  const int dpi = dotsPerInch(window_);
  auto px = [dpi](int at96) { return MulDiv(at96, dpi, 96); };
  RECT area;
  GetClientRect(window_, &area);
  const int m = px(kMargin), row = px(kRowHeight), width = area.right - 2 * m;
  MoveWindow(findLabel_, m, m, px(kLabelWidth), row, TRUE);
  MoveWindow(find_, m + px(kLabelWidth), m, width - px(kLabelWidth) - px(kButtonWidth) - m, row, TRUE);
  MoveWindow(next_, area.right - m - px(kButtonWidth), m, px(kButtonWidth), row, TRUE);
  const int listTop = 2 * m + row, listBottom = area.bottom - 2 * m - row;
  MoveWindow(list_, m, listTop, width, listBottom - listTop, TRUE);
  MoveWindow(result_, m, area.bottom - m - row, width, row, TRUE);
  RECT inside;
  GetClientRect(list_, &inside);
  ListView_SetColumnWidth(list_, 0, inside.right);
}

void LinesWindow::applyLook(bool onTop, int opacityPercent) {
  setStaysOnTop(window_, onTop);
  setOpacityPercent(window_, opacityPercent);
}

bool LinesWindow::translateKeys(MSG& message) {
  HWND top = message.hwnd ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
  if (!top || GetWindowLongPtrW(top, GWLP_WNDPROC) != reinterpret_cast<LONG_PTR>(procedure)) return false;
  if (message.message == WM_KEYDOWN && message.wParam == VK_F3) {
    SendMessageW(top, WM_COMMAND, MAKEWPARAM(kFindNextId, BN_CLICKED), 0);
    return true;
  }
  // Enter gives IDOK, Esc IDCANCEL, Tab moves the focus.
  return IsDialogMessageW(top, &message);
}

void LinesWindow::resetRows(std::int32_t rows) {
  ListView_SetItemCountEx(list_, rows, 0);
  InvalidateRect(list_, nullptr, TRUE);
}

void LinesWindow::rowChanged(std::int32_t row) { ListView_RedrawItems(list_, row, row); }

// One row's state only: a single-selection list drops the old selection
// itself, where clearing every row's state costs a pass over all of them.
void LinesWindow::selectRow(std::int32_t row, std::int32_t first, std::int32_t last) {
  ListView_SetItemState(list_, row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
  ListView_EnsureVisible(list_, last, FALSE);
  ListView_EnsureVisible(list_, first, FALSE);
}

std::int32_t LinesWindow::selectedRow() const { return ListView_GetNextItem(list_, -1, LVNI_SELECTED); }

void LinesWindow::setFindResult(const std::string& text) { SetWindowTextW(result_, toWide(text).c_str()); }

bool LinesWindow::onScreen() const { return IsWindowVisible(window_) && !IsIconic(window_); }
bool LinesWindow::active() const { return GetForegroundWindow() == window_; }

void LinesWindow::showWithoutFocus() {
  ShowWindow(window_, IsIconic(window_) ? SW_SHOWNOACTIVATE : SW_SHOWNA);
  SetWindowPos(window_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void LinesWindow::focusSearch() {
  if (IsIconic(window_)) ShowWindow(window_, SW_RESTORE);
  SetForegroundWindow(window_);
  SetFocus(find_);
  SendMessageW(find_, EM_SETSEL, 0, -1);
}

void LinesWindow::closeWindow() { DestroyWindow(window_); }
std::uintptr_t LinesWindow::windowId() const { return reinterpret_cast<std::uintptr_t>(window_); }

std::string LinesWindow::findText() const {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(find_)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(find_, text.data(), static_cast<int>(text.size()))));
  return fromWide(text);
}

LRESULT LinesWindow::notified(const NMHDR& header) {
  if (header.hwndFrom != list_) return 0;
  switch (header.code) {
    case LVN_GETDISPINFOW: {
      auto& item = reinterpret_cast<NMLVDISPINFOW&>(const_cast<NMHDR&>(header)).item;
      if (!(item.mask & LVIF_TEXT) || item.cchTextMax <= 0) return 0;
      rowText_ = toWide(lines_.rowText(item.iItem));
      const auto length = std::min<std::size_t>(rowText_.size(), static_cast<std::size_t>(item.cchTextMax - 1));
      rowText_.copy(item.pszText, length);
      item.pszText[length] = L'\0';
      return 0;
    }
    case NM_CLICK: {
      const int row = reinterpret_cast<const NMITEMACTIVATE&>(header).iItem;
      if (row >= 0) lines_.choose(row);
      return 0;
    }
  }
  return 0;
}

LRESULT CALLBACK LinesWindow::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = windowOwner<LinesWindow>(window, message, lParam);
  if (self && message == WM_NCCREATE) self->window_ = window;
  if (!self) return DefWindowProcW(window, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    if (self->attached_) self->lines_.detach();
    if (self->onGone_) self->onGone_();
    delete self;
    return DefWindowProcW(window, message, wParam, lParam);
  }
  return self->handleMessage(message, wParam, lParam);
}

LRESULT LinesWindow::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      if (!attached_) return 0;
      switch (LOWORD(wParam)) {
        case kFindTextId:
          if (HIWORD(wParam) == EN_CHANGE) lines_.findTyped(findText());
          return 0;
        case kFindNextId:
          if (HIWORD(wParam) == BN_CLICKED) lines_.findNext(findText());
          return 0;
        case IDOK: lines_.choose(selectedRow()); return 0;
        case IDCANCEL: lines_.escape(); return 0;
      }
      return 0;
    case WM_NOTIFY:
      if (attached_) return notified(*reinterpret_cast<const NMHDR*>(lParam));
      return 0;
    case WM_SIZE: layOut(); return 0;
    // Activated by a click or the system, the keys go to the list.
    case WM_SETFOCUS:
      if (list_) SetFocus(list_);
      return 0;
    case WM_GETMINMAXINFO: {
      auto& limits = *reinterpret_cast<MINMAXINFO*>(lParam);
      const int dpi = dotsPerInch(window_);
      limits.ptMinTrackSize = {MulDiv(kWidth / 2, dpi, 96), MulDiv(kHeight / 2, dpi, 96)};
      return 0;
    }
    case WM_CLOSE: DestroyWindow(window_); return 0;
  }
  return DefWindowProcW(window_, message, wParam, lParam);
}

}  // namespace lumivox
