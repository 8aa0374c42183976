#include "platform/ClipboardWin.h"

#include <windows.h>

#include <cstring>

#include "common/Unicode.h"

namespace lumivox {
namespace {

HWND asWindow(void* owner) { return static_cast<HWND>(owner); }

std::u16string withWindowsLineEnds(const std::string& utf8) {
  std::u16string text;
  const std::u16string utf16 = utf8ToUtf16(utf8);
  text.reserve(utf16.size());
  for (std::size_t i = 0; i < utf16.size(); ++i) {
    if (utf16[i] == u'\n' && (i == 0 || utf16[i - 1] != u'\r')) text += u'\r';
    text += utf16[i];
  }
  return text;
}

// Closes the clipboard whichever way the caller leaves.
struct OpenClipboardScope {
  ~OpenClipboardScope() { CloseClipboard(); }
};

}  // namespace

WindowsClipboard::WindowsClipboard()
    : owner_(CreateWindowExW(0, L"STATIC", nullptr, 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, GetModuleHandleW(nullptr),
                             nullptr)) {}

WindowsClipboard::~WindowsClipboard() {
  if (owner_) DestroyWindow(asWindow(owner_));
}

void WindowsClipboard::open() {
  // A clipboard viewer may hold the clipboard for a moment after each change.
  for (int attempt = 0; attempt < 5; ++attempt) {
    if (OpenClipboard(asWindow(owner_))) return;
    Sleep(10);
  }
  throw ClipboardError("another program holds the clipboard");
}

void WindowsClipboard::clear() {
  open();
  OpenClipboardScope scope;
  if (!EmptyClipboard()) throw ClipboardError("the clipboard could not be emptied");
}

void WindowsClipboard::setText(const std::string& utf8Text) {
  const std::u16string text = withWindowsLineEnds(utf8Text);
  const std::size_t bytes = (text.size() + 1) * sizeof(char16_t);
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
  if (!memory) throw ClipboardError("no memory for the clipboard's text");
  void* target = GlobalLock(memory);
  if (!target) {
    GlobalFree(memory);
    throw ClipboardError("no memory for the clipboard's text");
  }
  std::memcpy(target, text.c_str(), bytes);
  GlobalUnlock(memory);

  try {
    open();
  } catch (...) {
    GlobalFree(memory);
    throw;
  }
  OpenClipboardScope scope;
  // The clipboard owns the memory once it took it.
  if (!EmptyClipboard() || !SetClipboardData(CF_UNICODETEXT, memory)) {
    GlobalFree(memory);
    throw ClipboardError("the clipboard did not take the text");
  }
}

}  // namespace lumivox
