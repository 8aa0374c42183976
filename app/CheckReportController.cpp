#include "app/CheckReportController.h"

#include <exception>

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

void CheckReportController::open(CheckReportWindows& windows, const std::string& folder) {
  if (view_) {
    windows.raiseCheckReport();
  } else if (!(view_ = windows.openCheckReport(*this))) {
    return;  // the system refused the window
  }
  view_->showReport(kCheckingText, {});
  if (job_.running()) return;
  job_.start([folder] { return runCheck(folder); },
             [this](const ReportText& text) {
               if (view_) view_->showReport(text.summary, text.rows);
             });
}

}  // namespace lumivox
