#pragma once
#include <QDialog>

#include "info/About.h"
#include "info/AboutView.h"

class QLabel;
class QObject;

namespace lumivox {

class IndexView;
class Prompter;

// The About window: version, the main library's build and line counts,
// credits, contact and the rotating thanks list. Modeless, without an owner;
// it deletes itself when closed, which stops both its timers.
class AboutWindow final : public QDialog, public AboutView {
  Q_OBJECT
 public:
  // Builds the window and runs its load with the main library at this path.
  AboutWindow(const std::string& mainLibraryPath, Prompter& prompter);

  // AboutView
  void setBuildText(const std::string& text) override;
  void setMainLineCountText(const std::string& text) override;
  void setDoorLineCountText(const std::string& text) override;
  void setThanksText(const std::string& text) override;
  std::string thanksText() const override;

 private:
  Prompter& prompter_;
  ThanksRotation rotation_;
  QLabel* build_ = nullptr;
  QLabel* mainCount_ = nullptr;
  QLabel* doorCount_ = nullptr;
  QLabel* thanks_ = nullptr;
};

// The menu item 关于: opens the About window, or brings the open one forward
// without loading it again. An open window is closed with `lifetime`.
void showAboutWindow(QObject* lifetime, const IndexView& mainWindow, Prompter& prompter);

}  // namespace lumivox
