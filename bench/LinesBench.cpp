// The lines window's logic over a main-story track of 1 000 000 lines (or the
// line count given), each figure next to its promise:
//  - open: the window attached with the line shown in the middle of the
//    track, and the text of every row a window shows (40) asked for;
//  - search: one search through the whole track for text no line holds, a
//    slice a tick, and the longest slice (the longest the window waits);
//  - follow: one advance of the main window followed, the two rows whose
//    mark moved asked for again (the 99th percentile of 2 000 advances).
// The library has been read once before, as the main window's last advance
// left it. Promises: open at most 20 ms, search at most 300 ms with no slice
// over 50 ms, follow at most 1 ms. The real Qt view's figures are
// lumivox_bench_lines_window's. Exits with 1 when a promise is missed or an answer is wrong, 2
// when the benchmark could not run. Build it in Release for figures worth
// comparing.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "app/LinesController.h"
#include "app/LinesView.h"
#include "common/Ticker.h"
#include "dialogue/IndexModel.h"
#include "dialogue/KeyPoll.h"
#include "library/LookupLine.h"

#include "BenchSupport.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;
using namespace lumivox;

constexpr double kOpenNs = 20e6;
constexpr double kSearchNs = 300e6;
constexpr double kSliceNs = 50e6;
constexpr double kFollowNs = 1e6;
constexpr int kRowsShown = 40;
constexpr int kAdvances = 2'000;

volatile std::size_t g_sink = 0;
bool g_missed = false;

double nsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::nano>(Clock::now() - start).count();
}

void figure(const char* what, double ns, double promiseNs) {
  const bool met = ns <= promiseNs;
  if (!met) g_missed = true;
  std::printf("  %-44s %10.3f ms   promise <= %6.1f ms   %s\n", what, ns / 1e6, promiseNs / 1e6,
              met ? "met" : "MISSED");
}

// The main window as far as the lines window reads it.
class BenchIndex final : public IndexModel {
 public:
  explicit BenchIndex(std::string path) : path_(std::move(path)) {}
  void setStatusText(const std::string&) override {}
  void setDialogueText(const std::string&) override {}
  void setPercentText(const std::string&) override {}
  void setLibraryPaths(const std::string&, const std::string&) override {}
  std::string mainLibraryPath() const override { return path_; }
  std::string doorLibraryPath() const override { return path_; }
  bool setBarMaximum(float) override { return true; }
  bool setBarValue(float) override { return true; }
  float barMaximum() const override { return 1; }
  float barValue() const override { return 0; }
  void setCommandEnabled(CommandId, bool) override {}
  void setTimerEnabled(TimerId, bool) override {}
  void setTimerInterval(TimerId, int) override {}
  void setLoadedText(Track, const std::string&) override {}

 private:
  std::string path_;
};

// A window of kRowsShown rows that asks for the texts of what it shows, as a
// list view paints them.
class BenchView final : public LinesView {
 public:
  explicit BenchView(LinesController& lines) : lines_(lines) {}
  void resetRows(std::int32_t rows) override { rows_ = rows; }
  void rowChanged(std::int32_t row) override { paint(row); }
  void selectRow(std::int32_t row, std::int32_t first, std::int32_t last) override {
    selected_ = row;
    if (first >= top_ && last < top_ + kRowsShown) return;
    top_ = std::max(0, std::min(first, rows_ - kRowsShown));
    for (std::int32_t r = top_; r < std::min(rows_, top_ + kRowsShown); ++r) paint(r);
  }
  std::int32_t selectedRow() const override { return selected_; }
  void setFindResult(const std::string& text) override { result = text; }
  bool onScreen() const override { return true; }
  bool active() const override { return false; }
  void showWithoutFocus() override {}
  void focusSearch() override {}
  void closeWindow() override {}
  std::uintptr_t windowId() const override { return 0; }
  std::string result;

 private:
  void paint(std::int32_t row) { g_sink = g_sink + lines_.rowText(row).size(); }
  LinesController& lines_;
  std::int32_t rows_ = 0, top_ = -1, selected_ = -1;
};

// The window's clock: whether the search's timer runs.
class BenchTicker final : public Ticker {
 public:
  void start(TimerId, int) override { running = true; }
  void stop(TimerId) override { running = false; }
  bool running = false;
};

}  // namespace

int main(int argc, char** argv) {
  const std::size_t count = argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 1'000'000;
  const bench::TempFolder scratch("lumivox-lines-bench-");
  try {
    fs::create_directories(scratch.path());
    const fs::path file = scratch.path() / "Quorra.data";
    const double bytes = static_cast<double>(bench::writeLibrary(file, count, 1));
    // Quiet long enough for the reader to keep it, as a library in play is.
    fs::last_write_time(file, fs::file_time_type::clock::now() - std::chrono::minutes(1));
    std::this_thread::sleep_for(std::chrono::milliseconds(2'500));
    const std::string path = bench::utf8Path(file);

    std::printf("Lines window over a track of %zu lines (%.1f MB)\n", count, bytes / 1e6);
    auto start = Clock::now();
    g_sink = g_sink + LookupLine(path, "Quorra", "0", "").size();
    std::printf("  %-44s %10.3f ms   (the main window's, before)\n", "first lookup: read and index", nsSince(start) / 1e6);

    DialogueState state;
    state.activeTrack = "IndexText";
    state.mainLineNumber = static_cast<std::int32_t>(count / 2);
    state.mainLineKey = std::to_string(state.mainLineNumber - 1);
    state.shown = {Track::Main, state.mainLineKey, kEndOfDialogueText};
    BenchIndex index(path);
    LinesController lines(state, index, nullptr, nullptr);
    BenchView view(lines);
    BenchTicker ticker;

    start = Clock::now();
    lines.attach(view, ticker);
    figure("open and fill 40 rows", nsSince(start), kOpenNs);
    if (lines.rowCount() != static_cast<std::int32_t>(count) || view.selectedRow() != state.mainLineNumber - 1) {
      std::fprintf(stderr, "wrong: %d rows, row %d selected\n", lines.rowCount(), view.selectedRow());
      return 1;
    }

    auto slice = Clock::now();
    lines.findNext("Lumivox");
    double longest = nsSince(slice), searching = longest;
    while (ticker.running) {
      slice = Clock::now();
      lines.onTimer(TimerId::LinesSearch);
      const double took = nsSince(slice);
      searching += took;
      longest = std::max(longest, took);
    }
    figure("search the whole track, no match", searching, kSearchNs);
    figure("the longest slice of that search", longest, kSliceNs);
    if (view.result.find("没有找到") == std::string::npos) {
      std::fprintf(stderr, "wrong: found %s\n", view.result.c_str());
      return 1;
    }

    std::vector<double> follows;
    for (int i = 0; i < kAdvances; ++i) {
      start = Clock::now();
      state.mainLineKey = std::to_string(state.mainLineNumber);
      state.shown.key = state.mainLineKey;
      ++state.mainLineNumber;
      lines.follow();
      follows.push_back(nsSince(start));
    }
    std::sort(follows.begin(), follows.end());
    figure("follow an advance (99th percentile)", follows[follows.size() * 99 / 100], kFollowNs);
    std::printf("  %-44s %10.3f ms\n", "follow an advance (median)", follows[follows.size() / 2] / 1e6);
    if (view.selectedRow() != state.mainLineNumber - 1) {
      std::fprintf(stderr, "wrong: row %d selected\n", view.selectedRow());
      return 1;
    }
  } catch (const std::exception& e) {
    std::fprintf(stderr, "benchmark failed: %s\n", e.what());
    return 2;
  }
  std::printf("\n%s\n", g_missed ? "Some promises were MISSED." : "All promises met.");
  return g_missed ? 1 : 0;
}
