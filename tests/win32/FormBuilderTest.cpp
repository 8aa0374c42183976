#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "common/ControlTable.h"
#include "win32/FormBuilder.h"

using namespace lumivox;

namespace {

RECT placeOf(HWND control, HWND window) {
  RECT place;
  GetWindowRect(control, &place);
  MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&place), 2);
  return place;
}

long heightOf(const RECT& place) { return place.bottom - place.top; }

std::string words(int count) {
  std::string text;
  for (int i = 0; i < count; ++i) text += "word ";
  return text;
}

}  // namespace

// Every control is the window's child, so the builder itself must carry
// along what lies below a grown label, in its frame and outside it.
TEST(Win32Form, WrappedLabelsGrowTopDownAndPushDownWhatIsBelowThem) {
  using K = ControlKind;
  ControlTable row{"Test", "test", 3000, 3000, {}};
  row.controls = {
      {K::Frame, "Frame1", "", "", 0, 0, 2400, 1500},
      {.kind = K::Label, .name = "Upper", .parent = "Frame1", .caption = words(30), .left = 120, .top = 240,
       .width = 1200, .height = 255, .wrap = true},
      {K::Label, "Beside", "Frame1", "x", 1500, 240, 600, 255},
      {.kind = K::Label, .name = "Lower", .parent = "Frame1", .caption = words(12), .left = 120, .top = 600,
       .width = 1200, .height = 255, .wrap = true},
      {K::Button, "Under", "", "ok", 120, 1600, 800, 375},
  };
  HWND window = CreateWindowExW(0, L"STATIC", L"host", WS_POPUP, 0, 0, 200, 200, nullptr, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(window, nullptr) << "no window: under Wine, give it a display or its null graphics driver";
  Win32Form form(window, row);
  const auto place = [&](const char* name) { return placeOf(form.control(name), window); };
  const RECT upper = place("Upper"), beside = place("Beside"), lower = place("Lower"), frame = place("Frame1"),
             under = place("Under");
  RECT outer;
  GetWindowRect(window, &outer);

  form.fitWrappedLabels();

  const long upperExtra = heightOf(place("Upper")) - heightOf(upper);
  const long lowerExtra = heightOf(place("Lower")) - heightOf(lower);
  EXPECT_GT(upperExtra, 0);
  EXPECT_GT(lowerExtra, 0);
  EXPECT_EQ(place("Upper").top, upper.top);
  EXPECT_EQ(place("Beside").top, beside.top);
  EXPECT_EQ(place("Lower").top, lower.top + upperExtra);
  EXPECT_EQ(heightOf(place("Frame1")), heightOf(frame) + upperExtra + lowerExtra);
  EXPECT_EQ(place("Under").top, under.top + upperExtra + lowerExtra);
  RECT grown;
  GetWindowRect(window, &grown);
  EXPECT_EQ(heightOf(grown), heightOf(outer) + upperExtra + lowerExtra);

  // Fitted once, they fit.
  form.fitWrappedLabels();
  EXPECT_EQ(place("Under").top, under.top + upperExtra + lowerExtra);
  DestroyWindow(window);
}

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
