#include <QMetaClassInfo>
#include <QSignalSpy>
#include <QtTest>

#include "support/ScriptedPrompter.h"
#include "show/XpPictures.h"
#include "qt/XpProgressBarWidget.h"

using lumivox::MapPropertyBag;
using lumivox::XpProgressBarWidget;

namespace {

constexpr int kWidth = 321, kHeight = 17;

std::uint32_t rgbAt(const QImage& image, int x, int y) { return image.pixel(x, y) & 0xFFFFFF; }

// The frame as it must look at any size: the picture's 3-pixel corners, and
// edges and centre carried on from the pieces next to them.
std::uint32_t expectedFrame(int x, int y, int w, int h) {
  const int sx = x < 3 ? x : x >= w - 3 ? x - (w - 59) : 3;
  const int sy = y < 3 ? y : y >= h - 3 ? y - (h - 13) : 4;
  return lumivox::framePicture().at(sx, sy);
}

}  // namespace

class XpProgressBarWidgetTest : public QObject {
  Q_OBJECT

  ScriptedPrompter prompter;
  std::unique_ptr<QWidget> host;
  XpProgressBarWidget* bar = nullptr;

  // A bar on a shown window, its properties read the way a host reads them.
  void showBar(std::map<std::string, std::int32_t> properties) {
    host = std::make_unique<QWidget>();
    host->resize(340, 40);
    bar = new XpProgressBarWidget(prompter, host.get());
    bar->setObjectName("Bar");
    bar->setGeometry(5, 5, kWidth, kHeight);
    bar->readProperties(MapPropertyBag(std::move(properties)));
    host->show();
    QVERIFY(QTest::qWaitForWindowExposed(host.get()));
  }
  QImage shown() const { return bar->grab().toImage(); }

  void verifyEmptyFrame(const QImage& image) {
    QCOMPARE(image.size(), bar->size());
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x)
        if (rgbAt(image, x, y) != expectedFrame(x, y, image.width(), image.height()))
          QFAIL(qPrintable(QString("frame pixel %1,%2").arg(x).arg(y)));
  }

 private slots:
  void init() { prompter.boxes.clear(); }

  void aNewBarShowsTheEmptyFrame() {
    showBar({{"Style", 1}, {"ProgressLook", 2}});
    verifyEmptyFrame(shown());
  }

  void blocksLandOnTheirPixelsWithWhiteGaps() {
    showBar({});
    bar->setValue(50);  // blocks from x = 4 to x = 154
    const QImage image = shown();
    const auto& block = lumivox::lookPictureSet(0).pictures[2];
    for (int left = 4; left <= 154; left += 10) {
      for (int i = 0; i < 8; ++i) {
        QCOMPARE(rgbAt(image, left + i, 3), block.at(i, 0));
        QCOMPARE(rgbAt(image, left + i, 13), block.at(i, 9));
      }
      QCOMPARE(rgbAt(image, left + 8, 8), 0xFFFFFFu);
      QCOMPARE(rgbAt(image, left + 9, 8), 0xFFFFFFu);
    }
    QCOMPARE(rgbAt(image, 164, 8), 0xFFFFFFu);
    QCOMPARE(rgbAt(image, 4, 2), expectedFrame(4, 2, kWidth, kHeight));
    QCOMPARE(rgbAt(image, 4, 14), expectedFrame(4, 14, kWidth, kHeight));
  }

  void theFullBarEndsAtTheRightBorder() {
    showBar({});
    for (int value = 1; value <= 100; ++value) bar->setValue(value);
    const QImage image = shown();
    const auto& block = lumivox::lookPictureSet(0).pictures[2];
    QCOMPARE(rgbAt(image, 317, 3), block.at(6, 0));  // 4 columns squeezed from 8
    QCOMPARE(rgbAt(image, 318, 3), expectedFrame(318, 3, kWidth, kHeight));
  }

  void marqueeSegmentsAreFourPixelsWideOneApart() {
    showBar({{"Style", 1}, {"ProgressLook", 2}});
    bar->setValue(1);
    const QImage image = shown();
    const auto& pictures = lumivox::lookPictureSet(2).pictures;
    for (int segment = 0; segment < 3; ++segment) {
      const int left = 4 + 5 * segment;
      QCOMPARE(rgbAt(image, left, 3), pictures[segment].at(0, 0));
      QCOMPARE(rgbAt(image, left + 3, 13), pictures[segment].at(6, 9));
      QCOMPARE(rgbAt(image, left + 4, 8), 0xFFFFFFu);
    }
  }

  void uncoveringShowsTheSamePixels() {
    showBar({});
    bar->setValue(40);
    const QImage before = shown();
    QWidget cover;
    cover.setGeometry(host->geometry());
    cover.show();
    QVERIFY(QTest::qWaitForWindowExposed(&cover));
    cover.hide();
    host->hide();
    host->show();
    QVERIFY(QTest::qWaitForWindowExposed(host.get()));
    QCOMPARE(shown(), before);
    QCOMPARE(bar->backBuffer().convertToFormat(before.format()), before);
  }

  void resizingStartsOverWithTheEmptyFrame() {
    showBar({});
    bar->setValue(60);
    bar->resize(200, 20);
    verifyEmptyFrame(shown());
    bar->setValue(61);  // everything up to the value again, on the new width
    QCOMPARE(rgbAt(shown(), 4, 3), lumivox::lookPictureSet(0).pictures[2].at(0, 0));
  }

  void hostsReachThePropertiesByName() {
    showBar({});
    QCOMPARE(QString(bar->metaObject()->classInfo(bar->metaObject()->indexOfClassInfo("PersistentClassName")).value()),
             QString(lumivox::kXpProgressBarClassName));
    QSignalSpy changes(bar, &XpProgressBarWidget::propertyChanged);
    QVERIFY(bar->setProperty("Max", 200));
    QVERIFY(bar->setProperty("Value", 150));
    QCOMPARE(bar->property("Value").toInt(), 150);
    QCOMPARE(changes.size(), 2);
    QCOMPARE(changes.at(1).at(0).toString(), QString("Value"));

    const QImage before = shown();
    bar->setProperty("Value", 201);
    QCOMPARE(prompter.boxes.size(), size_t(1));
    QCOMPARE(bar->value(), 150);
    QCOMPARE(shown(), before);
  }
};

QTEST_MAIN(XpProgressBarWidgetTest)
#include "XpProgressBarWidgetTest.moc"
