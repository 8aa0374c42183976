// Reads windows' texts for the end-to-end tests, as UTF-8 lines on standard
// output: the text of the top-level window of that class and title ("*" for
// any title), or of its controls with the given identifiers or, for the main
// window and About, names in their control tables. "@" gives the window's
// outer size and place instead ("width height left top"), "@name" the centre
// of a control on the screen ("x y"), for clicks, and "#name" its place on
// the screen and the width its text takes on one line ("left top right
// bottom width"). A list box gives its rows, one a line. Fails when the
// window or a control is not there.
// "%" gives how the window stands over others: "topmost" or "normal", then
// its layered alpha (255 when it is not layered).
// "^" gives the title of the window's owner (an empty line when it has none).
// "--foreground" prints the title of the window Wine sends the keys to,
// which is not always the one holding the X focus; "--stacking" the titles
// of the shown top-level windows, the topmost first.
// Usage: WindowProbe <class> <title|*> [<control id or name>|@|@name|#name|%|^...]
//        WindowProbe --foreground | --stacking
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>

#include "dialogue/IndexForm.h"
#include "info/AboutForm.h"
#include "win32/ControlIds.h"
#include "win32/WideText.h"

namespace {

std::wstring textOf(HWND window) {
  wchar_t text[4096];
  const LRESULT length = SendMessageW(window, WM_GETTEXT, sizeof text / sizeof *text, reinterpret_cast<LPARAM>(text));
  return {text, static_cast<std::size_t>(length)};
}

// In the control's own font.
long oneLineWidth(HWND control) {
  const std::wstring text = textOf(control);
  HDC dc = GetDC(control);
  const HGDIOBJ previous = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
  RECT needed{};
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &needed, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
  SelectObject(dc, previous);
  ReleaseDC(control, dc);
  return needed.right - needed.left;
}

void printLine(const std::wstring& text) {
  const std::string utf8 = lumivox::fromWide(text) + "\n";
  std::fwrite(utf8.data(), 1, utf8.size(), stdout);
}

bool isListBox(HWND control) {
  wchar_t name[32];
  return GetClassNameW(control, name, 32) && _wcsicmp(name, L"ListBox") == 0;
}

void printRows(HWND list) {
  const LRESULT count = SendMessageW(list, LB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    std::wstring row(static_cast<std::size_t>(SendMessageW(list, LB_GETTEXTLEN, i, 0)) + 1, L'\0');
    row.resize(static_cast<std::size_t>(SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(row.data()))));
    printLine(row);
  }
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc == 2 && std::wcscmp(argv[1], L"--foreground") == 0) {
    const HWND foreground = GetForegroundWindow();
    if (!foreground) return 1;
    printLine(textOf(foreground));
    return 0;
  }
  if (argc == 2 && std::wcscmp(argv[1], L"--stacking") == 0) {
    // Top-level windows come in their order on the screen, the top one first.
    EnumWindows(
        [](HWND window, LPARAM) -> BOOL {
          if (IsWindowVisible(window)) printLine(textOf(window));
          return TRUE;
        },
        0);
    return 0;
  }
  if (argc < 3) {
    std::fputs("usage: WindowProbe <class> <title|*> [<control id>...]\n", stderr);
    return 2;
  }
  const bool anyTitle = std::wcscmp(argv[2], L"*") == 0;
  HWND window = FindWindowW(argv[1], anyTitle ? nullptr : argv[2]);
  if (!window) {
    std::fputs("WindowProbe: no such window\n", stderr);
    return 1;
  }
  if (argc == 3) printLine(textOf(window));
  for (int i = 3; i < argc; ++i) {
    const bool where = argv[i][0] == L'@', extent = argv[i][0] == L'#';
    const wchar_t* name = argv[i] + (where || extent ? 1 : 0);
    RECT place;
    if (std::wcscmp(argv[i], L"%") == 0) {
      const LONG_PTR style = GetWindowLongPtrW(window, GWL_EXSTYLE);
      BYTE alpha = 255;
      DWORD flags = 0;
      if (!(style & WS_EX_LAYERED) || !GetLayeredWindowAttributes(window, nullptr, &alpha, &flags) ||
          !(flags & LWA_ALPHA))
        alpha = 255;
      std::printf("%s %d\n", (style & WS_EX_TOPMOST) ? "topmost" : "normal", alpha);
      continue;
    }
    if (std::wcscmp(argv[i], L"^") == 0) {
      const HWND owner = GetWindow(window, GW_OWNER);
      printLine(owner ? textOf(owner) : std::wstring());
      continue;
    }
    if (where && *name == L'\0') {
      GetWindowRect(window, &place);
      std::printf("%ld %ld %ld %ld\n", place.right - place.left, place.bottom - place.top, place.left, place.top);
      continue;
    }
    wchar_t* end = nullptr;
    int id = static_cast<int>(std::wcstol(name, &end, 10));
    if (*end != L'\0')
      id = lumivox::controlId(std::wcscmp(argv[1], L"LumivoxAbout") == 0 ? lumivox::aboutForm() : lumivox::indexForm(),
                              lumivox::fromWide(name));
    HWND control = id ? GetDlgItem(window, id) : nullptr;
    if (!control) {
      std::fprintf(stderr, "WindowProbe: no control %ls\n", argv[i]);
      return 1;
    }
    GetWindowRect(control, &place);
    if (extent)
      std::printf("%ld %ld %ld %ld %ld\n", place.left, place.top, place.right, place.bottom, oneLineWidth(control));
    else if (!where && isListBox(control))
      printRows(control);
    else if (!where)
      printLine(textOf(control));
    else
      std::printf("%ld %ld\n", (place.left + place.right) / 2, (place.top + place.bottom) / 2);
  }
  return 0;
}
