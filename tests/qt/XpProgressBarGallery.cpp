#include <QDir>
#include <QPainter>
#include <QtTest>

#include "support/ScriptedPrompter.h"
#include "show/XpPictures.h"
#include "qt/XpProgressBarWidget.h"

using lumivox::MapPropertyBag;
using lumivox::XpProgressBarWidget;

// For each look, a half-full block bar above a marquee bar, four times
// enlarged, to be judged by eye.
class XpProgressBarGallery : public QObject {
  Q_OBJECT

  ScriptedPrompter prompter;

  QImage drawn(int style, int look, int assignments) {
    XpProgressBarWidget bar(prompter);
    bar.readProperties(MapPropertyBag({{"Style", style}, {"ProgressLook", look}}));
    bar.resize(321, 17);
    bar.show();
    if (!QTest::qWaitForWindowExposed(&bar)) return {};
    for (int value = 1; value <= assignments; ++value) bar.setValue(value);
    return bar.grab().toImage();
  }

 private slots:
  void writeOnePicturePerLook() {
    const QDir folder(LUMIVOX_GALLERY_DIR);
    QVERIFY(folder.mkpath("."));
    for (int look = 0; look < lumivox::kLookCount; ++look) {
      QImage sheet(321 + 8, 17 * 2 + 12, QImage::Format_RGB32);
      sheet.fill(QColor(0xD4, 0xD0, 0xC8));  // a classic window grey around the bars
      {
        QPainter painter(&sheet);
        painter.drawImage(4, 4, drawn(0, look, 50));
        painter.drawImage(4, 4 + 17 + 4, drawn(1, look, 20));
      }
      const QString path = folder.filePath(
          QString("look-%1-%2.png").arg(look).arg(QString::fromStdString(lumivox::lookPictureSet(look).name)));
      QVERIFY(sheet.scaled(sheet.size() * 4, Qt::IgnoreAspectRatio, Qt::FastTransformation).save(path));
    }
    qInfo("gallery written to %s", qPrintable(folder.absolutePath()));
  }
};

QTEST_MAIN(XpProgressBarGallery)
#include "XpProgressBarGallery.moc"
