#include <QFontInfo>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTextLayout>
#include <QtTest>

#include "qt/DialogueLabel.h"
#include "qt/IndexWindow.h"
#include "qt/Translations.h"
#include "dialogue/KeyWatchFailure.h"
#include "platform/TextCodec.h"
#include "platform/X11KeyWatch.h"
#include "support/Files.h"
#include "support/IndexHarness.h"

using namespace lumivox;

namespace {

// The sample Data folder with the main story's line 0 replaced, the window shown.
struct Harness : IndexHarness {
  explicit Harness(const std::string& lineZero) {
    writeGbk(dir.dataDir() / "Quorra.data",
             "[TextNumber]\r\nTextNumber=10\r\n[Quorra]\r\n0=" + lineZero + "\r\n1=短的一行\r\n");
    open();
    window->show();
  }
  void advanceTo(int counter) {
    keys.press(vk::Space);
    QTRY_COMPARE(window->controller().state().mainLineNumber, counter);
  }
  DialogueLabel* dialogue() const { return window->findChild<DialogueLabel*>(u("对话内容")); }
};

// The 255-byte limit holds 127 two-byte characters; varied ones, so that no
// font can take a shortcut over repeated glyphs.
std::string longestChineseLine() {
  const char* pool = "天地玄黄宇宙洪荒日月盈昃辰宿列张寒来暑往秋收冬藏闰余成岁律吕调阳云腾致雨露结为霜金生丽水玉出昆冈";
  const QString chars = u(pool);
  QString line;
  for (int i = 0; i < 127; ++i) line += chars[i % chars.size()];
  return line.toStdString();
}

}  // namespace

class IndexWindowTextTest : public QObject {
  Q_OBJECT
 private slots:
  void linesFromFilesShowLiterally();
  void longestLineShowsWhole_data();
  void longestLineShowsWhole();
  void songTypefaceAtTenAndAHalfPoints();
  void standardButtonsReadChinese();
  void keyWatchFailureIsSaidInChinese();
};

void IndexWindowTextTest::linesFromFilesShowLiterally() {
  const std::string markup = "<b>粗体</b> &amp; <A href=x>链接</A><br>两个空格  之后&";
  Harness h(markup);
  for (QLabel* label : h.window->findChildren<QLabel*>())
    QVERIFY2(label->textFormat() == Qt::PlainText, qPrintable(label->objectName()));
  h.advanceTo(1);
  QCOMPARE(h.dialogue()->text(), QString::fromStdString(markup));
  // Drawn as written: the plain-text layout keeps every character, the
  // tags and the run of blanks included.
  QTextLayout layout(h.dialogue()->text(), h.dialogue()->shownFont());
  QCOMPARE(layout.text(), QString::fromStdString(markup));
}

void IndexWindowTextTest::longestLineShowsWhole_data() {
  QTest::addColumn<QString>("line");
  QTest::newRow("127 Chinese characters") << QString::fromStdString(longestChineseLine());
  QTest::newRow("255 letters without a blank") << QString(255, QLatin1Char('W'));
  QTest::newRow("mixed") << QString::fromStdString(longestChineseLine()).left(100) + QString(55, QLatin1Char('m'));
}

namespace {

// The whole text fits the label in the font it is shown in (how small that
// is, the logic decides), and no line runs past the right edge.
void checkShownWhole(DialogueLabel* label) {
  const QRect room = label->contentsRect();
  const QFont shown = label->shownFont();
  QVERIFY2(label->textHeight(shown) <= room.height(), qPrintable(QString::number(shown.pointSizeF())));
  QTextLayout layout(label->text(), shown, label);
  QTextOption option;
  option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  layout.setTextOption(option);
  layout.beginLayout();
  for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
    line.setLineWidth(room.width());
    QVERIFY(line.naturalTextWidth() <= room.width());
  }
  layout.endLayout();
}

}  // namespace

void IndexWindowTextTest::longestLineShowsWhole() {
  QFETCH(QString, line);
  QVERIFY(utf8ToGbk(line.toStdString()).size() <= 255);
  Harness h(line.toStdString());
  h.advanceTo(1);
  DialogueLabel* label = h.dialogue();
  QCOMPARE(label->text(), line);
  checkShownWhole(label);

  // Where no Song face is installed the sans-serif fallback runs taller and
  // the line no longer fits at 10.5 pt: it is shown smaller instead.
  QFont fallback(u("WenQuanYi Micro Hei"));
  fallback.setPointSizeF(10.5);
  label->setFont(fallback);
  QVERIFY(label->textHeight(fallback) > label->contentsRect().height());
  QVERIFY(label->shownFont().pointSizeF() < 10.5);
  checkShownWhole(label);
  QVERIFY(!label->grab().isNull());  // and it paints

  h.advanceTo(2);  // a short line is back at the label's size
  QCOMPARE(label->shownFont().pointSizeF(), 10.5);
}

void IndexWindowTextTest::songTypefaceAtTenAndAHalfPoints() {
  Harness h("短");
  const QFont font = h.dialogue()->font();
  QCOMPARE(font.pointSizeF(), 10.5);
  const QString family = QFontInfo(font).family();
  QVERIFY2(family.contains(u("SimSun")) || family.contains(u("宋体")) || family.contains(u("Ming")) ||
               family.contains(u("Sung")) || family.contains(u("Serif CJK")),
           qPrintable(family));
  QCOMPARE(QFontInfo(h.window->findChild<QLabel*>(u("BFB"))->font()).family(), family);
}

void IndexWindowTextTest::standardButtonsReadChinese() {
  QVERIFY(installChineseTranslations(*QCoreApplication::instance()));
  QMessageBox box(QMessageBox::Information, u("t"), u("x"),
                  QMessageBox::Ok | QMessageBox::Cancel | QMessageBox::Yes | QMessageBox::No);
  QCOMPARE(box.button(QMessageBox::Ok)->text().remove(u("&")), u("确定"));
  QCOMPARE(box.button(QMessageBox::Cancel)->text().remove(u("&")), u("取消"));
  QVERIFY(box.button(QMessageBox::Yes)->text().startsWith(u("是")));
  QVERIFY(box.button(QMessageBox::No)->text().startsWith(u("否")));
}

void IndexWindowTextTest::keyWatchFailureIsSaidInChinese() {
  // No display to watch: the real key watch fails to start, and says why.
  const QByteArray display = qgetenv("DISPLAY");
  qunsetenv("DISPLAY");
  X11KeyWatch keys;
  if (!display.isEmpty()) qputenv("DISPLAY", display);
  QVERIFY(!keys.error().empty());
  QVERIFY(keys.problem() == KeyWatchProblem::NoXDisplay);

  Harness h("x");
  const KeyWatchNotice notice = keyWatchNotice(keys.problem(), false);
  h.window->controller().setStatusText(notice.status);
  QCOMPARE(h.window->findChild<QLabel*>(u("状态提示"))->text(), u(kKeyWatchFailedStatus));
  QVERIFY(notice.box.find("按键不会被计数") != std::string::npos);
}

QTEST_MAIN(IndexWindowTextTest)
#include "IndexWindowTextTest.moc"
