#pragma once
#include <QCursor>
#include <QElapsedTimer>
#include <QMenu>
#include <QMenuBar>
#include <QPoint>
#include <QProcess>
#include <QRect>
#include <QStringList>
#include <QWidget>
#include <QtTest>
#include <functional>
#include <memory>

#include "platform/ProgramFocusQtX11.h"
#include "platform/WindowFocusX11.h"
#include "platform/X11KeyWatch.h"
#include "qt/IndexWindow.h"
#include "support/MainWindowParts.h"
#include "support/QtText.h"

// Tests on a real X display (tests/e2e/with_xvfb.sh gives each one of its
// own), driven the way a player drives it: xdotool for keys and clicks, and
// another program's window holding the keyboard focus.

// Runs a command to its end while the event loop keeps going, so the key
// poll goes on ticking; returns its standard output.
inline QString run(const QString& program, const QStringList& arguments, int timeoutMs = 20000) {
  QProcess process;
  process.start(program, arguments);
  if (!process.waitForStarted(5000)) return {};
  QElapsedTimer clock;
  clock.start();
  while (process.state() != QProcess::NotRunning && clock.elapsed() < timeoutMs) QTest::qWait(10);
  return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

inline QString xdotool(const QStringList& arguments) { return run(u("xdotool"), arguments); }

// The id of the first window whose name matches, once there is one.
inline QString windowNamed(const char* pattern) {
  return xdotool({u("search"), u("--sync"), u("--name"), u(pattern)}).section(u("\n"), 0, 0);
}

inline void focusWindow(const QString& id) { xdotool({u("windowfocus"), u("--sync"), id}); }

// Whether the X server has given the keyboard to this window now; asked
// without turning the event loop, so that it can be asked while a box waits.
inline bool hasKeyboard(const QWidget* widget) {
  QProcess process;
  process.start(u("xdotool"), {u("getwindowfocus")});
  process.waitForFinished(5000);
  return process.readAllStandardOutput().trimmed().toULongLong() == widget->winId();
}

// A real click of the left button in the middle of an area of a widget on the screen.
inline void clickOn(const QWidget* widget, const QRect& area) {
  const QPoint at = widget->mapToGlobal(area.center());
  // xdotool waits for a move that never comes when the pointer is there already.
  if (QCursor::pos() != at) xdotool({u("mousemove"), u("--sync"), QString::number(at.x()), QString::number(at.y())});
  QTest::qWait(50);
  xdotool({u("click"), u("1")});
}
inline void clickOn(const QWidget* widget) { clickOn(widget, widget->rect()); }

// Another program's window (standing in for the game) that takes the
// keyboard focus when it opens; topLeft keeps it clear of what a test clicks.
class GameWindow {
 public:
  explicit GameWindow(QPoint topLeft = QPoint(400, 300)) {
    const QString geometry = QStringLiteral("+%1+%2").arg(topLeft.x()).arg(topLeft.y());
    process_.start(u("xmessage"), {u("-geometry"), geometry, u("-title"), u("game"), u("the game has the focus")});
    process_.waitForStarted(5000);
    id_ = windowNamed("^game$");
    takeFocus();
  }
  ~GameWindow() {
    process_.kill();
    process_.waitForFinished(2000);
  }
  GameWindow(const GameWindow&) = delete;
  GameWindow& operator=(const GameWindow&) = delete;

  // As a player does, the next key comes after the program's next poll tick:
  // until then keys count as the program's when it had the focus.
  void takeFocus() {
    focusWindow(id_);
    QTest::qWait(60);
  }
  bool hasFocus() const { return !id_.isEmpty() && xdotool({u("getwindowfocus")}) == id_; }

 private:
  QProcess process_;
  QString id_;
};

// Lumivox as the program starts it: the main window with the real key watch
// and the given kind of boxes, loaded, shown and given a moment to settle.
template <typename BoxPrompter>
class DesktopLumivox : public MainWindowParts {
 public:
  explicit DesktopLumivox(std::function<void()> endProgram = [] {}) {
    lumivox::MainServices services;
    services.prompter = &prompter;
    services.keys = &keys;
    services.anotherInstanceRunning = [] { return false; };
    services.endProgram = std::move(endProgram);
    services.windowFocus = &windowFocus;
    window = std::make_unique<lumivox::IndexWindow>(services);
    focus = std::make_unique<lumivox::QtProgramFocus>(
        [this](bool ours) { window->controller().onProgramFocus(ours); });
    window->load();
    window->show();
    exposed = QTest::qWaitForWindowExposed(window.get());
    QTest::qWait(100);
  }
  // The window goes before the key watch and the boxes it uses.
  ~DesktopLumivox() {
    focus.reset();
    window.reset();
  }
  DesktopLumivox(const DesktopLumivox&) = delete;
  DesktopLumivox& operator=(const DesktopLumivox&) = delete;

  // Chooses an item of the menu bar the way the user does.
  void chooseFromMenuBar(const char* menuName, const char* itemName) {
    auto* menu = window->findChild<QMenu*>(u(menuName));
    QMenuBar* bar = window->menuBar();
    clickOn(bar, bar->actionGeometry(menu->menuAction()));
    QTRY_VERIFY(menu->isVisible());
    clickOn(menu, menu->actionGeometry(action(itemName)));
    QTRY_VERIFY(!menu->isVisible());
  }

  BoxPrompter prompter;
  lumivox::X11KeyWatch keys;
  lumivox::X11WindowFocus windowFocus;
  std::unique_ptr<lumivox::QtProgramFocus> focus;
  bool exposed = false;  // the window reached the screen
};
