#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <optional>

#include "platform/LayeredWindow.h"

using lumivox::NativeWindowHandle;
using lumivox::SetWindowOpacity;

namespace {

// A real top-level window of the test's own, as the system sees it.
class TestWindow {
 public:
  TestWindow()
      : handle_(CreateWindowExA(0, "STATIC", "layered", WS_POPUP, 10, 10, 120, 80, nullptr, nullptr,
                                GetModuleHandleA(nullptr), nullptr)) {}
  ~TestWindow() {
    if (handle_) DestroyWindow(handle_);
  }
  TestWindow(const TestWindow&) = delete;
  TestWindow& operator=(const TestWindow&) = delete;

  HWND handle() const { return handle_; }
  NativeWindowHandle native() const { return reinterpret_cast<NativeWindowHandle>(handle_); }
  bool layered() const { return (GetWindowLongA(handle_, GWL_EXSTYLE) & WS_EX_LAYERED) != 0; }
  // The alpha the system holds for the window; nothing when none was set.
  std::optional<int> alpha() const {
    COLORREF key = 0;
    BYTE level = 0;
    DWORD flags = 0;
    if (!GetLayeredWindowAttributes(handle_, &key, &level, &flags) || !(flags & LWA_ALPHA)) return std::nullopt;
    return level;
  }

 private:
  HWND handle_;
};

}  // namespace

TEST(LayeredWindow, LevelsFrom0To255MakeTheWindowLayeredWithThatAlpha) {
  TestWindow window;
  ASSERT_NE(window.handle(), nullptr) << "no window: under Wine, give it a display or its null graphics driver";
  ASSERT_FALSE(window.layered());
  for (std::int16_t level : {0, 5, 128, 254, 255, 255}) {
    EXPECT_EQ(SetWindowOpacity(window.native(), level), 0) << level;
    EXPECT_TRUE(window.layered()) << level;
    EXPECT_EQ(window.alpha(), level);
  }
}

TEST(LayeredWindow, OtherLevelsGiveOneAndChangeNothing) {
  TestWindow window;
  ASSERT_NE(window.handle(), nullptr) << "no window: under Wine, give it a display or its null graphics driver";
  for (std::int16_t level : {-1, 256, -32768, 32767}) EXPECT_EQ(SetWindowOpacity(window.native(), level), 1);
  EXPECT_FALSE(window.layered());

  ASSERT_EQ(SetWindowOpacity(window.native(), 100), 0);
  EXPECT_EQ(SetWindowOpacity(window.native(), 260), 1);
  EXPECT_TRUE(window.layered());
  EXPECT_EQ(window.alpha(), 100);
}

TEST(LayeredWindow, AHandleOfNoWindowIsRefused) {
  EXPECT_EQ(SetWindowOpacity(0, 100), 2);
  NativeWindowHandle gone = 0;
  {
    TestWindow window;
    gone = window.native();
  }
  EXPECT_EQ(SetWindowOpacity(gone, 100), 2);
  EXPECT_EQ(SetWindowOpacity(gone, 300), 1);  // the level is checked first
}
