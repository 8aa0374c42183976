#include <QAction>
#include <QLabel>
#include <QScreen>
#include <QTimer>
#include <QtTest>

#include "qt/IndexWindow.h"
#include "support/IndexHarness.h"
#include "qt/XpProgressBarWidget.h"

using namespace lumivox;

namespace {

constexpr const char* kMainTimers[] = {"Time_Chr", "Timer1", "Timer2", "Timer3"};
const QRgb kMagenta = qRgb(255, 0, 255);

// The main window shown. The show window's timers are driven by the test:
// once open they get an interval too long to ever run out, and tick() makes
// one tick happen, as a running timer would.
struct Harness : IndexHarness {
  Harness() {
    open();
    window->show();
  }

  QWidget* openShowFrm() {
    action("展示窗体")->trigger();
    auto* frm = window->findChild<QWidget*>(u("ShowFrm"));
    if (frm) {
      for (const char* name : {"Timer1", "Timer2"}) timer(frm, name)->setInterval(24 * 3600 * 1000);
    }
    return frm;
  }
  static QTimer* timer(QObject* owner, const char* name) { return owner->findChild<QTimer*>(u(name)); }
  bool showFrmGone() const { return window->findChild<QWidget*>(u("ShowFrm")) == nullptr; }
};

bool tick(QTimer* timer) {
  if (!timer->isActive()) return false;
  QTimerEvent event(timer->timerId());
  QCoreApplication::sendEvent(timer, &event);
  return true;
}

XpProgressBarWidget* barOf(QWidget* frm) { return frm->findChild<XpProgressBarWidget*>(u("Bar")); }

// The bar's empty frame as a freshly shown bar of the same size and properties draws it.
QImage emptyFrame(QSize size, Prompter& prompter) {
  XpProgressBarWidget reference(prompter);
  reference.readProperties(MapPropertyBag({{"Style", 1}, {"ProgressLook", 2}}));
  reference.resize(size);
  reference.show();
  QCoreApplication::processEvents();
  return reference.backBuffer().copy();
}

int opacityLevel(QWidget* frm) { return qRound(frm->windowOpacity() * 255); }

}  // namespace

class ShowFrmTest : public QObject {
  Q_OBJECT
 private slots:
  void opensWithProductNameEmptyBarAndMainTimersOff();
  void clicksOnPictureLabelOrBackgroundCloseItButNotOnTheBar_data();
  void clicksOnPictureLabelOrBackgroundCloseItButNotOnTheBar();
  void fadesInOnlyTheFirstTimeInARun();
  void aFirstShowingClosedPartWayContinuesItsFade();
  void progressTimerLeftOnClosesTheWindowNearStepTarget();
  void pressesMadeWhileOpenAreNotCounted();
};

void ShowFrmTest::opensWithProductNameEmptyBarAndMainTimersOff() {
  Harness h;
  QWidget* frm = h.openShowFrm();
  QVERIFY(frm);
  QVERIFY(QTest::qWaitForWindowExposed(frm));
  QCOMPARE(QApplication::activeModalWidget(), frm);
  QVERIFY(frm->windowFlags().testFlag(Qt::FramelessWindowHint));
  QVERIFY(frm->windowFlags().testFlag(Qt::Tool));  // no task bar entry
  QCOMPARE(frm->windowTitle(), u("展示窗体"));
  QCOMPARE(frm->size(), QSize(322, 278));
  const QPoint offCentre = frm->geometry().center() - frm->screen()->geometry().center();
  QVERIFY2(offCentre.manhattanLength() <= 1, qPrintable(QString("%1,%2").arg(offCentre.x()).arg(offCentre.y())));

  auto* label = frm->findChild<QLabel*>(u("Label1"));
  QCOMPARE(label->text(), u("Lumivox"));
  QCOMPARE(label->geometry(), QRect(64, 243, 217, 17));
  auto* image = frm->findChild<QLabel*>(u("Image1"));
  QCOMPARE(image->geometry(), QRect(0, 0, 320, 240));
  QCOMPARE(image->pixmap().size(), QSize(320, 240));

  XpProgressBarWidget* bar = barOf(frm);
  QCOMPARE(bar->geometry(), QRect(1, 260, 321, 17));
  QCOMPARE(bar->style(), 1);
  QCOMPARE(bar->progressLook(), 2);
  QCOMPARE(bar->value(), 0);
  QCOMPARE(bar->minimum(), 0);
  QVERIFY(bar->maximum() >= 71 && bar->maximum() <= 200);
  QCOMPARE(bar->backBuffer(), emptyFrame(bar->size(), h.prompter));

  QVERIFY(!Harness::timer(frm, "Timer1")->isActive());
  QVERIFY(Harness::timer(frm, "Timer2")->isActive());
  for (const char* name : kMainTimers) QVERIFY2(!h.mainTimerOn(name), name);

  // What shows: the picture, magenta around it, and the bar.
  const QImage shown = frm->grab().toImage();
  const QImage picture = image->pixmap().toImage();
  for (QPoint p : {QPoint(0, 0), QPoint(160, 120), QPoint(319, 239), QPoint(40, 60)})
    QCOMPARE(shown.pixel(p), picture.pixel(p));
  for (QPoint p : {QPoint(320, 0), QPoint(321, 239), QPoint(5, 250), QPoint(300, 250), QPoint(0, 270)})
    QCOMPARE(shown.pixel(p), kMagenta);
  QCOMPARE(shown.copy(bar->geometry()), bar->backBuffer().convertToFormat(shown.format()));
  QVERIFY(h.prompter.boxes.empty());

  // Every opening draws a new end point.
  QSet<int> maxima{bar->maximum()};
  for (int i = 0; i < 15; ++i) {
    frm->close();
    QTRY_VERIFY(h.showFrmGone());
    frm = h.openShowFrm();
    maxima.insert(barOf(frm)->maximum());
    QVERIFY(barOf(frm)->maximum() >= 71 && barOf(frm)->maximum() <= 200);
  }
  QVERIFY(maxima.size() > 1);
}

void ShowFrmTest::clicksOnPictureLabelOrBackgroundCloseItButNotOnTheBar_data() {
  QTest::addColumn<QString>("target");
  QTest::addColumn<QPoint>("at");
  QTest::newRow("picture") << u("Image1") << QPoint(100, 100);
  QTest::newRow("label") << u("Label1") << QPoint(100, 8);
  QTest::newRow("background left of the label") << u("ShowFrm") << QPoint(10, 250);
  QTest::newRow("background right of the picture") << u("ShowFrm") << QPoint(321, 100);
}

void ShowFrmTest::clicksOnPictureLabelOrBackgroundCloseItButNotOnTheBar() {
  QFETCH(QString, target);
  QFETCH(QPoint, at);
  Harness h;
  h.window->controller().setTimerEnabled(lumivox::TimerId::Timer3, false);  // auto-save was off before
  std::map<std::string, bool> before;
  for (const char* name : kMainTimers) before[name] = h.mainTimerOn(name);
  QWidget* frm = h.openShowFrm();
  QVERIFY(QTest::qWaitForWindowExposed(frm));

  QTest::mouseClick(barOf(frm), Qt::LeftButton, {}, QPoint(100, 8));
  QTest::mouseClick(frm, Qt::RightButton, {}, QPoint(10, 250));
  QTest::qWait(20);
  QVERIFY(frm->isVisible());
  QVERIFY(!h.showFrmGone());
  for (const char* name : kMainTimers) QVERIFY2(!h.mainTimerOn(name), name);

  QWidget* clicked = target == u("ShowFrm") ? frm : frm->findChild<QWidget*>(target);
  QTest::mouseClick(clicked, Qt::LeftButton, {}, at);
  QVERIFY(!frm->isVisible());
  // As they were: closing the window does not end a pause begun before it.
  for (const char* name : kMainTimers) QVERIFY2(h.mainTimerOn(name) == before[name], name);
  QTRY_VERIFY(h.showFrmGone());
  QVERIFY(h.window->isVisible());
}

void ShowFrmTest::fadesInOnlyTheFirstTimeInARun() {
  Harness h;
  QWidget* frm = h.openShowFrm();
  QCOMPARE(opacityLevel(frm), 255);  // an ordinary window until the first tick
  QTimer* fade = Harness::timer(frm, "Timer2");
  QVERIFY(tick(fade));
  QCOMPARE(opacityLevel(frm), 5);
  int ticks = 1;
  while (tick(fade)) {
    ++ticks;
    QCOMPARE(opacityLevel(frm), std::min(5 * ticks, 255));
  }
  QCOMPARE(ticks, 51);  // about two seconds at 40 ms
  QCOMPARE(frm->windowOpacity(), 1.0);
  QTest::mouseClick(frm->findChild<QWidget*>(u("Image1")), Qt::LeftButton);
  QTRY_VERIFY(h.showFrmGone());

  frm = h.openShowFrm();
  fade = Harness::timer(frm, "Timer2");
  QVERIFY(tick(fade));
  QCOMPARE(frm->windowOpacity(), 1.0);
  QVERIFY(!fade->isActive());
}

void ShowFrmTest::aFirstShowingClosedPartWayContinuesItsFade() {
  Harness h;
  QWidget* frm = h.openShowFrm();
  for (int i = 0; i < 20; ++i) QVERIFY(tick(Harness::timer(frm, "Timer2")));
  QCOMPARE(opacityLevel(frm), 100);
  QTest::mouseClick(frm->findChild<QWidget*>(u("Label1")), Qt::LeftButton);
  QTRY_VERIFY(h.showFrmGone());

  frm = h.openShowFrm();
  QVERIFY(tick(Harness::timer(frm, "Timer2")));
  QCOMPARE(opacityLevel(frm), 105);
  QVERIFY(Harness::timer(frm, "Timer2")->isActive());
}

void ShowFrmTest::progressTimerLeftOnClosesTheWindowNearStepTarget() {
  Harness h;
  QWidget* frm = h.openShowFrm();
  QVERIFY(QTest::qWaitForWindowExposed(frm));
  XpProgressBarWidget* bar = barOf(frm);
  const QImage empty = bar->backBuffer().copy();
  QTimer* progress = Harness::timer(frm, "Timer1");
  progress->start();  // left on, as the command never leaves it

  QVERIFY(tick(progress));
  QCOMPARE(bar->value(), 1);
  QVERIFY(bar->backBuffer() != empty);  // the chunk moved in
  int ticks = 1;
  while (tick(progress)) ++ticks;
  const int stepTarget = bar->maximum() - 1;
  QCOMPARE(ticks, stepTarget - 5);
  QCOMPARE(bar->value(), stepTarget - 5);
  QVERIFY(!Harness::timer(frm, "Timer2")->isActive());
  QVERIFY(!frm->isVisible());
  for (const char* name : {"Time_Chr", "Timer1", "Timer3"}) QVERIFY2(h.mainTimerOn(name), name);
  QTRY_VERIFY(h.showFrmGone());
  QVERIFY(h.prompter.boxes.empty());  // the bar never went past its Max
}

void ShowFrmTest::pressesMadeWhileOpenAreNotCounted() {
  Harness h;
  QWidget* frm = h.openShowFrm();
  h.keys.press(vk::Space);
  QTest::qWait(60);
  QCOMPARE(h.window->controller().state().mainLineNumber, 0);
  QTest::mouseClick(frm, Qt::LeftButton, {}, QPoint(10, 250));
  QTRY_VERIFY(h.showFrmGone());
  QTest::qWait(60);
  QCOMPARE(h.window->controller().state().mainLineNumber, 0);
  h.keys.press(vk::Space);
  QTRY_COMPARE(h.window->controller().state().mainLineNumber, 1);
}

QTEST_MAIN(ShowFrmTest)
#include "ShowFrmTest.moc"
