#include <gtest/gtest.h>
#include <windows.h>

#include <future>
#include <optional>
#include <string>
#include <thread>

#include "platform/ClipboardWin.h"

using namespace lumivox;

namespace {

// What another program reading the clipboard as Unicode text gets.
std::optional<std::u16string> clipboardText() {
  if (!OpenClipboard(nullptr)) return std::nullopt;
  std::optional<std::u16string> text;
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    text = static_cast<const char16_t*>(GlobalLock(data));
    GlobalUnlock(data);
  }
  CloseClipboard();
  return text;
}

}  // namespace

TEST(ClipboardWin, TheTextArrivesWithWindowsLineEndsAndStaysAfterTheProgramLetsGo) {
  {
    WindowsClipboard clipboard;
    clipboard.setText("错误报告\n第 12 行\r\n完");
  }
  EXPECT_EQ(clipboardText(), u"错误报告\r\n第 12 行\r\n完");
  WindowsClipboard clipboard;
  clipboard.clear();
  EXPECT_EQ(clipboardText(), std::nullopt);
}

TEST(ClipboardWin, AClipboardHeldByAnotherProgramIsAnError) {
  std::promise<void> opened, done;
  std::thread other([&] {
    OpenClipboard(nullptr);
    opened.set_value();
    done.get_future().wait();
    CloseClipboard();
  });
  opened.get_future().wait();
  WindowsClipboard clipboard;
  EXPECT_THROW(clipboard.setText("信"), ClipboardError);
  EXPECT_THROW(clipboard.clear(), ClipboardError);
  done.set_value();
  other.join();
  EXPECT_NO_THROW(clipboard.setText("信"));
}
