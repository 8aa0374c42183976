#pragma once
#include <QMainWindow>
#include <QPointer>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "app/IndexView.h"
#include "app/IndexWindows.h"
#include "app/MainController.h"

class QAction;
class QMenu;
class QProgressBar;

class QActionGroup;

namespace lumivox {

class AboutWindow;
class LinesWindow;
class CheckReportWindow;
class QtTicker;

// The main window Index as the Qt front end draws it: controls and menus
// from their tables, every event forwarded to the main controller.
class IndexWindow final : public QMainWindow, public IndexView, public IndexWindows {
  Q_OBJECT
 public:
  // services.ticker and services.windows are the window's own.
  explicit IndexWindow(MainServices services, QWidget* parent = nullptr);
  ~IndexWindow() override;

  // The window's load; false when the program was ended during it.
  bool load() { return controller_->start(); }
  MainController& controller() { return *controller_; }

  // IndexView
  void setControlText(std::string_view control, const std::string& text) override;
  void setBar(std::string_view control, int position, int steps) override;
  void setCommandEnabled(CommandId command, bool enabled) override;
  void setCommandChecked(CommandId command, bool checked) override;
  void popUpGateMenu() override;
  void setOuterHeightTwips(int twips) override;
  void setControlShown(std::string_view control, bool shown) override;
  void setStayOnTop(bool onTop) override;
  void setOpacityPercent(int percent) override;

  // IndexWindows
  void openHotkeys() override;
  void openJump(DialogueState& state) override;
  void openAutoSave(IndexModel& index) override;
  void openHelp() override;
  void openAbout(const std::string& mainLibraryPath) override;
  void raiseAbout() override;
  CheckReportView* openCheckReport(CheckReportController& controller) override;
  void raiseCheckReport() override;
  void openShowWindow(ShowFrmMembers& members, ShowHost& host) override;
  void openLines(LinesController& lines, const std::optional<ScreenRect>& game) override;
  void applyWindowLook(bool onTop, int opacityPercent) override;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  // The controller's, so that it knows the boxes of every window.
  Prompter& prompter() { return controller_->prompter(); }
  QWidget* control(std::string_view name) const;
  void buildMenus();
  void connectLabels();

  QtTicker* ticker_ = nullptr;
  std::unique_ptr<MainController> controller_;
  std::map<std::string, QWidget*, std::less<>> controls_;
  std::map<CommandId, std::vector<QAction*>> actions_;
  std::map<QWidget*, QActionGroup*> radioGroups_;
  QMenu* gateMenu_ = nullptr;
  QPoint releasedAt_;  // where a mouse button was last released over a label
  QPointer<AboutWindow> about_;
  QPointer<LinesWindow> lines_;
  QPointer<CheckReportWindow> checkReport_;
  // The look the windows that follow the main window take as they open.
  bool followersOnTop_ = false;
  int followersOpacity_ = 100;
};

}  // namespace lumivox
