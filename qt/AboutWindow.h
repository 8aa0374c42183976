#pragma once
#include <QDialog>

#include <map>
#include <memory>
#include <string>

#include "app/AboutController.h"
#include "info/AboutView.h"

class QLabel;
class QObject;

namespace lumivox {

class Prompter;
class QtTicker;

// The About window: version, the main library's build and line counts,
// credits, contact and the rotating thanks list. Modeless, without an owner
// but the main window while that stays on top; it deletes itself when
// closed, which stops both its timers.
class AboutWindow final : public QDialog, public AboutView {
  Q_OBJECT
 public:
  // Builds the window and runs its load with the main library at this path.
  AboutWindow(const std::string& mainLibraryPath, Prompter& prompter);

  // AboutView
  void setControlText(std::string_view control, const std::string& text) override;
  void setAddressText(std::string_view control, const std::string& text) override;
  std::string controlText(std::string_view control) const override;

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  QLabel* label(std::string_view name) const;

  std::map<std::string, QWidget*> controls_;
  std::unique_ptr<AboutController> controller_;
};

}  // namespace lumivox
