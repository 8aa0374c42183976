#include "qt/IndexWindow.h"

#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QProgressBar>
#include <QTimer>

#include "qt/FeatureCommands.h"
#include "qt/IndexMenus.h"
#include "qt/InertTimer.h"
#include "qt/InfoCommands.h"
#include "dialogue/Startup.h"
#include "common/Prompter.h"
#include "dialogue/KeyPoll.h"
#include "info/GameLauncher.h"
#include "platform/KeyWatch.h"
#include "qt/QtText.h"

namespace lumivox {
namespace {


// The progress bar widget only shows the range; it has whole-number steps.
constexpr int kBarSteps = 10000;

}  // namespace

IndexWindow::IndexWindow(Services services, QWidget* parent)
    : QMainWindow(parent), services_(std::move(services)) {
  setObjectName(QStringLiteral("Index"));
  setWindowTitle(QStringLiteral("Lumivox"));
  auto* client = new QWidget(this);
  controls_ = buildIndexControls(client);
  setCentralWidget(client);
  buildIndexMenus(menuBar());
  showBar();
  connect(controls_.mainLibraryPath, &QLineEdit::textChanged, this, [this] { writtenMainPath_.clear(); });
  connect(controls_.doorLibraryPath, &QLineEdit::textChanged, this, [this] { writtenDoorPath_.clear(); });

  connect(addTimer("Time_Chr", 20, true), &QTimer::timeout, this,
          [this] { pollTick(state_, *services_.keys, *this); });
  connect(addTimer("Timer2", 1, true), &QTimer::timeout, this, [this] { lineCountTick(state_, *this); });
  addTimer("Timer3", 30000, true);
  addTimer("UserNumberTi", 5, false);
  auto* idle = new InertTimer(1, this);
  idle->setObjectName(QStringLiteral("Timer1"));
  idle->start();

  onMenuItem("退出", [this] { askToExit(nullptr); });
  connectDialogueCommands(*this);
  connectProgressCommands(*this);
  connectInfoCommands(*this);
  connectLauncherCommands(*this);
  connectShowCommands(*this);
  layout()->setSizeConstraint(QLayout::SetFixedSize);
}

QTimer* IndexWindow::addTimer(const char* name, int intervalMs, bool enabled) {
  auto* timer = new QTimer(this);
  timer->setObjectName(QString::fromUtf8(name));
  timer->setInterval(intervalMs);
  if (enabled) timer->start();
  return timer;
}

bool IndexWindow::load() {
  StartupServices startup;
  startup.prompter = services_.prompter;
  startup.anotherInstanceRunning = services_.anotherInstanceRunning;
  startup.endProgram = services_.endProgram;
  if (Registry* registry = services_.registry)
    startup.readGameFolder = [registry](const std::string& defaultFolder) {
      return readGameFolder(*registry, defaultFolder);
    };
  startup.startCounterPage = [this](const std::string& path) { startCounterPage(*this, path); };
  return runStartup(state_, *this, startup);
}

void IndexWindow::setStatusText(const std::string& text) { controls_.status->setText(toQString(text)); }
void IndexWindow::setDialogueText(const std::string& text) { controls_.dialogue->setText(toQString(text)); }
void IndexWindow::setPercentText(const std::string& text) { controls_.percent->setText(toQString(text)); }

void IndexWindow::setLibraryPaths(const std::string& mainPath, const std::string& doorPath) {
  // Rewritten every 20 ms and nearly always the same: compared with what was
  // last written (cheaper than asking the widgets), the widget work is
  // skipped then. Anyone else's change to a field forgets what was written.
  if (mainPath != writtenMainPath_) {
    controls_.mainLibraryPath->setText(toQString(mainPath));
    writtenMainPath_ = mainPath;
  }
  if (doorPath != writtenDoorPath_) {
    controls_.doorLibraryPath->setText(toQString(doorPath));
    writtenDoorPath_ = doorPath;
  }
}

std::string IndexWindow::mainLibraryPath() const { return controls_.mainLibraryPath->text().toStdString(); }
std::string IndexWindow::doorLibraryPath() const { return controls_.doorLibraryPath->text().toStdString(); }

bool IndexWindow::setBarMaximum(float maximum) {
  if (!bar_.setMaximum(maximum)) return false;
  showBar();
  return true;
}

bool IndexWindow::setBarValue(float value) {
  if (!bar_.setValue(value)) return false;
  showBar();
  return true;
}

void IndexWindow::showBar() {
  controls_.bar->setRange(0, kBarSteps);
  controls_.bar->setValue(static_cast<int>(bar_.value() / bar_.maximum() * kBarSteps));
}

void IndexWindow::onMenuItem(const char* itemName, std::function<void()> handler) {
  connect(findChild<QAction*>(QString::fromUtf8(itemName)), &QAction::triggered, this,
          [handler = std::move(handler)] { handler(); });
}

void IndexWindow::setMenuItemEnabled(std::string_view name, bool enabled) {
  if (auto* action = findChild<QAction*>(toQString(name))) action->setEnabled(enabled);
}

namespace {

// A QTimer of interval 0 would fire at every turn of the event loop; here 0
// means no ticks. Such a timer stays stopped and keeps whether it is switched
// on in this property, for when it gets an interval again.
constexpr const char* kOnWithoutInterval = "lumivoxOnWithoutInterval";

bool switchedOn(const QTimer* timer) { return timer->isActive() || timer->property(kOnWithoutInterval).toBool(); }

// Switching a running timer on again leaves its interval running. True when
// the timer was off and is now on.
template <typename Timer>
bool switchTimer(Timer* timer, bool enabled) {
  if (!enabled) {
    timer->stop();
  } else if (!timer->isActive()) {
    timer->start();
    return true;
  }
  return false;
}

bool switchTimer(QTimer* timer, bool enabled) {
  if (timer->interval() == 0) {
    timer->setProperty(kOnWithoutInterval, enabled);
    return false;
  }
  return switchTimer<QTimer>(timer, enabled);
}

}  // namespace

void IndexWindow::setTimerInterval(std::string_view name, int milliseconds) {
  auto* timer = findChild<QTimer*>(toQString(name));
  if (!timer || milliseconds < 0 || milliseconds > kMaxTimerInterval) return;
  const bool on = switchedOn(timer);
  timer->stop();
  timer->setInterval(milliseconds);
  timer->setProperty(kOnWithoutInterval, on && milliseconds == 0);
  if (on && milliseconds > 0) timer->start();
}

void IndexWindow::setLoadedText(Track track, const std::string& text) {
  (track == Track::Main ? controls_.mainLoadedText : controls_.doorLoadedText)->setText(toQString(text));
}

void IndexWindow::setTimerEnabled(std::string_view name, bool enabled) {
  // Only the window's own: windows it owns have timers of the same names.
  if (auto* timer = findChild<QTimer*>(toQString(name), Qt::FindDirectChildrenOnly)) {
    // Whatever switched the poll off (debug mode, focus, the show window),
    // the presses made meanwhile were not meant for the dialogue.
    if (switchTimer(timer, enabled) && name == "Time_Chr") services_.keys->forgetPresses();
  }
  if (auto* timer = findChild<InertTimer*>(toQString(name), Qt::FindDirectChildrenOnly)) switchTimer(timer, enabled);
}

void IndexWindow::askToExit(QCloseEvent* closeEvent) {
  const bool leave = services_.prompter->ask("您是否要退出软件？而不保存现在进行的对话进度？", "退出确认",
                                             Prompter::Buttons::YesNo, Prompter::Icon::Question);
  if (!leave) {
    if (closeEvent) closeEvent->ignore();
    return;
  }
  if (closeEvent) closeEvent->accept();
  services_.endProgram();
}

void IndexWindow::closeEvent(QCloseEvent* event) { askToExit(event); }

// Only the window's own focus counts. Activation changes (the player going to
// the game and back) and menus opening must never pause the count.
void IndexWindow::focusInEvent(QFocusEvent* event) {
  QMainWindow::focusInEvent(event);
  if (event->reason() == Qt::ActiveWindowFocusReason || event->reason() == Qt::PopupFocusReason) return;
  setTimerEnabled("Time_Chr", true);
  setTimerEnabled("Timer2", true);
  setStatusText("程序获得焦点，重新开始判断按键。");
}

void IndexWindow::focusOutEvent(QFocusEvent* event) {
  QMainWindow::focusOutEvent(event);
  if (event->reason() == Qt::ActiveWindowFocusReason || event->reason() == Qt::PopupFocusReason) return;
  setTimerEnabled("Time_Chr", false);
  setTimerEnabled("Timer2", false);
  setStatusText("程序失去焦点，停止判断按键。");
}

}  // namespace lumivox
