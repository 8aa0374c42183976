#pragma once
#include <QDialog>

#include <memory>

#include "app/AboutController.h"
#include "info/AboutView.h"

class QLabel;
class QObject;

namespace lumivox {

class Prompter;
class QtTicker;

// The About window: version, the main library's build and line counts,
// credits, contact and the rotating thanks list. Modeless and without an
// owner; it deletes itself when closed, which stops both its timers.
class AboutWindow final : public QDialog, public AboutView {
  Q_OBJECT
 public:
  // Builds the window and runs its load with the main library at this path.
  AboutWindow(const std::string& mainLibraryPath, Prompter& prompter);

  // AboutView
  void setBuildText(const std::string& text) override;
  void setMainLineCountText(const std::string& text) override;
  void setDoorLineCountText(const std::string& text) override;
  void setContactText(const std::string& text) override;
  void setThanksText(const std::string& text) override;
  std::string thanksText() const override;

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  std::unique_ptr<AboutController> controller_;
  QLabel* build_ = nullptr;
  QLabel* mainCount_ = nullptr;
  QLabel* doorCount_ = nullptr;
  QLabel* contact_ = nullptr;
  QLabel* thanks_ = nullptr;
};

}  // namespace lumivox
