#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "common/Form.h"
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
  FormSpec spec{"Test", "test", 3000, 3000, {}};
  spec.controls = {
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
  Win32Form form(window, spec);
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
