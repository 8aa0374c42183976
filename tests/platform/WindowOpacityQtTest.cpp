#include <QtTest>

#include "platform/WindowOpacityQt.h"

using lumivox::SetWindowOpacity;

class WindowOpacityQtTest : public QObject {
  Q_OBJECT

 private slots:
  void levelsInRangeAreAppliedAndOthersChangeNothing() {
    QWidget window;
    window.resize(200, 100);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QCOMPARE(SetWindowOpacity(&window, 128), 0);
    QCOMPARE(qRound(window.windowOpacity() * 255), 128);
    QCOMPARE(SetWindowOpacity(&window, -1), 1);
    QCOMPARE(SetWindowOpacity(&window, 256), 1);
    QCOMPARE(qRound(window.windowOpacity() * 255), 128);

    QCOMPARE(SetWindowOpacity(&window, 0), 0);
    QCOMPARE(window.windowOpacity(), 0.0);
    QCOMPARE(SetWindowOpacity(&window, 255), 0);
    QCOMPARE(SetWindowOpacity(&window, 255), 0);
    QCOMPARE(window.windowOpacity(), 1.0);
  }

  void onlyTopLevelWindowsCanBeTranslucent() {
    QWidget window;
    auto* child = new QWidget(&window);
    QCOMPARE(SetWindowOpacity(child, 100), 2);
    QCOMPARE(SetWindowOpacity(nullptr, 100), 2);
    QCOMPARE(SetWindowOpacity(nullptr, 300), 1);
  }
};

QTEST_MAIN(WindowOpacityQtTest)
#include "WindowOpacityQtTest.moc"
