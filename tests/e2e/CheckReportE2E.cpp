// 帮助 › 检查词库 in the real program: the report window opens from the menu
// and lists what the console program prints for the same folder; asked again,
// the one window comes forward with a fresh check.
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QScreen>
#include <QtTest>

#include "qt/IndexWindow.h"
#include "support/Files.h"
#include "support/ScriptedPrompter.h"
#include "support/TempWorkDir.h"
#include "support/X11Desktop.h"

using namespace lumivox;

namespace {

QList<QWidget*> reportWindows() {
  QList<QWidget*> found;
  for (QWidget* widget : QApplication::topLevelWidgets())
    if (widget->objectName() == u("检查报告") && widget->isVisible()) found.push_back(widget);
  return found;
}

QString summary(QWidget* report) { return report->findChild<QLabel*>(u("汇总"))->text(); }

QStringList rows(QWidget* report) {
  QStringList texts;
  auto* list = report->findChild<QListWidget*>(u("问题列表"));
  for (int i = 0; i < list->count(); ++i) texts << list->item(i)->text();
  return texts;
}

// The report window once its check is in, after a choice of the menu item;
// null when none comes.
QWidget* checkFromTheMenu(DesktopLumivox<ScriptedPrompter>& lumivox) {
  lumivox.chooseFromMenuBar("帮助", "检查词库");
  if (!QTest::qWaitFor([] { return reportWindows().size() == 1; }, 5000)) return nullptr;
  QWidget* report = reportWindows().front();
  return QTest::qWaitFor([&] { return summary(report) != u("正在检查…"); }, 10000) ? report : nullptr;
}

// The screen around the window, frame and all, for a person to look at.
void shoot(QWidget* window, const char* name) {
  const QByteArray folder = qgetenv("LUMIVOX_SHOT_DIR");
  if (folder.isEmpty()) return;
  QTest::qWait(300);
  const QRect frame = window->frameGeometry().adjusted(-4, -4, 4, 4);
  window->screen()->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height())
      .save(QString::fromLocal8Bit(folder) + u("/") + u(name));
}

}  // namespace

class CheckReportE2E : public QObject {
  Q_OBJECT
 private slots:
  void aBrokenFolderListsTheConsoleReport();
  void theSampleDataHasNoErrorOrWarning();
};

void CheckReportE2E::aBrokenFolderListsTheConsoleReport() {
  TempWorkDir dir(TempWorkDir::Data::None);
  QCOMPARE(QProcess::execute(u(LUMIVOX_MAKE_BROKEN_FOLDER), {QString::fromStdString(dir.path().string())}), 0);
  QFile expectedFile(u(LUMIVOX_BROKEN_FOLDER_REPORT));
  QVERIFY(expectedFile.open(QIODevice::ReadOnly));
  QStringList expected = QString::fromUtf8(expectedFile.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
  const QString summaryLine = expected.takeLast();

  DesktopLumivox<ScriptedPrompter> lumivox;
  QVERIFY(lumivox.exposed);
  QWidget* report = checkFromTheMenu(lumivox);
  QVERIFY(report);
  QCOMPARE(summary(report), summaryLine);
  QCOMPARE(rows(report), expected);
  shoot(report, "check-report-broken-qt.png");

  // A double click only selects its row: no other window, the rows unchanged.
  auto* list = report->findChild<QListWidget*>(u("问题列表"));
  const QRect second = list->visualItemRect(list->item(1));
  QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, second.center());
  QCOMPARE(list->currentRow(), 1);
  QCOMPARE(rows(report), expected);
  QCOMPARE(QApplication::topLevelWidgets().count(report), 1);

  // Fixed meanwhile: asked again, the same window checks afresh.
  writeBytes(dir.dataDir() / "HotKeys.opi", "A1B2C-3D4E5-F6A7B-8C9D0-E1F2A\r\n");
  QPointer<QWidget> same = report;
  report = checkFromTheMenu(lumivox);
  QVERIFY(report);
  QCOMPARE(report, same.data());
  QTRY_COMPARE(rows(report).size(), expected.size() - 1);
  QVERIFY(!rows(report).join(QLatin1Char('\n')).contains(u("HotKeys.opi")));
}

void CheckReportE2E::theSampleDataHasNoErrorOrWarning() {
  TempWorkDir dir;
  DesktopLumivox<ScriptedPrompter> lumivox;
  QVERIFY(lumivox.exposed);
  QWidget* report = checkFromTheMenu(lumivox);
  QVERIFY(report);
  QVERIFY2(summary(report).contains(u("0 个错误，0 个警告")), qPrintable(summary(report)));
  for (const QString& row : rows(report))
    QVERIFY2(!row.contains(u(": error: ")) && !row.contains(u(": warning: ")), qPrintable(row));
  shoot(report, "check-report-sample-qt.png");
}

QTEST_MAIN(CheckReportE2E)
#include "CheckReportE2E.moc"
