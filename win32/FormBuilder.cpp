#include "win32/FormBuilder.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <cmath>
#include <cwchar>

#include "common/LabelFitting.h"
#include "dialogue/KeyCombo.h"
#include "win32/ControlIds.h"
#include "win32/Dpi.h"
#include "win32/WideText.h"

namespace lumivox {
namespace {

struct WindowKind {
  const wchar_t* className;
  DWORD style;
};

// Every label notifies its clicks; only the clickable ones are listened to.
WindowKind windowKind(const ControlRow& row) {
  const DWORD visible = WS_VISIBLE;
  switch (row.kind) {
    case ControlKind::Frame: return {WC_BUTTONW, visible | BS_GROUPBOX};
    case ControlKind::Label:
      if (row.scrolls) {
        // An edit control: it breaks any line, however long, and scrolls.
        const DWORD centre = row.align == Align::Left ? 0 : ES_CENTER;
        return {WC_EDITW, visible | WS_VSCROLL | ES_MULTILINE | ES_READONLY | centre};
      }
      [[fallthrough]];
    case ControlKind::DialogueLine: {
      // A label's text starts at its top, as Windows draws it, but for Centre
      // on one line.
      DWORD align = row.wrap ? SS_LEFT : SS_LEFTNOWORDWRAP;
      if (row.align == Align::CentreTop) align = SS_CENTER;
      if (row.align == Align::Centre) align = row.wrap ? SS_CENTER : SS_CENTER | SS_CENTERIMAGE;
      return {WC_STATICW, visible | align | SS_NOPREFIX | SS_NOTIFY};
    }
    case ControlKind::Line: return {WC_STATICW, visible | SS_ETCHEDHORZ};
    case ControlKind::ProgressBar: return {PROGRESS_CLASSW, visible};
    case ControlKind::TextField: return {WC_EDITW, visible | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL};
    case ControlKind::HiddenField: return {WC_EDITW, ES_AUTOHSCROLL};
    case ControlKind::TextBox:
      return {WC_EDITW, visible | WS_BORDER | WS_VSCROLL | WS_TABSTOP | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL};
    case ControlKind::Button: return {WC_BUTTONW, visible | WS_TABSTOP | BS_PUSHBUTTON};
    // Tab reaches a group of options at its selected one.
    case ControlKind::OptionButton: return {WC_BUTTONW, visible | (row.checked ? WS_TABSTOP : 0) | BS_AUTORADIOBUTTON};
    case ControlKind::Picture: return {WC_STATICW, visible | SS_BITMAP};
    case ControlKind::KeyField: return {HOTKEY_CLASSW, visible | WS_BORDER | WS_TABSTOP};
    case ControlKind::XpBar: break;  // made by its window: it needs the window's properties
  }
  return {nullptr, 0};
}

// A scrolling label is read, not used: a click in it neither selects nor
// takes the focus from the window, and the pointer over it stays an arrow.
// Its bar scrolls it, and the wheel a line a notch.
LRESULT CALLBACK scrollingLabelProcedure(HWND control, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                         DWORD_PTR) {
  switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_LBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
    case WM_RBUTTONUP:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
    case WM_MBUTTONUP:
    case WM_MOUSEMOVE:
    case WM_CONTEXTMENU: return 0;
    case WM_SETCURSOR:
      if (LOWORD(lParam) != HTCLIENT) break;
      SetCursor(LoadCursorW(nullptr, IDC_ARROW));
      return TRUE;
    case WM_MOUSEWHEEL: {
      const int notches = GET_WHEEL_DELTA_WPARAM(wParam) / WHEEL_DELTA;
      SendMessageW(control, EM_LINESCROLL, 0, notches != 0 ? -notches : GET_WHEEL_DELTA_WPARAM(wParam) > 0 ? -1 : 1);
      return 0;
    }
  }
  return DefSubclassProc(control, message, wParam, lParam);
}

std::wstring textOf(HWND control) {
  const int length = GetWindowTextLengthW(control);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  GetWindowTextW(control, text.data(), length + 1);
  text.resize(static_cast<std::size_t>(length));
  return text;
}

// The area a control's text takes in its font, as a label draws it.
RECT textArea(HWND control, int width, UINT format) {
  const std::wstring text = textOf(control);
  HDC dc = GetDC(control);
  SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
  RECT needed{0, 0, width, 0};
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &needed, DT_CALCRECT | DT_NOPREFIX | format);
  ReleaseDC(control, dc);
  return needed;
}

// A multi-line edit control breaks lines only at Windows line ends.
std::wstring withWindowsLineEnds(const std::wstring& text) {
  std::wstring out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == L'\n' && (i == 0 || text[i - 1] != L'\r')) out += L'\r';
    out += text[i];
  }
  return out;
}

// The keys the hotkey control shows by their extended names.
bool extendedKey(int key) {
  return (key >= VK_PRIOR && key <= VK_DOWN) || key == VK_INSERT || key == VK_DELETE || key == VK_DIVIDE;
}

// A hotkey control's combination as text; a key outside the watch's
// vocabulary by the name Windows gives it, which reading then refuses.
std::string hotkeyText(HWND control) {
  const auto hotkey = static_cast<WORD>(SendMessageW(control, HKM_GETHOTKEY, 0, 0));
  const BYTE flags = HIBYTE(hotkey);
  KeyCombo combo{LOBYTE(hotkey), (flags & HOTKEYF_CONTROL) != 0, (flags & HOTKEYF_ALT) != 0,
                 (flags & HOTKEYF_SHIFT) != 0};
  if (combo.none()) return {};
  if (std::string text = formatKeyCombo(combo); !text.empty()) return text;
  wchar_t name[64] = L"?";
  const UINT scanCode = MapVirtualKeyW(static_cast<UINT>(combo.key), MAPVK_VK_TO_VSC);
  GetKeyNameTextW(static_cast<LONG>(scanCode << 16), name, 64);
  combo.key = 'A';  // only the modifiers' text is kept
  std::string text = formatKeyCombo(combo);
  return text.substr(0, text.size() - 1) + fromWide(name);
}

void setHotkeyText(HWND control, const std::string& text) {
  const KeyCombo combo = parseKeyCombo(text).value_or(KeyCombo{});
  const BYTE flags = static_cast<BYTE>((combo.ctrl ? HOTKEYF_CONTROL : 0) | (combo.alt ? HOTKEYF_ALT : 0) |
                                       (combo.shift ? HOTKEYF_SHIFT : 0) | (extendedKey(combo.key) ? HOTKEYF_EXT : 0));
  SendMessageW(control, HKM_SETHOTKEY, MAKEWORD(static_cast<BYTE>(combo.key), flags), 0);
}

}  // namespace

class Win32Form::Measure final : public TextMeasure {
 public:
  explicit Measure(const Win32Form& form) : form_(form) {}
  int textWidth(const ControlRow& label) const override {
    return static_cast<int>(textArea(form_.control(label.name), 0, DT_SINGLELINE).right);
  }
  int textHeight(const ControlRow& label, int width) const override {
    return static_cast<int>(textArea(form_.control(label.name), width, DT_WORDBREAK | DT_EXPANDTABS).bottom);
  }
  // A group box is only drawn around its contents: it keeps none of them from its edges.
  Margins frameMargins(const ControlRow&) const override { return {}; }

 private:
  const Win32Form& form_;
};

Win32Form::Win32Form(HWND window, const ControlTable& form) : window_(window), form_(form), dpi_(dotsPerInch(window)) {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0))
    base_ = metrics.lfMessageFont;
  else
    GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof base_, &base_);

  const HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(window, GWLP_HINSTANCE));
  std::vector<HWND> frames, lines;
  for (std::size_t i = 0; i < form.controls.size(); ++i) {
    const ControlRow& row = form.controls[i];
    const WindowKind kind = windowKind(row);
    if (!kind.className) continue;
    // Option buttons choose among those of their container only.
    const ControlRow* before = i > 0 ? &form.controls[i - 1] : nullptr;
    const bool sameGroup = row.kind == ControlKind::OptionButton && before &&
                           before->kind == ControlKind::OptionButton && before->parent == row.parent;
    HWND control = CreateWindowExW(0, kind.className, toWide(row.caption).c_str(),
                                   WS_CHILD | WS_CLIPSIBLINGS | (sameGroup ? 0 : WS_GROUP) | kind.style, 0, 0, 0, 0,
                                   window, reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId(i))), instance, nullptr);
    if (!control) continue;
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(fontFor(row, row.points)), FALSE);
    if (row.scrolls) SetWindowSubclass(control, scrollingLabelProcedure, 1, 0);
    controls_[row.name] = control;
    rows_[control] = &row;
    if (row.kind == ControlKind::Frame) frames.push_back(control);
    if (row.kind == ControlKind::Line) lines.push_back(control);
  }
  place();
  for (const auto& [control, row] : rows_) {
    if (row->kind == ControlKind::DialogueLine) fitDialogueLine(control, *row);
    if (row->scrolls) fitScrollingLabel(control);
    if (row->checked) SendMessageW(control, BM_SETCHECK, BST_CHECKED, 0);
  }
  // Frames lie under what they hold, and a label's background must not hide
  // a rule it overlaps.
  for (HWND frame : frames) SetWindowPos(frame, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  for (HWND line : lines) SetWindowPos(line, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

// Every control is a child of the window: a framed one is placed by its
// frame's place and its own.
void Win32Form::place() {
  const FittedForm fitted = fitLabels(form_, Measure(*this), dpi_);
  for (std::size_t i = 0; i < form_.controls.size(); ++i) {
    HWND control = this->control(form_.controls[i].name);
    if (!control) continue;
    const Place at = fitted.inClientArea(i);
    SetWindowPos(control, nullptr, at.left, at.top, at.width, at.height, SWP_NOZORDER | SWP_NOACTIVATE);
  }
  if (const int extra = fitted.clientHeight - twipsToPixels(form_.clientHeight, dpi_); extra > 0) {
    RECT outer;
    GetWindowRect(window_, &outer);
    SetWindowPos(window_, nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top + extra,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

Win32Form::~Win32Form() {
  // The controls go with the window; their fonts are ours.
  for (auto& [key, font] : fonts_) DeleteObject(font);
  for (auto& [colour, brush] : brushes_) DeleteObject(brush);
}

HWND Win32Form::control(std::string_view name) const {
  const auto found = controls_.find(name);
  return found == controls_.end() ? nullptr : found->second;
}

const ControlRow* Win32Form::row(HWND control) const {
  const auto found = rows_.find(control);
  return found == rows_.end() ? nullptr : found->second;
}

HFONT Win32Form::fontFor(const ControlRow& row, double points) {
  LOGFONTW font = base_;
  if (!row.face.empty()) {
    const std::wstring face = toWide(row.face);
    std::wcsncpy(font.lfFaceName, face.c_str(), LF_FACESIZE - 1);
    font.lfFaceName[LF_FACESIZE - 1] = L'\0';
    font.lfCharSet = GB2312_CHARSET;
  }
  if (points > 0) font.lfHeight = -static_cast<LONG>(std::lround(points * dpi_ / 72.0));
  font.lfWeight = row.bold ? FW_BOLD : FW_NORMAL;
  const std::wstring key = std::wstring(font.lfFaceName) + L'|' + std::to_wstring(font.lfHeight) + L'|' +
                           std::to_wstring(font.lfWeight);
  HFONT& made = fonts_[key];
  if (!made) made = CreateFontIndirectW(&font);
  return made;
}

void Win32Form::fitDialogueLine(HWND control, const ControlRow& row) {
  const std::wstring text = textOf(control);
  RECT room;
  GetClientRect(control, &room);
  HDC dc = GetDC(control);
  const double points = dialogueLinePoints(
      row.points > 0 ? row.points : std::abs(base_.lfHeight) * 72.0 / dpi_, room.bottom, [&](double at) {
        SelectObject(dc, fontFor(row, at));
        RECT needed{0, 0, room.right, 0};
        DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &needed,
                  DT_CALCRECT | DT_WORDBREAK | DT_EDITCONTROL | DT_NOPREFIX);
        return static_cast<double>(needed.bottom);
      });
  ReleaseDC(control, dc);
  SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(fontFor(row, points)), TRUE);
}

std::string Win32Form::text(std::string_view name) const {
  HWND control = this->control(name);
  if (control && rows_.at(control)->kind == ControlKind::KeyField) return hotkeyText(control);
  return control ? fromWide(textOf(control)) : std::string();
}

void Win32Form::setText(std::string_view name, const std::string& text) {
  HWND control = this->control(name);
  if (!control) return;
  const ControlRow& row = *rows_.at(control);
  if (row.kind == ControlKind::KeyField) return setHotkeyText(control, text);
  std::wstring wide = toWide(text);
  if (row.kind == ControlKind::TextBox || row.scrolls) wide = withWindowsLineEnds(wide);
  SetWindowTextW(control, wide.c_str());
  if (row.kind == ControlKind::DialogueLine) fitDialogueLine(control, row);
  if (row.scrolls) fitScrollingLabel(control);
}

void Win32Form::setAddressText(std::string_view name, const std::string& text) {
  HWND label = control(name);
  if (!label) return;
  RECT room;
  GetClientRect(label, &room);
  HDC dc = GetDC(label);
  SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(label, WM_GETFONT, 0, 0)));
  const std::string broken = withAddressBreaks(text, room.right, [dc](std::string_view line) {
    const std::wstring wide = toWide(line);
    SIZE size{};
    GetTextExtentPoint32W(dc, wide.c_str(), static_cast<int>(wide.size()), &size);
    return static_cast<int>(size.cx);
  });
  ReleaseDC(label, dc);
  setText(name, broken);
}

bool Win32Form::isChecked(std::string_view option) const {
  HWND button = control(option);
  return button && SendMessageW(button, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

// The bar only while the text runs past the lower edge; the edit control
// itself would keep it, greyed, beside a text that fits.
void Win32Form::fitScrollingLabel(HWND control) {
  ShowScrollBar(control, SB_VERT, FALSE);
  HDC dc = GetDC(control);
  SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  ReleaseDC(control, dc);
  RECT room{};
  SendMessageW(control, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&room));
  const auto lines = SendMessageW(control, EM_GETLINECOUNT, 0, 0);
  if (lines * metrics.tmHeight > room.bottom - room.top) ShowScrollBar(control, SB_VERT, TRUE);
}

bool Win32Form::scrollWheel(WPARAM wParam, LPARAM lParam) {
  const POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  HWND under = WindowFromPoint(at);
  const ControlRow* row = this->row(under);
  if (!row || !row->scrolls) return false;
  SendMessageW(under, WM_MOUSEWHEEL, wParam, lParam);
  return true;
}

HBRUSH Win32Form::colourStatic(HWND control, HDC dc) {
  const ControlRow* row = this->row(control);
  if (!row) return nullptr;
  if (row->colour) SetTextColor(dc, RGB(row->colour->red, row->colour->green, row->colour->blue));
  const std::optional<Rgb>& background = row->background ? row->background : form_.background;
  if (!background) {
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    return GetSysColorBrush(COLOR_BTNFACE);
  }
  const COLORREF colour = RGB(background->red, background->green, background->blue);
  SetBkColor(dc, colour);
  HBRUSH& brush = brushes_[colour];
  if (!brush) brush = CreateSolidBrush(colour);
  return brush;
}

}  // namespace lumivox
