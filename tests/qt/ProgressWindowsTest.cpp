#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "qt/IndexWindow.h"
#include "dialogue/Hotkeys.h"
#include "library/LookupLine.h"
#include "progress/AutoSave.h"
#include "progress/ProgressFile.h"
#include "progress/ProgressTracks.h"
#include "support/Files.h"
#include "support/IndexHarness.h"

using namespace lumivox;

namespace {

// The main window loaded, its first poll ticks done.
struct Harness : IndexHarness {
  Harness() {
    open();
    // The first tick fills the library paths; on a busy machine it comes late.
    QTRY_VERIFY(!window->controller().mainLibraryPath().empty());
  }
  ~Harness() {
    window.reset();
    QApplication::processEvents();  // windows the main window took with it are gone
  }

  IndexWindow& w() { return *window; }
  QString field(const char* name) const { return window->findChild<QLineEdit*>(u(name))->text(); }
  QTimer* timer3() const { return timer("Timer3"); }
  void tick3() { QMetaObject::invokeMethod(timer3(), "timeout"); }
  void press() {
    const int before = state().counter(state().track());
    pollTick();
    keys.press(vk::Space);
    QTRY_VERIFY(state().counter(state().track()) != before);
  }
  std::string mainLine(const std::string& key) const {
    return LookupLine(window->controller().mainLibraryPath(), "Quorra", key, "<none>");
  }
  std::string data(const char* name) const { return readBytes(dir.dataDir() / name); }
};

QDialog* openWindow(const char* name) {
  for (QWidget* top : QApplication::topLevelWidgets())
    if (top->objectName() == u(name) && top->isVisible()) return qobject_cast<QDialog*>(top);
  return nullptr;
}

QWidget* nextTabStop(QWidget* from) {
  QWidget* next = from->nextInFocusChain();
  while (next != from && !(next->focusPolicy() & Qt::TabFocus)) next = next->nextInFocusChain();
  return next;
}

void typeAndConfirm(QDialog* dialog, const QString& text) {
  auto* field = dialog->findChild<QLineEdit*>(u("Text1"));
  field->setText(text);
  QTest::mouseClick(dialog->findChild<QPushButton*>(u("Command1")), Qt::LeftButton);
}

}  // namespace

class ProgressWindowsTest : public QObject {
  Q_OBJECT
 private slots:
  void itemsEnabledAsStated();
  void stepItemsOnTheActiveTrack();
  void newProgressItem();
  void jumpWindow();
  void jumpThenSaveBeforeTheNextAdvance();
  void saveAndLoadItemsOfBothTracks();
  void autoSaveWindowWritesThenFails();
  void autoSaveIntervalZeroStopsTheTicks();
  void timer3TicksSaveTheActiveTrack();
};

void ProgressWindowsTest::itemsEnabledAsStated() {
  Harness h;
  for (const char* on : {"返回对话1", "返回对话10", "快进对话1", "快进对话10", "新建对话进度", "对话进程设置", "保存设置系统"})
    QVERIFY2(h.action(on)->isEnabled(), on);
  const char* saveItems[] = {"载入上次保存的对话", "保存当前的对话进度", "载入自动存档的对话",
                             "载入上次保存的对话2", "保存当前的对话进度2", "载入自动存档的对话2"};
  for (const char* off : saveItems) QVERIFY2(!h.action(off)->isEnabled(), off);
  h.press();
  for (int i = 0; i < 3; ++i) QVERIFY2(h.action(saveItems[i])->isEnabled(), saveItems[i]);
  for (int i = 3; i < 6; ++i) QVERIFY2(!h.action(saveItems[i])->isEnabled(), saveItems[i]);
  h.state().activeTrack = "InDoor";
  h.press();
  for (const char* item : saveItems) QVERIFY2(h.action(item)->isEnabled(), item);
  QCOMPARE(h.action("返回对话1")->shortcut(), QKeySequence(u("Ctrl+B")));
  QCOMPARE(h.action("快进对话1")->shortcut(), QKeySequence(u("Ctrl+G")));
  QCOMPARE(h.action("快进对话10")->shortcut(), QKeySequence(u("Ctrl+H")));
  QCOMPARE(h.action("载入上次保存的对话")->shortcut(), QKeySequence(u("Ctrl+L")));
  QCOMPARE(h.action("保存当前的对话进度")->shortcut(), QKeySequence(u("Ctrl+S")));
}

void ProgressWindowsTest::stepItemsOnTheActiveTrack() {
  Harness h;
  for (int i = 0; i < 4; ++i) h.press();  // line 3 shown, counter 4
  h.action("返回对话1")->trigger();
  QCOMPARE(h.text("状态提示"), u("已成功将对话往前一个屏幕。对话数：4"));
  QCOMPARE(h.text("对话内容").toStdString(), h.mainLine("4"));
  QCOMPARE(h.state().mainLineNumber, 3);
  h.action("快进对话10")->trigger();
  QCOMPARE(h.state().mainLineNumber, 13);
  QCOMPARE(h.state().mainLineKey, std::string("3"));

  h.state().activeTrack = "InDoor";
  h.action("返回对话10")->trigger();
  QCOMPARE(h.state().doorLineNumber, -10);
  QCOMPARE(h.text("对话内容").toStdString(), LookupLine(h.w().controller().doorLibraryPath(), "Door", "0", ""));
  QCOMPARE(h.state().mainLineNumber, 13);
  QVERIFY(h.prompter.boxes.empty());
}

void ProgressWindowsTest::newProgressItem() {
  Harness h;
  for (int i = 0; i < 3; ++i) h.press();
  const QString shown = h.text("对话内容");
  h.prompter.answers = {false, true};
  h.action("新建对话进度")->trigger();
  QCOMPARE(h.state().mainLineNumber, 3);
  h.action("新建对话进度")->trigger();
  QCOMPARE(h.prompter.boxes.back().title, std::string("新建确认"));
  QCOMPARE(h.state().mainLineNumber, 0);
  QCOMPARE(h.state().mainLineKey, std::string("0"));
  QCOMPARE(h.text("对话内容"), shown);
  h.press();
  QCOMPARE(h.text("对话内容").toStdString(), h.mainLine("0"));
}

void ProgressWindowsTest::jumpWindow() {
  Harness h;
  h.action("对话进程设置")->trigger();
  QPointer<QDialog> dialog = openWindow("TextNO");
  QVERIFY(dialog);
  QVERIFY(dialog->isModal());
  QVERIFY(!dialog->parent());
  QCOMPARE(dialog->windowTitle(), u("对话进度设置"));
  QCOMPARE(dialog->findChild<QLabel*>(u("Label2"))->text(), u("跳至对话"));
  QVERIFY(dialog->findChild<QLabel*>(u("Label1"))->text().startsWith(u("    哦？发生意外了？")));
  QVERIFY(dialog->findChild<QLabel*>(u("Label1"))->text().endsWith(u("(只对主线对话有效)")));
  QCOMPARE(dialog->findChild<QLabel*>(u("Label4"))->text(), u("第"));
  QCOMPARE(dialog->findChild<QLabel*>(u("Label3"))->text(), u("句"));
  QCOMPARE(dialog->findChild<QPushButton*>(u("Command1"))->text(), u("确认修改"));
  QCOMPARE(dialog->findChild<QLineEdit*>(u("Text1"))->text(), u("1"));
  QCOMPARE(nextTabStop(dialog->findChild<QLineEdit*>(u("Text1"))), dialog->findChild<QPushButton*>(u("Command1")));
  QVERIFY(dialog->findChild<QGroupBox*>(u("Frame1"))->title().isEmpty());
  // Text1 has the focus; the window has no default or cancel button.
  QCOMPARE(dialog->focusWidget(), dialog->findChild<QLineEdit*>(u("Text1")));
  for (Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) QTest::keyClick(dialog->focusWidget(), key);
  QVERIFY(dialog && dialog->isVisible());
  QVERIFY(h.prompter.boxes.empty());

  for (const char* bad : {"", "abc", "2147483648", "１２"}) {
    typeAndConfirm(dialog, u(bad));
    QCOMPARE(h.prompter.boxes.back().text, std::string("无法解析输入数据。。。请重试！！！"));
    QVERIFY(dialog && dialog->isVisible());
    QCOMPARE(dialog->findChild<QLineEdit*>(u("Text1"))->text(), u(bad));
    QCOMPARE(h.state().mainLineNumber, 0);
  }
  h.state().activeTrack = "InDoor";
  typeAndConfirm(dialog, u(" 250 "));
  QCOMPARE(h.prompter.boxes.back().text, std::string("保存成功～按您设置的键跳转对话。[默认空格]"));
  QCOMPARE(h.state().mainLineNumber, 250);
  QCOMPARE(h.state().doorLineNumber, 0);
  QTRY_VERIFY(!dialog);  // unloaded

  h.action("对话进程设置")->trigger();
  dialog = openWindow("TextNO");
  QCOMPARE(dialog->findChild<QLineEdit*>(u("Text1"))->text(), u("1"));  // never the counter
  dialog->close();
  QTRY_VERIFY(!dialog);
  QCOMPARE(h.state().mainLineNumber, 250);
}

void ProgressWindowsTest::jumpThenSaveBeforeTheNextAdvance() {
  Harness h;
  for (int i = 0; i < 6; ++i) h.press();  // line 5 shown
  h.action("对话进程设置")->trigger();
  typeAndConfirm(openWindow("TextNO"), u("20"));
  QCOMPARE(h.text("状态提示"), u("确认用户跳过对话。对话数：5"));  // nothing on screen changes
  h.action("保存当前的对话进度")->trigger();
  QCOMPARE(h.data("Save.sav"), std::string("5\r\n"));
  h.press();
  QCOMPARE(h.text("对话内容").toStdString(), h.mainLine("20"));
  QCOMPARE(h.state().mainLineNumber, 21);
}

void ProgressWindowsTest::saveAndLoadItemsOfBothTracks() {
  Harness h;
  for (int i = 0; i < 8; ++i) h.press();  // line 7
  h.action("保存当前的对话进度")->trigger();
  QCOMPARE(h.prompter.boxes.back().text, std::string("保存当前进度成功～"));
  QCOMPARE(h.text("状态提示"), u("保存成功！"));
  QCOMPARE(h.data("Save.sav"), std::string("7\r\n"));

  h.state().activeTrack = "InDoor";
  for (int i = 0; i < 3; ++i) h.press();  // door line 2
  h.action("保存当前的对话进度2")->trigger();
  QCOMPARE(h.data("SaveForDoor.sav"), std::string("2\r\n"));

  for (int i = 0; i < 5; ++i) h.press();
  h.state().activeTrack = "IndexText";
  h.press();
  h.press();  // main line 9
  h.action("载入上次保存的对话")->trigger();
  QCOMPARE(h.state().mainLineNumber, 7);
  QCOMPARE(h.field("Text1"), u("7"));
  QCOMPARE(h.text("对话内容").toStdString(), h.mainLine("7"));
  QCOMPARE(h.text("状态提示"), u(kLoadedStatusText));
  h.action("载入上次保存的对话2")->trigger();
  QCOMPARE(h.state().doorLineNumber, 2);
  QCOMPARE(h.field("Text3"), u("2"));
  QCOMPARE(h.state().mainLineNumber, 7);
  h.press();  // the main story goes on: line 7 again
  QCOMPARE(h.text("对话内容").toStdString(), h.mainLine("7"));
  QCOMPARE(h.state().mainLineNumber, 8);

  writeBytes(h.dir.dataDir() / "AutoSave.sav", "\r\n");
  h.prompter.boxes.clear();
  h.action("载入自动存档的对话")->trigger();
  QCOMPARE(h.prompter.boxes.size(), std::size_t{1});
  QCOMPARE(h.prompter.boxes[0].text, std::string(
      "咔咔～读取失败。请到对话进程设置中重新设置对话进程并重新保存对话进程。如有问题，请将Data目录下的Quorra.Data文件发给我，"
      "我会给您提供解决方法。"));
  QCOMPARE(h.text("对话内容"), u(kLoadFallbackText));
  QCOMPARE(h.text("状态提示"), u("发生错误！"));
  QCOMPARE(h.field("Text1"), QString());
  QCOMPARE(h.state().mainLineNumber, 8);
  writeBytes(h.dir.dataDir() / "AutoSaveForDoor.sav", "4\r\n");
  h.action("载入自动存档的对话2")->trigger();
  QCOMPARE(h.state().doorLineNumber, 4);
}

void ProgressWindowsTest::autoSaveWindowWritesThenFails() {
  Harness h;
  const std::string library = h.w().controller().mainLibraryPath();
  h.action("保存设置系统")->trigger();
  QPointer<QDialog> dialog = openWindow("AutoSave");
  QVERIFY(dialog);
  QVERIFY(dialog->isModal());
  QCOMPARE(dialog->windowTitle(), u("自动保存设置"));
  QCOMPARE(dialog->findChild<QLabel*>(u("Label2"))->text(), u("对话进度自动保存时间为：(建议大于60)"));
  QCOMPARE(dialog->findChild<QLabel*>(u("Label3"))->text(), u("秒"));
  QCOMPARE(dialog->findChild<QPushButton*>(u("Command1"))->text(), u("确定设置"));
  QCOMPARE(nextTabStop(dialog->findChild<QLineEdit*>(u("Text1"))), dialog->findChild<QPushButton*>(u("Command1")));
  QCOMPARE(dialog->findChild<QLineEdit*>(u("Text1"))->text(),
           QString::fromStdString(LookupLine(library, "T", "T", "10000")));

  typeAndConfirm(dialog, u("66"));
  QCOMPARE(h.prompter.boxes.back().title, std::string("出错了"));
  QCOMPARE(LookupLine(library, "T", "T", ""), std::string("66"));
  QCOMPARE(h.timer3()->interval(), 30000);
  QVERIFY(dialog && dialog->isVisible());
  typeAndConfirm(dialog, u("letters"));
  QCOMPARE(LookupLine(library, "T", "T", ""), std::string("letters"));
  dialog->close();
  QTRY_VERIFY(!dialog);

  h.action("保存设置系统")->trigger();
  dialog = openWindow("AutoSave");
  QCOMPARE(dialog->findChild<QLineEdit*>(u("Text1"))->text(), u("letters"));
  typeAndConfirm(dialog, u("1.5"));
  QCOMPARE(h.prompter.boxes.back().text, std::string("保存成功～"));
  QCOMPARE(h.timer3()->interval(), 1500);
  QVERIFY(h.timer3()->isActive());
  QTRY_VERIFY(!dialog);

  // Another run starts at 30000 ms again; the window shows the stored text.
  Harness next;
  QCOMPARE(next.timer3()->interval(), 30000);
  QVERIFY(next.timer3()->isActive());
}

void ProgressWindowsTest::autoSaveIntervalZeroStopsTheTicks() {
  Harness h;
  h.action("保存设置系统")->trigger();
  typeAndConfirm(openWindow("AutoSave"), u("0"));
  QVERIFY(!h.timer3()->isActive());
  QCOMPARE(h.w().controller().timerInterval(TimerId::Timer3), 0);
  // Leaving debug mode or closing the show window switches it on: still no ticks.
  h.w().controller().setTimerEnabled(TimerId::Timer3, true);
  QVERIFY(!h.timer3()->isActive());
  h.w().controller().setTimerInterval(TimerId::Timer3, 2000);
  QVERIFY(h.timer3()->isActive());
  QCOMPARE(h.timer3()->interval(), 2000);
  // Switched off while it had no interval: a new interval does not start it.
  h.w().controller().setTimerInterval(TimerId::Timer3, 0);
  h.w().controller().setTimerEnabled(TimerId::Timer3, false);
  h.w().controller().setTimerInterval(TimerId::Timer3, 65535);
  QVERIFY(!h.timer3()->isActive());
  h.w().controller().setTimerEnabled(TimerId::Timer3, true);
  QVERIFY(h.timer3()->isActive());
  QCOMPARE(h.timer3()->interval(), 65535);
}

void ProgressWindowsTest::timer3TicksSaveTheActiveTrack() {
  Harness h;
  writeBytes(h.dir.dataDir() / "AutoSave.sav", "33\r\n");
  const QString status = h.text("状态提示");
  h.tick3();  // nothing shown yet in this run
  QCOMPARE(h.data("AutoSave.sav"), std::string("33\r\n"));
  QCOMPARE(h.text("状态提示"), status);

  for (int i = 0; i < 3; ++i) h.press();
  h.tick3();
  QCOMPARE(h.data("AutoSave.sav"), std::string("2\r\n"));
  QCOMPARE(h.text("状态提示"), u(kAutoSavedText));
  QVERIFY(!std::filesystem::exists(h.dir.dataDir() / "AutoSaveForDoor.sav"));

  h.state().activeTrack = "InDoor";
  h.tick3();  // the door track has shown nothing yet
  QVERIFY(!std::filesystem::exists(h.dir.dataDir() / "AutoSaveForDoor.sav"));
  h.press();
  h.tick3();
  QCOMPARE(h.data("AutoSaveForDoor.sav"), std::string("0\r\n"));
  QCOMPARE(h.data("AutoSave.sav"), std::string("2\r\n"));

  std::filesystem::remove_all(h.dir.dataDir());
  h.tick3();
  QCOMPARE(h.text("状态提示"), u(kAutoSaveFailedText));
  QVERIFY(h.prompter.boxes.empty());
  QVERIFY(!std::filesystem::exists(h.dir.dataDir()));

  // Driven by the timer itself.
  std::filesystem::create_directory(h.dir.dataDir());
  h.w().controller().setTimerInterval(TimerId::Timer3, 5);
  QTRY_COMPARE(h.data("AutoSaveForDoor.sav"), std::string("0\r\n"));
}

QTEST_MAIN(ProgressWindowsTest)
#include "ProgressWindowsTest.moc"
