#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "common/ControlTable.h"
#include "win32/FormBuilder.h"

using namespace lumivox;

// The counter page's area in a window that cannot grow: a short text stands
// alone, a long one gets the bar that reaches its last line; a click in it
// leaves the focus where it was.
TEST(Win32Form, AScrollingLabelHasItsBarOnlyWhenTheTextRunsPastItsEdge) {
  ControlTable row{"Test", "test", 3000, 3000, {}};
  row.controls = {{.kind = ControlKind::Label, .name = "Page", .left = 120, .top = 120, .width = 1695, .height = 495,
                    .align = Align::Centre, .wrap = true, .scrolls = true}};
  HWND window = CreateWindowExW(0, L"STATIC", L"host", WS_POPUP | WS_VISIBLE, 0, 0, 300, 300, nullptr, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(window, nullptr) << "no window: under Wine, give it a display or its null graphics driver";
  Win32Form form(window, row);
  HWND page = form.control("Page");
  const auto hasBar = [page] { return (GetWindowLongW(page, GWL_STYLE) & WS_VSCROLL) != 0; };

  form.setText("Page", "1024");
  EXPECT_FALSE(hasBar());

  std::string hundred;
  for (int i = 0; i < 100; ++i) hundred += "\xE9\xA1\xB5";  // 页
  form.setText("Page", hundred);
  EXPECT_EQ(form.text("Page"), hundred);
  EXPECT_TRUE(hasBar());
  const auto lines = SendMessageW(page, EM_GETLINECOUNT, 0, 0);
  EXPECT_GT(lines, 2);  // the area holds two
  SendMessageW(page, EM_LINESCROLL, 0, static_cast<LPARAM>(lines));
  RECT room{};
  SendMessageW(page, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&room));
  const auto lastShown = SendMessageW(page, EM_CHARFROMPOS, 0, MAKELPARAM(room.right / 2, room.bottom - 2));
  EXPECT_EQ(HIWORD(lastShown), lines - 1);  // the last line, at the lower edge

  SetFocus(window);
  ASSERT_EQ(GetFocus(), window);
  SendMessageW(page, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
  SendMessageW(page, WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
  EXPECT_EQ(GetFocus(), window);
  DestroyWindow(window);
}

// The table's selected option is the only one of its group that Tab reaches.
TEST(Win32Form, TheTablesCheckedOptionIsTheGroupsOnlyTabStop) {
  using K = ControlKind;
  ControlTable table{"Test", "test", 3000, 3000, {}};
  for (int i = 1; i <= 3; ++i)
    table.controls.push_back({.kind = K::OptionButton, .name = "Option" + std::to_string(i), .caption = "o",
                              .left = 120, .top = 300 * i, .width = 1200, .height = 255, .checked = i == 2});
  HWND window = CreateWindowExW(0, L"STATIC", L"host", WS_POPUP | WS_VISIBLE, 0, 0, 300, 300, nullptr, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(window, nullptr) << "no window: under Wine, give it a display or its null graphics driver";
  Win32Form form(window, table);
  for (const char* name : {"Option1", "Option2", "Option3"}) {
    const bool second = std::string(name) == "Option2";
    EXPECT_EQ(form.isChecked(name), second) << name;
    EXPECT_EQ((GetWindowLongW(form.control(name), GWL_STYLE) & WS_TABSTOP) != 0, second) << name;
  }
  DestroyWindow(window);
}
