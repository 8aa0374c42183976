#include <QAction>
#include <QActionGroup>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QTimer>
#include <QtTest>

#include "qt/IndexWindow.h"
#include "dialogue/Startup.h"
#include "dialogue/Hotkeys.h"
#include "dialogue/KeyPoll.h"
#include "platform/TextCodec.h"
#include "support/Files.h"
#include "support/IndexHarness.h"

using namespace lumivox;

using Harness = IndexHarness;

class IndexWindowTest : public QObject {
  Q_OBJECT
 private slots:
  void layoutNamesTextsAndTimers();
  void menuTree();
  void closeQuestion();
  void ownFocusPausesAndResumesPolling();
  void keyPressesAdvanceTheDialogue();
  void pathFieldsAreCurrentAtEveryTick();
  void badLibraries_data();
  void badLibraries();
};

void IndexWindowTest::layoutNamesTextsAndTimers() {
  Harness h;
  IndexWindow& w = h.open();
  QCOMPARE(w.objectName(), u("Index"));
  QCOMPARE(w.windowTitle(), u("Lumivox"));
  QVERIFY(h.text("对话内容").startsWith(u("『欢迎使用“Lumivox”。")));
  QVERIFY(h.text("对话内容").endsWith(u("  谢谢～』按您设置的键继续～[默认为空格]")));
  const std::pair<const char*, const char*> labels[] = {
      {"Label1", "状态："}, {"Label2", "0"}, {"Label3", "100"}, {"Label4", "您目前位于已经分离对话的约"},
      {"BFB", "0"}, {"Label5", "%处。"}, {"Label6", "单击文本  [记忆之门可能要选择内容]"}, {"Label7", "主线剧情"},
      {"Label8", "记忆之门"}, {"Label9", "隐藏该部分"}, {"Label10", "恭喜！您是第"}, {"Label11", "位使用软件的人～ "}};
  for (const auto& [name, text] : labels) QCOMPARE(h.text(name), u(text));
  for (const char* name : {"Frame1", "Frame2", "Frame3", "Line1", "Line2", "Bar1", "UserNumberBrowser"})
    QVERIFY2(w.findChild<QWidget*>(u(name)), name);
  QCOMPARE(w.findChild<QLineEdit*>(u("Text1"))->text(), u("1"));
  QCOMPARE(w.findChild<QLineEdit*>(u("Text3"))->text(), u("1"));
  QVERIFY(!w.findChild<QLineEdit*>(u("Dirurl"))->isVisibleTo(&w));

  // Start-up has just switched UserNumberTi on for the counter page.
  const std::tuple<const char*, int, bool> timers[] = {
      {"Time_Chr", 20, true}, {"Timer2", 1, true}, {"Timer3", 30000, true}, {"UserNumberTi", 5, true}};
  for (const auto& [name, interval, active] : timers) {
    auto* timer = w.findChild<QObject*>(u(name));
    QVERIFY2(timer, name);
    QCOMPARE(timer->property("interval").toInt(), interval);
    QCOMPARE(timer->property("active").toBool(), active);
  }
  // Timer1 has no action: it is only switched, and never wakes the program.
  QVERIFY(w.controller().timerOn(lumivox::TimerId::Timer1));
  QVERIFY(!w.findChild<QObject*>(u("Timer1")));
}

void IndexWindowTest::menuTree() {
  Harness h;
  IndexWindow& w = h.open();
  const std::pair<const char*, const char*> menus[] = {
      {"程序设置", "程序(&O)"}, {"对话", "对话(&T)"}, {"记忆之门", "记忆之门(&R)"}, {"星之扉", "星之扉(&S)"},
      {"月之扉", "月之扉(&M)"}, {"月之扉1", "月之扉1"}, {"太阳之扉", "太阳之扉(&S)"}, {"保存", "保存(&S)"},
      {"主线对话内容", "主线对话内容(&I)"}, {"记忆之门对话内容", "记忆之门对话内容(&D)"}, {"帮助", "帮助(&H)"},
      {"发送报告", "发送报告(&S)"}, {"窗口", "窗口(&W)"}, {"透明度", "透明度(&O)"}};
  for (const auto& [name, caption] : menus) {
    auto* menu = w.findChild<QMenu*>(u(name));
    QVERIFY2(menu, name);
    QCOMPARE(menu->title(), u(caption));
  }
  QCOMPARE(h.action("退出")->text(), u("退出(&E)"));
  QCOMPARE(h.action("退出")->shortcut(), QKeySequence(Qt::Key_Delete));
  QVERIFY(h.action("退出")->isEnabled());
  QCOMPARE(h.action("返回对话10")->text(), u("返回对话*10(&V)"));
  QCOMPARE(h.action("返回对话10")->shortcut(), QKeySequence(u("Ctrl+V")));
  QCOMPARE(h.action("载入上次保存的对话2")->shortcut(), QKeySequence(u("Ctrl+Z")));
  QCOMPARE(h.action("保存当前的对话进度2")->shortcut(), QKeySequence(u("Ctrl+M")));
  QCOMPARE(h.action("初次进入YUE1")->text(), u("初次进入"));
  QCOMPARE(h.action("星之扉12")->text(), u("星之扉12"));
  QCOMPARE(h.action("太阳之扉5")->text(), u("太阳之扉5"));
  QCOMPARE(w.findChild<QMenu*>(u("星之扉"))->actions().size(), 15);
  QVERIFY(h.action("暂停计数")->isCheckable() && !h.action("暂停计数")->actionGroup());
  QVERIFY(h.action("透明度85")->actionGroup()->isExclusive());
  QCOMPARE(h.action("透明度85")->actionGroup(), h.action("透明度55")->actionGroup());
  w.setCommandChecked(lumivox::CommandId::Opacity70, true);
  QVERIFY(h.action("透明度70")->isChecked());
  for (const char* off : {"显示主支线对话选择", "Debug模式", "退出Debug模式", "载入上次保存的对话", "保存当前的对话进度",
                          "载入自动存档的对话", "载入上次保存的对话2", "保存当前的对话进度2", "载入自动存档的对话2"})
    QVERIFY2(!h.action(off)->isEnabled(), off);
}

void IndexWindowTest::closeQuestion() {
  Harness h;
  IndexWindow& w = h.open();
  w.show();
  h.prompter.answers = {false};
  QVERIFY(!w.close());
  QVERIFY(w.isVisible());
  QCOMPARE(h.endCalls, 0);
  QCOMPARE(h.prompter.boxes.back().text, std::string("您是否要退出软件？而不保存现在进行的对话进度？"));
  QCOMPARE(h.prompter.boxes.back().title, std::string("退出确认"));
  QVERIFY(h.prompter.boxes.back().buttons == Prompter::Buttons::YesNo);
  QVERIFY(h.prompter.boxes.back().icon == Prompter::Icon::Question);
  QVERIFY(h.timer("Time_Chr")->isActive());
  QVERIFY(h.timer("Timer3")->isActive());

  h.prompter.answers = {true};
  QVERIFY(w.close());
  QCOMPARE(h.endCalls, 1);
}

void IndexWindowTest::ownFocusPausesAndResumesPolling() {
  Harness h;
  IndexWindow& w = h.open();
  QFocusEvent activation(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
  QApplication::sendEvent(&w, &activation);
  QVERIFY(h.timer("Time_Chr")->isActive());  // going over to the game never pauses

  QFocusEvent out(QEvent::FocusOut, Qt::OtherFocusReason);
  QApplication::sendEvent(&w, &out);
  QVERIFY(!h.timer("Time_Chr")->isActive());
  QVERIFY(!h.timer("Timer2")->isActive());
  QCOMPARE(h.text("状态提示"), u("程序失去焦点，停止判断按键。"));
  h.keys.press(vk::Space);  // made while paused: never counted

  QFocusEvent in(QEvent::FocusIn, Qt::OtherFocusReason);
  QApplication::sendEvent(&w, &in);
  QVERIFY(h.timer("Time_Chr")->isActive());
  QVERIFY(h.timer("Timer2")->isActive());
  QCOMPARE(h.text("状态提示"), u("程序获得焦点，重新开始判断按键。"));
  QTest::qWait(60);
  QCOMPARE(w.controller().state().mainLineNumber, 0);
  h.keys.press(vk::Space);
  QTRY_COMPARE(w.controller().state().mainLineNumber, 1);
}

void IndexWindowTest::keyPressesAdvanceTheDialogue() {
  Harness h;
  IndexWindow& w = h.open();
  QTest::qWait(30);
  for (int i = 0; i < 3; ++i) {
    h.keys.press(vk::Space);
    QTRY_COMPARE(w.controller().state().mainLineNumber, i + 1);
  }
  QVERIFY(h.text("对话内容").startsWith(u("林岚：")));
  QCOMPARE(h.text("状态提示"), u("确认用户跳过对话。对话数：2"));
  QCOMPARE(h.text("BFB"), u("4"));  // 2 of 48 lines
  const QProgressBar* bar = w.findChild<QProgressBar*>(u("Bar1"));
  QVERIFY(qAbs(bar->value() * 48.0 / bar->maximum() - 2) < 0.01);
  QVERIFY(w.findChild<QLineEdit*>(u("Dirurl"))->text().endsWith(u("/Data/Quorra.data")));
  QVERIFY(h.action("保存当前的对话进度")->isEnabled());
  QVERIFY(!h.action("保存当前的对话进度2")->isEnabled());  // the door track has not advanced
}

// The poll skips rewriting unchanged paths, yet the fields follow a change
// of folder.
void IndexWindowTest::pathFieldsAreCurrentAtEveryTick() {
  Harness h;
  IndexWindow& w = h.open();
  auto* mainPath = w.findChild<QLineEdit*>(u("Dirurl"));
  auto* doorPath = w.findChild<QLineEdit*>(u("Dirurl2"));
  QTRY_VERIFY(mainPath->text().endsWith(u("/Data/Quorra.data")));
  QVERIFY(doorPath->text().endsWith(u("/Data/Door.data")));
  const QString before = mainPath->text();

  std::filesystem::create_directory("inner");
  std::filesystem::current_path("inner");
  QTRY_COMPARE(mainPath->text(), QString::fromStdString(std::filesystem::current_path().string() + "/Data/Quorra.data"));
  std::filesystem::current_path("..");
  QTRY_COMPARE(mainPath->text(), before);
}

void IndexWindowTest::badLibraries_data() {
  QTest::addColumn<QByteArray>("library");
  QTest::addColumn<QString>("firstLine");
  QTest::addColumn<QString>("secondLine");
  QTest::addColumn<float>("maximum");
  // About 100 MB: roughly 800 000 lines of 60 two-byte characters.
  const std::string wide = utf8ToGbk("这是一行很长的测试对话，用来确认一个巨大的对话库不会让窗口卡住或者崩溃。");
  std::string large = "[TextNumber]\r\nTextNumber=800000\r\n[Quorra]\r\n";
  large.reserve(105u * 1024 * 1024);
  for (int i = 0; large.size() < 100u * 1024 * 1024; ++i) large += std::to_string(i) + "=" + wide + wide + "\r\n";
  const QString wideLine = QString::fromStdString(gbkToUtf8(wide + wide));
  QTest::newRow("100 MB") << QByteArray::fromStdString(large) << wideLine << wideLine << 800000.0f;
}

void IndexWindowTest::badLibraries() {
  QFETCH(QByteArray, library);
  QFETCH(QString, firstLine);
  QFETCH(QString, secondLine);
  QFETCH(float, maximum);
  Harness h;
  writeBytes(h.dir.dataDir() / "Quorra.data", library.toStdString());
  IndexWindow& w = h.open();
  QTRY_COMPARE(w.controller().barMaximum(), maximum);
  h.keys.press(vk::Space);
  QTRY_COMPARE(w.controller().state().mainLineNumber, 1);
  QCOMPARE(h.text("对话内容"), firstLine);
  h.keys.press(vk::Space);
  QTRY_COMPARE(w.controller().state().mainLineNumber, 2);
  QCOMPARE(h.text("对话内容"), secondLine);
  QCOMPARE(h.text("状态提示"), u("确认用户跳过对话。对话数：1"));
  QVERIFY(h.prompter.boxes.empty());
}

QTEST_MAIN(IndexWindowTest)
#include "IndexWindowTest.moc"
