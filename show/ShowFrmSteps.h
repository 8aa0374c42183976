#pragma once
#include <cstdint>
#include <functional>

namespace lumivox {

class IndexView;
class ShowView;

inline constexpr char kShowFrmStatusText[] = "请稍等~程序正在启动中。。。";
inline constexpr char kProductName[] = "Lumivox";

// The members of the show window's single instance. They outlive every
// showing: unloading destroys the window, not these.
struct ShowFrmMembers {
  float stepTarget = 0;         // drawn anew at every load, 70..199
  std::int16_t fadeLevel = 0;   // never reset, so only the first showing fades
};

// Int(r * 130 + 70) for a single-precision r in [0, 1): 70..199.
float stepTargetFor(float r);
// The next number in [0, 1) of a generator seeded from the clock just now.
float clockSeededRandom();

// Load step, whenever the window is created: a new StepTarget, and the bar's
// Max one above it.
void loadShowFrm(ShowFrmMembers& members, ShowView& window, float r = clockSeededRandom());

// The menu command: loadWindow creates the window (its load step runs then),
// which the first touch of it does; then its progress timer stops, the
// product name replaces the status text, the main window stops counting and
// the window is shown modally.
void openShowFrm(const std::function<ShowView&()>& loadWindow, IndexView& main);

// Timer2, every 40 ms: five levels more opaque until fully opaque.
void fadeTick(ShowFrmMembers& members, ShowView& window);

// Timer1, every 30 ms: the bar moves one step; near StepTarget the window
// closes by itself.
void progressTick(const ShowFrmMembers& members, ShowView& window);

// A click on the picture, the label or the background.
void closeShowFrm(ShowView& window);

// Query-unload: the main window's four timers on, whatever they were before.
void queryUnloadShowFrm(IndexView& main);

}  // namespace lumivox
