#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <functional>

#include "qt/IndexWindow.h"
#include "dialogue/Startup.h"
#include "info/About.h"
#include "info/Contact.h"
#include "info/HelpText.h"
#include "platform/TextCodec.h"
#include "support/Files.h"
#include "support/IndexHarness.h"

using namespace lumivox;

namespace {

// Runs a timer's action now, as its interval ending would.
void fire(QTimer* timer) {
  QVERIFY2(timer && timer->isActive(), "timer not running");
  QTimerEvent event(timer->timerId());
  QCoreApplication::sendEvent(timer, &event);
}

QDialog* topLevel(const char* name) {
  for (QWidget* widget : QApplication::topLevelWidgets())
    if (widget->objectName() == u(name)) return qobject_cast<QDialog*>(widget);
  return nullptr;
}

int topLevelCount(const char* name) {
  int count = 0;
  for (QWidget* widget : QApplication::topLevelWidgets()) count += widget->objectName() == u(name);
  return count;
}

QString labelText(QWidget* window, const char* name) {
  auto* label = window->findChild<QLabel*>(u(name));
  return label ? label->text() : QStringLiteral("(missing %1)").arg(u(name));
}

// The main window with a scripted clipboard.
struct Harness : IndexHarness {
  // prepare changes the Data folder before the main window loads.
  explicit Harness(const std::function<void(const std::filesystem::path&)>& prepare = {}) {
    if (prepare) prepare(dir.dataDir());
    open({.clipboard = true});
  }

  QString status() const { return labelText(window.get(), "状态提示"); }

  // The About window as the menu item opens it, once the poll has filled in
  // the library path it reads.
  QDialog* openAbout() {
    if (!QTest::qWaitFor([this] { return !window->controller().mainLibraryPath().empty(); })) return nullptr;
    action("关于")->trigger();
    return topLevel("About");
  }
};

}  // namespace

class InfoWindowsTest : public QObject {
  Q_OBJECT
 private slots:
  void menuItemsAreConnected();
  void aboutShowsLibraryValuesAndCredits();
  void aboutRotatesTheThanksList();
  void aboutOpenTwiceIsBroughtForwardNotReloaded();
  void aboutClosesWithButtonEnterEscAndWithTheMainWindow();
  void reportsPutTheLetterOnTheClipboardInDebugMode();
  void reportWithRefusedClipboardStillLeavesDebugMode();
  void helpIsModalWithItsText();
  void counterPageLoadsAndTheTimerStops();
  void counterPageMissingOrBroken();
  void failedStartupLeavesThePageUnloaded();
};

void InfoWindowsTest::menuItemsAreConnected() {
  Harness h;
  for (const char* item : {"使用帮助", "错误报告", "建议报告", "关于"}) QVERIFY2(h.action(item)->isEnabled(), item);
}

void InfoWindowsTest::aboutShowsLibraryValuesAndCredits() {
  Harness h;
  QDialog* about = h.openAbout();
  QVERIFY(about);
  QVERIFY(about->isVisible());
  QVERIFY(!about->isModal());
  QVERIFY(!about->parentWidget());
  QVERIFY(h.window->isEnabled());
  QCOMPARE(about->windowTitle(), u("关于『Lumivox』"));

  const std::pair<const char*, const char*> labels[] = {
      {"Label1", " 程序版本："}, {"Label2", "V4"}, {"Label3", "对话文件库："}, {"Label4", "2026-11-28日更新"},
      {"Label5", "对话量(主线)："}, {"Label6", "48"}, {"Label12", "对话量  (门)："}, {"Doortextnumber", "24"},
      {"Label7", "程序制作："}, {"Label8", "Pell"}, {"Label9", "对话翻译："}, {"Label10", "Lumivox 翻译组"},
      {"SThanks", "请稍后，鸣谢列表正在载入..."}};
  for (const auto& [name, text] : labels) QCOMPARE(labelText(about, name), u(text));
  // The sample library's contact, whole in the narrow frame; its addresses
  // may go on to the next line.
  QLabel* contact = about->findChild<QLabel*>(u("Label11"));
  QCOMPARE(contact->text().remove(QLatin1Char('\n')),
           u(aboutContactNote({"translators@lumivox.example", "", "https://lumivox.example/"}).c_str())
               .remove(QLatin1Char('\n')));
  QVERIFY(contact->heightForWidth(contact->width()) <= contact->height());
  QCOMPARE(about->findChild<QPushButton*>(u("Command1"))->text(), u("确定"));
  QCOMPARE(about->findChild<QWidget*>(u("Frame4"))->property("title").toString(),
           u("鸣谢  感谢以下人员为程序作出的贡献  滚动播出(5秒)"));
  const QFont thanksFont = about->findChild<QLabel*>(u("SThanks"))->font();
  QVERIFY(thanksFont.bold());
  QCOMPARE(thanksFont.pointSizeF(), 10.5);

  const std::pair<const char*, int> timers[] = {{"ThanksTimer", 5000}, {"CThanksList", 10000}};
  for (const auto& [name, interval] : timers) {
    auto* timer = about->findChild<QTimer*>(u(name));
    QVERIFY2(timer && timer->isActive(), name);
    QCOMPARE(timer->interval(), interval);
  }
  QVERIFY(h.prompter.boxes.empty());
}

void InfoWindowsTest::aboutRotatesTheThanksList() {
  Harness h;
  // Markup in the files is shown as written.
  writeGbk(h.dir.dataDir() / "SpecialThanks.ED63rd", "[ThanksForYou]\r\n1=<b>甲</b>\r\n2=乙 &amp;\r\n");
  writeGbk(h.dir.dataDir() / "Quorra.data", "[Build]\r\nBuild=<i>新</i>\r\n");
  QDialog* about = h.openAbout();
  QVERIFY(about);
  QCOMPARE(labelText(about, "Label4"), u("<i>新</i>"));
  QCOMPARE(labelText(about, "Label6"), u("未知大小"));
  QCOMPARE(labelText(about, "Doortextnumber"), u("未知大小"));
  QVERIFY(labelText(about, "Label11").startsWith(u(kNoContactText)));
  for (const char* name : {"Label4", "Label6", "Doortextnumber", "Label11", "SThanks"})
    QCOMPARE(about->findChild<QLabel*>(u(name))->textFormat(), Qt::PlainText);

  QTimer* thanks = about->findChild<QTimer*>(u("ThanksTimer"));
  QTimer* list = about->findChild<QTimer*>(u("CThanksList"));
  QStringList shown;
  for (int second = 5; second <= 40; second += 5) {
    fire(thanks);
    if (second % 10 == 0) fire(list);
    shown << labelText(about, "SThanks");
  }
  const QString invitation = u(kThanksInvitationText);
  QCOMPARE(shown, (QStringList{u("<b>甲</b>"), u("乙 &amp;"), invitation, invitation, u("乙 &amp;"), invitation,
                               u("乙 &amp;"), invitation}));
  QVERIFY(h.prompter.boxes.empty());
}

void InfoWindowsTest::aboutOpenTwiceIsBroughtForwardNotReloaded() {
  Harness h;
  QPointer<QDialog> about = h.openAbout();
  QVERIFY(about);
  fire(about->findChild<QTimer*>(u("ThanksTimer")));
  const QString first = labelText(about, "SThanks");
  QVERIFY(first.startsWith(u("感谢 小林")));

  writeGbk(h.dir.dataDir() / "Quorra.data", "[Build]\r\nBuild=另一个版本\r\n");
  h.action("关于")->trigger();
  QCOMPARE(topLevelCount("About"), 1);
  QCOMPARE(topLevel("About"), about.data());
  QCOMPARE(labelText(about, "Label4"), u("2026-11-28日更新"));
  QCOMPARE(labelText(about, "SThanks"), first);
  fire(about->findChild<QTimer*>(u("ThanksTimer")));
  QVERIFY(labelText(about, "SThanks").startsWith(u("感谢 阿澄")));  // the rotation went on

  about->findChild<QPushButton*>(u("Command1"))->click();
  QTRY_VERIFY(about.isNull());
  QCOMPARE(topLevelCount("About"), 0);

  // Opened again: loaded afresh, the list from entry 1.
  about = h.openAbout();
  QVERIFY(about);
  QCOMPARE(labelText(about, "Label4"), u("另一个版本"));
  QCOMPARE(labelText(about, "SThanks"), u("请稍后，鸣谢列表正在载入..."));
  fire(about->findChild<QTimer*>(u("ThanksTimer")));
  QCOMPARE(labelText(about, "SThanks"), first);
}

void InfoWindowsTest::aboutClosesWithButtonEnterEscAndWithTheMainWindow() {
  for (Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
    Harness h;
    QPointer<QDialog> about = h.openAbout();
    QVERIFY(about);
    QPointer<QTimer> thanks = about->findChild<QTimer*>(u("ThanksTimer"));
    QTest::keyClick(about, key);
    QTRY_VERIFY(about.isNull());
    QVERIFY(thanks.isNull());
  }
  QPointer<QDialog> left;
  {
    Harness h;
    left = h.openAbout();
    QVERIFY(left);
  }
  QVERIFY(left.isNull());
}

void InfoWindowsTest::reportsPutTheLetterOnTheClipboardInDebugMode() {
  Harness h;
  h.window->controller().state().mainLineKey = "12";
  std::vector<bool> pollingAtBox;
  h.prompter.onBox = [&](const ScriptedPrompter::Box&) { pollingAtBox.push_back(h.timer("Time_Chr")->isActive()); };

  h.prompter.inputs = {"2026-11-28", "第二行\n换行", "小明", "mail@example.org"};
  h.action("错误报告")->trigger();
  QCOMPARE(h.clipboard.calls, (std::vector<std::string>{"clear", "set"}));
  QCOMPARE(h.clipboard.text, std::string("Pell，您好！\r\n您的“LumivoxV4”\r\n对话库版本：2026-11-28\r\n"
                                         "经我的使用，发现存在以下错误。\r\n错误位于第12句对话处。\r\n"
                                         "下面是我对错误的描述：\r\n我发现存在第二行\n换行错误。希望您可以及时修正！\r\n"
                                         "此致\r\n如有回复，请联系我：mail@example.org\r\nThe Error massage by 小明"));
  QCOMPARE(h.prompter.boxes.size(), std::size_t{7});
  QCOMPARE(h.prompter.boxes[5].title, std::string("生成完毕"));
  QCOMPARE(pollingAtBox, (std::vector<bool>{true, false, false, false, false, false, false}));
  for (const char* timer : {"Time_Chr", "Timer2", "Timer3"}) QVERIFY2(h.timer(timer)->isActive(), timer);

  h.prompter.boxes.clear();
  pollingAtBox.clear();
  h.action("建议报告")->trigger();
  QCOMPARE(h.clipboard.text, std::string("Pell，您好！\r\n您的“LumivoxV4”\r\n经我的使用，提出我的意见/建议\r\n"
                                         "下面是我对建议的描述：\r\n『』\r\n此致\r\n如有回复，请联系我：\r\nThe Ider by "));
  QCOMPARE(pollingAtBox, (std::vector<bool>{true, false, false, false, false, false}));
  QVERIFY(h.timer("Time_Chr")->isActive());
}

void InfoWindowsTest::reportWithRefusedClipboardStillLeavesDebugMode() {
  Harness h;
  h.clipboard.refuseSet = true;
  h.action("错误报告")->trigger();
  QCOMPARE(h.prompter.boxes.size(), std::size_t{7});
  QCOMPARE(h.prompter.boxes[5].text, std::string("报告失败！"));
  QCOMPARE(h.prompter.boxes[5].title, std::string("出错了"));
  QCOMPARE(h.prompter.boxes[6].title, std::string("Debug"));
  for (const char* timer : {"Time_Chr", "Timer2", "Timer3"}) QVERIFY2(h.timer(timer)->isActive(), timer);
}

void InfoWindowsTest::helpIsModalWithItsText() {
  Harness h;
  h.window->show();
  for (bool pressOnText : {false, true}) {
    QString title, text, button;
    bool modal = false, closed = false;
    QTimer::singleShot(0, [&] {
      auto* help = qobject_cast<QDialog*>(QApplication::activeModalWidget());
      if (!help || help->objectName() != u("Help")) return;
      modal = help->isModal();
      title = help->windowTitle();
      auto* box = help->findChild<QPlainTextEdit*>(u("Text1"));
      text = box->toPlainText();
      button = help->findChild<QPushButton*>(u("Command1"))->text();
      // Enter presses the button even from the text box.
      QTest::keyClick(pressOnText ? static_cast<QWidget*>(box) : help, pressOnText ? Qt::Key_Return : Qt::Key_Escape);
      closed = !help->isVisible();
    });
    h.action("使用帮助")->trigger();  // returns once the window is closed
    QVERIFY(modal);
    QVERIFY(closed);
    QCOMPARE(title, u("使用帮助"));
    QCOMPARE(button, u("明白了"));
    QString expected = QString::fromStdString(helpText());
    QCOMPARE(text, expected.replace(u("\r\n"), u("\n")));
  }
}

void InfoWindowsTest::counterPageLoadsAndTheTimerStops() {
  Harness h;
  // Start-up has just ended: its message first, the page still loading.
  QCOMPARE(h.status(), u(kReadyText));
  QTimer* timer = h.timer("UserNumberTi");
  fire(timer);
  QCOMPARE(h.status(), u("正在获取您的相关信息..."));
  QVERIFY(timer->isActive());

  QTRY_VERIFY(!timer->isActive());
  QCOMPARE(h.status(), u("获取完毕...待命中..."));
  QCOMPARE(h.window->findChild<QLabel*>(u("UserNumberBrowser"))->text(), u("1024"));
}

void InfoWindowsTest::counterPageMissingOrBroken() {
  std::string binary;
  for (int i = 0; i < 20000; ++i) binary += static_cast<char>((i * 131 + 7) % 256);
  const std::pair<const char*, std::string> pages[] = {
      {"missing", ""},
      {"binary", binary},
      {"not valid HTML", utf8ToGbk("<html><body><table><tr><td><p>第<b>7</i><img src=\"/dev/zero\"><a href=x")},
      {"a folder", ""},
  };
  for (const auto& [kind, bytes] : pages) {
    Harness h([&, kind = std::string(kind), bytes = bytes](const std::filesystem::path& data) {
      const auto page = data / "GoUserNumberFiles.ED63rd";
      std::filesystem::remove(page);
      if (kind == "a folder") std::filesystem::create_directory(page);
      if (kind != "missing" && kind != "a folder") writeBytes(page, bytes);
    });
    QTRY_VERIFY2(!h.timer("UserNumberTi")->isActive(), kind);
    QCOMPARE(h.status(), u("获取完毕...待命中..."));
    QVERIFY(h.prompter.boxes.empty());
    const QString page = h.window->findChild<QLabel*>(u("UserNumberBrowser"))->text();
    if (kind == std::string("not valid HTML")) QVERIFY(page.contains(u("第7")));
    if (kind == std::string("missing") || kind == std::string("a folder")) QVERIFY(page.isEmpty());
  }
}

void InfoWindowsTest::failedStartupLeavesThePageUnloaded() {
  Harness h([](const std::filesystem::path& data) { std::filesystem::remove(data / "HotKeys.opi"); });
  QCOMPARE(h.prompter.boxes.size(), std::size_t{1});
  QTest::qWait(30);
  QVERIFY(!h.timer("UserNumberTi")->isActive());
  QCOMPARE(h.status(), u("待命..."));
  QVERIFY(h.window->findChild<QLabel*>(u("UserNumberBrowser"))->text().isEmpty());
}

QTEST_MAIN(InfoWindowsTest)
#include "InfoWindowsTest.moc"
