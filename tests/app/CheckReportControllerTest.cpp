// 帮助 › 检查词库's controller: the check runs as a background job while the
// GUI thread goes on looking lines up in the same library, as each press of
// the dialogue key does. The tsan preset runs it under the thread sanitizer.
#include <gtest/gtest.h>

#include <chrono>
#include <mutex>
#include <thread>

#include "app/CheckReportController.h"
#include "check/DataFolderCheck.h"
#include "common/Paths.h"
#include "library/LookupLine.h"
#include "support/Files.h"
#include "support/TempWorkDir.h"

using namespace lumivox;

namespace {

struct RecordingReport final : CheckReportWindows, CheckReportView {
  std::string summary;
  std::vector<std::string> rows;
  std::thread::id shownOn;
  CheckReportView* openCheckReport(CheckReportController&) override { return this; }
  void raiseCheckReport() override {}
  void showReport(const std::string& text, const std::vector<std::string>& lines) override {
    summary = text, rows = lines, shownOn = std::this_thread::get_id();
  }
};

// The GUI thread's queue: calls posted from any thread, run by runPosted.
class GuiQueue {
 public:
  PostToGui post() {
    return [this](std::function<void()> call) {
      const std::lock_guard hold(lock_);
      calls_.push_back(std::move(call));
    };
  }
  // Runs what has come; whether anything had.
  bool runPosted() {
    std::vector<std::function<void()>> calls;
    {
      const std::lock_guard hold(lock_);
      calls.swap(calls_);
    }
    for (auto& call : calls) call();
    return !calls.empty();
  }

 private:
  std::mutex lock_;
  std::vector<std::function<void()>> calls_;
};

std::string mainLine(int number) { return "第" + std::to_string(number) + "句：小谢说谢谢。"; }

TEST(CheckReportController, LinesAreLookedUpWhileABigLibraryIsChecked) {
  TempWorkDir dir;
  constexpr int kLines = 150'000;
  std::string main = "[Quorra]\r\n";
  for (int i = 0; i < kLines; ++i) main += std::to_string(i) + "=" + utf8ToGbk(mainLine(i)) + "\r\n";
  main += "[TextNumber]\r\nTextNumber=" + std::to_string(kLines) + "\r\nTextNumberDoor=2\r\n[Build]\r\nBuild=1\r\n";
  writeBytes(dir.dataDir() / "Quorra.data", main);
  writeGbk(dir.dataDir() / "Door.data", "[Door]\r\n0=门一\r\n1=门二\r\n");
  // The thanks in UTF-8, in the words of the fallback the lookups below
  // convert at the same time: the check converts them too.
  const std::string fallback = "嗯。。对话就到这里了。。期待更新哦。";
  writeBytes(dir.dataDir() / "SpecialThanks.ED63rd", "[ThanksForYou]\r\n1=" + fallback + "\r\n");

  // Libraries are trusted, and kept, once they have been quiet a while: a
  // lookup then touches only what it finds.
  std::this_thread::sleep_for(std::chrono::milliseconds(2100));

  GuiQueue gui;
  RecordingReport window;
  {
    CheckReportController controller(gui.post());
    controller.open(window, "Data");
    const std::string path = pathInCurrentDirectory("\\Data\\Quorra.data");
    int lookups = 0;
    for (int key = 0; !gui.runPosted(); key = (key + 7919) % kLines, ++lookups) {
      ASSERT_EQ(LookupLine(path, "Quorra", std::to_string(key), fallback), mainLine(key));
      ASSERT_EQ(LookupLine(path, "Quorra", std::to_string(kLines + key), fallback), fallback);
    }
    EXPECT_FALSE(controller.checking());
    EXPECT_GT(lookups, 0);
  }
  EXPECT_EQ(window.shownOn, std::this_thread::get_id());
  const CheckReport report = checkDataFolder("Data", Language::Chinese);
  EXPECT_EQ(window.summary, checkReportSummary(report));
  EXPECT_EQ(window.rows, checkReportRows(report));
  EXPECT_EQ(report.mainLines, std::size_t{kLines});
}

}  // namespace
