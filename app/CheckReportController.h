#pragma once
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "check/CheckReport.h"

namespace lumivox {

class IndexWindows;

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

// The summary line and the rows of a finished check, as the console
// program prints them.
std::string checkReportSummary(const CheckReport& report);
std::vector<std::string> checkReportRows(const CheckReport& report);

// 帮助 › 检查词库: the one report window, and the library checker run on a
// worker thread so that a big library never holds up the window. The result
// comes back through `post`, which hands a call to the GUI thread from any
// thread without waiting; without one the check runs where it is asked for.
class CheckReportController {
 public:
  using Post = std::function<void(std::function<void()>)>;
  explicit CheckReportController(Post post);
  // Waits for a check under way: only when the program ends.
  ~CheckReportController();
  CheckReportController(const CheckReportController&) = delete;
  CheckReportController& operator=(const CheckReportController&) = delete;

  // The command: opens the window, or raises it, and checks `folder` afresh
  // (the player may have fixed a file since). Asked while a check runs, it
  // only raises the window: that check's result is the fresh one.
  void open(IndexWindows& windows, const std::string& folder);
  // The window has gone; a result still on its way is dropped.
  void onWindowClosed() { view_ = nullptr; }
  bool checking() const { return checking_; }

 private:
  void finished(const std::string& summary, const std::vector<std::string>& rows);

  Post post_;
  CheckReportView* view_ = nullptr;
  std::thread worker_;
  bool checking_ = false;
};

}  // namespace lumivox
