#pragma once
#include <QDialog>
#include <map>
#include <memory>
#include <string>

#include "app/ShowController.h"
#include "app/ShowView.h"
#include "common/ControlTable.h"

namespace lumivox {

class Prompter;
class XpProgressBarWidget;

// The show window ShowFrm: a borderless start-up screen with our picture, a
// line of text and the XP-style bar, magenta around them. Creating it is its
// load; closing it unloads it (it deletes itself). What lasts across showings
// lives in the members, which belong to whoever opens the window.
class ShowFrm final : public QDialog, public ShowView {
  Q_OBJECT
 public:
  // mainWindow: brought to the front when this window closes, and the owner
  // of its lifetime; host: whose timers stand still meanwhile.
  ShowFrm(ShowFrmMembers& members, ShowHost& host, QWidget& mainWindow, Prompter& prompter);

  // The menu command, after the load.
  void open() override { controller_->open(); }
  ShowController& controller() { return *controller_; }

  // ShowView
  void setControlText(std::string_view control, const std::string& text) override;
  std::int32_t barValue() const override;
  void setBarValue(std::int32_t value) override;
  void setBarMaximum(std::int32_t maximum) override;
  int setOpacity(std::int16_t level) override;
  void showModal() override;
  void unload() override;
  void showMainWindow() override;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void reject() override { close(); }
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void setUpControl(const ControlRow& row);

  QWidget& mainWindow_;
  std::unique_ptr<ShowController> controller_;
  std::map<std::string, QWidget*> controls_;
  XpProgressBarWidget* bar_ = nullptr;
};

}  // namespace lumivox
