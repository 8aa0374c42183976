#pragma once
#include <QDialog>

#include "app/CheckReportController.h"

class QLabel;
class QListWidget;

namespace lumivox {

// 帮助 › 检查词库's report: the counts on top, one row a finding below, in
// a window of its own that the player may keep open beside the library.
// Modeless, without an owner but the main window while that stays on top; it
// deletes itself when closed and tells its controller.
class CheckReportWindow final : public QDialog, public CheckReportView {
  Q_OBJECT
 public:
  explicit CheckReportWindow(CheckReportController& controller);
  ~CheckReportWindow() override;

  // CheckReportView
  void showReport(const std::string& summary, const std::vector<std::string>& rows) override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  CheckReportController& controller_;
  QLabel* summary_;
  QListWidget* findings_;
};

}  // namespace lumivox
