#pragma once
#include <QWidget>

#include "show/ShowFrmSteps.h"
#include "show/ShowView.h"

class QLabel;
class QTimer;

namespace lumivox {

class IndexView;
class Prompter;
class XpProgressBarWidget;

// The show window ShowFrm: a borderless start-up screen with our picture, a
// line of text and the XP-style bar, magenta around them. Creating it is its
// load; closing it unloads it (it deletes itself) and switches the main
// window's timers back on. What lasts across showings lives in the members,
// which belong to whoever opens the window.
class ShowFrm final : public QWidget, public ShowView {
  Q_OBJECT
 public:
  // mainWindow: the main window as a widget (brought to the front, and the
  // owner of this window's lifetime) and as the view its timers are switched through.
  ShowFrm(ShowFrmMembers& members, QWidget& mainWindow, IndexView& mainView, Prompter& prompter);

  // ShowView
  void setLabelText(const std::string& text) override;
  std::int32_t barValue() const override;
  void setBarValue(std::int32_t value) override;
  void setBarMaximum(std::int32_t maximum) override;
  void setTimerEnabled(std::string_view name, bool enabled) override;
  int setOpacity(std::int16_t level) override;
  void showModal() override;
  void unload() override;
  void showMainWindow() override;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QTimer* addTimer(const char* name, int intervalMs);

  ShowFrmMembers& members_;
  QWidget& mainWindow_;
  IndexView& mainView_;
  QLabel* image_ = nullptr;
  QLabel* label_ = nullptr;
  XpProgressBarWidget* bar_ = nullptr;
};

}  // namespace lumivox
