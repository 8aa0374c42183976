#pragma once
#include <string>
#include <vector>

#include "app/BackgroundJob.h"
#include "check/CheckReport.h"

namespace lumivox {

class CheckReportController;

// The report window of 帮助 › 检查词库, as the front ends name and title it.
inline constexpr const char* kCheckReportWindowName = "检查报告";
inline constexpr const char* kCheckReportTitle = "检查词库";
inline constexpr const char* kCheckingText = "正在检查…";

// What the report window shows: a line of counts over the findings, one
// row a finding.
class CheckReportView {
 public:
  virtual ~CheckReportView() = default;
  virtual void showReport(const std::string& summary, const std::vector<std::string>& rows) = 0;
};

// Where the report window comes from: the main window's secondary windows.
class CheckReportWindows {
 public:
  virtual ~CheckReportWindows() = default;
  // Modeless, and owned as About is (by the main window while that stays on
  // top); the front end tells `controller` (onWindowClosed) when it has gone.
  // Null when the system refuses the window.
  virtual CheckReportView* openCheckReport(CheckReportController& controller) = 0;
  virtual void raiseCheckReport() = 0;
};

// The summary line and the rows of a finished check, as the console
// program prints them.
std::string checkReportSummary(const CheckReport& report);
std::vector<std::string> checkReportRows(const CheckReport& report);

// 帮助 › 检查词库: the one report window, and the library checker run as a
// background job so that a big library never holds up the window; the
// result comes back through `post` (BackgroundJob.h).
class CheckReportController {
 public:
  using Post = PostToGui;
  explicit CheckReportController(Post post) : job_(std::move(post)) {}

  // The command: opens the window, or raises it, and checks `folder` afresh
  // (the player may have fixed a file since). Asked while a check runs, it
  // only raises the window: that check's result is the fresh one.
  void open(CheckReportWindows& windows, const std::string& folder);
  // The window has gone; a result still on its way is dropped.
  void onWindowClosed() { view_ = nullptr; }
  bool checking() const { return job_.running(); }

 private:
  CheckReportView* view_ = nullptr;
  BackgroundJob job_;
};

}  // namespace lumivox
