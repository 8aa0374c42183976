#include <QLabel>
#include <QScreen>
#include <QtTest>

#include "qt/IndexWindow.h"
#include "support/ScriptedPrompter.h"
#include "support/TempWorkDir.h"
#include "support/X11Desktop.h"

using namespace lumivox;

namespace {

// Below the show window, which opens in the middle of the screen.
constexpr QPoint kGameAt(20, 600);

// The opacity the X server holds for a window, as another client sees it.
QString opacityProperty(const QWidget* window) {
  return run(u("xprop"), {u("-id"), QString::number(window->winId()), u("_NET_WM_WINDOW_OPACITY")}).section(u(" = "), 1);
}

}  // namespace

class ShowWindowE2E : public QObject {
  Q_OBJECT
 private slots:
  void openFromTheMenuClickThePictureAndCountingGoesOn();
};

void ShowWindowE2E::openFromTheMenuClickThePictureAndCountingGoesOn() {
  TempWorkDir dir;
  DesktopLumivox<ScriptedPrompter> lumivox;
  QVERIFY2(lumivox.keys.error().empty(), lumivox.keys.error().c_str());
  QVERIFY(lumivox.exposed);
  IndexWindow& window = *lumivox.window;

  // 帮助(&H), then 展示窗体(&H) in it, typed on the main window.
  focusWindow(QString::number(window.winId()));
  QTRY_VERIFY(window.isActiveWindow());
  xdotool({u("key"), u("--delay"), u("150"), u("alt+h"), u("h")});
  QWidget* frm = nullptr;
  QTRY_VERIFY((frm = window.findChild<QWidget*>(u("ShowFrm"))) != nullptr);
  QVERIFY(QTest::qWaitForWindowExposed(frm));
  for (const char* name : {"Time_Chr", "Timer1", "Timer2", "Timer3"}) QVERIFY2(!lumivox.mainTimerOn(name), name);

  // A press while the show window is open is not for the dialogue.
  xdotool({u("key"), u("space")});
  QTest::qWait(200);

  // The fade reaches the server step by step, not only when other events
  // happen to come along, and ends opaque.
  QTRY_VERIFY_WITH_TIMEOUT(opacityProperty(frm).toUInt() > 0x05050505u && opacityProperty(frm).toUInt() < 0xFFFFFFFFu, 2000);
  QTRY_COMPARE_WITH_TIMEOUT(opacityProperty(frm), u("4294967295"), 4000);

  // On the screen: centred, the picture, and magenta below it.
  const QImage screen = frm->screen()->grabWindow(0).toImage();
  if (const QByteArray folder = qgetenv("LUMIVOX_SHOT_DIR"); !folder.isEmpty())
    screen.save(QString::fromLocal8Bit(folder) + u("/show-window-e2e.png"));
  const QRect area = frm->screen()->geometry();
  const QPoint topLeft = frm->mapToGlobal(QPoint(0, 0));
  QCOMPARE(topLeft, QPoint((area.width() - 322) / 2, (area.height() - 278) / 2));
  const QImage picture = frm->findChild<QLabel*>(u("Image1"))->pixmap().toImage();
  for (QPoint p : {QPoint(10, 10), QPoint(160, 120), QPoint(300, 220)})
    QCOMPARE(screen.pixel(topLeft + p) & 0xFFFFFF, picture.pixel(p) & 0xFFFFFF);
  QCOMPARE(screen.pixel(topLeft + QPoint(10, 250)) & 0xFFFFFF, 0xFF00FFu);
  QCOMPARE(frm->findChild<QLabel*>(u("Label1"))->text(), u("Lumivox"));

  const QPoint centre = topLeft + QPoint(160, 120);
  xdotool({u("mousemove"), u("--sync"), QString::number(centre.x()), QString::number(centre.y()), u("click"), u("1")});
  QTRY_VERIFY(window.findChild<QWidget*>(u("ShowFrm")) == nullptr);
  // Timer2 is on again too, but reads the line count at once and stops.
  for (const char* name : {"Time_Chr", "Timer1", "Timer3"}) QVERIFY2(lumivox.mainTimerOn(name), name);

  GameWindow game(kGameAt);
  QTest::qWait(100);
  QCOMPARE(window.controller().state().mainLineNumber, 0);  // the press made while it was open is gone
  xdotool({u("key"), u("--delay"), u("150"), u("space"), u("space"), u("space")});
  QTRY_COMPARE(window.controller().state().mainLineNumber, 3);
  QTest::qWait(200);
  QCOMPARE(window.controller().state().mainLineNumber, 3);
  QVERIFY(lumivox.prompter.boxes.empty());
}

QTEST_MAIN(ShowWindowE2E)
#include "ShowWindowE2E.moc"
