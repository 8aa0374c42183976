#include "app/CheckReportController.h"

#include <exception>
#include <memory>

#include "app/IndexWindows.h"
#include "check/DataFolderCheck.h"
#include "check/ReportFormat.h"

namespace lumivox {

std::string checkReportSummary(const CheckReport& report) { return summaryLine(report, Language::Chinese); }

std::vector<std::string> checkReportRows(const CheckReport& report) {
  std::vector<std::string> rows;
  rows.reserve(report.findings.size());
  for (const Finding& finding : report.findings) rows.push_back(findingLine(finding));
  return rows;
}

namespace {

struct ReportText {
  std::string summary;
  std::vector<std::string> rows;
};

// Never throws: a check that fails says so in the summary.
ReportText runCheck(const std::string& folder) {
  try {
    const CheckReport report = checkDataFolder(folder, Language::Chinese);
    return {checkReportSummary(report), checkReportRows(report)};
  } catch (const std::exception& error) {
    return {std::string("检查没有完成：") + error.what(), {}};
  }
}

}  // namespace

CheckReportController::CheckReportController(Post post) : post_(std::move(post)) {}

CheckReportController::~CheckReportController() {
  if (worker_.joinable()) worker_.join();
}

void CheckReportController::open(IndexWindows& windows, const std::string& folder) {
  if (view_) {
    windows.raiseCheckReport();
  } else if (!(view_ = windows.openCheckReport(*this))) {
    return;  // the system refused the window
  }
  view_->showReport(kCheckingText, {});
  if (checking_) return;
  checking_ = true;
  if (!post_) {
    const ReportText text = runCheck(folder);
    return finished(text.summary, text.rows);
  }
  // The last worker has posted its result already and is ending.
  if (worker_.joinable()) worker_.join();
  worker_ = std::thread([this, folder] {
    auto text = std::make_shared<ReportText>(runCheck(folder));
    post_([this, text] { finished(text->summary, text->rows); });
  });
}

void CheckReportController::finished(const std::string& summary, const std::vector<std::string>& rows) {
  checking_ = false;
  if (view_) view_->showReport(summary, rows);
}

}  // namespace lumivox
