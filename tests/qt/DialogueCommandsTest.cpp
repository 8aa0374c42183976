#include <QAction>
#include <QButtonGroup>
#include <QGroupBox>
#include <QKeySequenceEdit>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>

#include "qt/IndexWindow.h"
#include "common/Paths.h"
#include "dialogue/DataFiles.h"
#include "dialogue/HotkeySetup.h"
#include "dialogue/Hotkeys.h"
#include "dialogue/KeyCombo.h"
#include "library/LookupLine.h"
#include "dialogue/Tracks.h"
#include "support/Files.h"
#include "support/IndexHarness.h"

using namespace lumivox;
using Box = ScriptedPrompter::Box;

namespace {

// The main window loaded, the boxes of its start-up forgotten.
struct Harness : IndexHarness {
  Harness() {
    open();
    prompter.boxes.clear();
  }

  std::vector<Box>& boxes() { return prompter.boxes; }

  // One press of Space, seen by the next poll tick.
  void advance(std::int32_t& counter) {
    const std::int32_t before = counter;
    pollTick();
    keys.press(vk::Space);
    QTRY_COMPARE(counter, before + 1);
  }
};

}  // namespace

class DialogueCommandsTest : public QObject {
  Q_OBJECT
 private slots:
  void mainStoryLabelReachesTheController();
  void everyDoorItemEntersItsDoor();
  void gateLabelPopsUpTheDoorMenuForAnyButton();
  void collapseAndExpandKeepEverything();
  void hotkeyWindowLayout();
  void hotkeyWindowApplyWritesTheTokenOnly();
  void hotkeyWindowCancelCloseEnterAndEscWriteNothing();
  void hotkeyWindowWithoutDataFolderStaysOpen();
};

// What the labels and door items do, and which button a label answers, is
// the controller's; here only that they reach it.
void DialogueCommandsTest::mainStoryLabelReachesTheController() {
  Harness h;
  h.action("星之扉1")->trigger();
  h.prompter.answers = {true};
  QTest::mouseClick(h.label("Label7"), Qt::LeftButton);
  QCOMPARE(h.boxes().size(), std::size_t{2});
  QCOMPARE(h.boxes()[0].text, std::string(kSwitchQuestionText));
  QCOMPARE(h.state().activeTrack, std::string("IndexText"));
}

void DialogueCommandsTest::everyDoorItemEntersItsDoor() {
  Harness h;
  for (std::string_view door : doorEntryItems()) {
    QAction* item = h.action(door);
    QVERIFY2(item && item->isEnabled(), door.data());
    h.state().activeTrack = "IndexText";
    item->trigger();
    QCOMPARE(h.state().activeTrack, std::string("InDoor"));
  }
  QCOMPARE(h.action("星之扉12")->text(), u("星之扉12"));
  QCOMPARE(h.action("初次进入YUE1")->text(), u("初次进入"));
  QCOMPARE(h.action("再次进入YUE1")->text(), u("再次进入"));
}

void DialogueCommandsTest::gateLabelPopsUpTheDoorMenuForAnyButton() {
  Harness h;
  h.window->show();
  QVERIFY(QTest::qWaitForWindowExposed(h.window.get()));
  QLabel* gate = h.label("Label8");
  auto* menu = h.window->findChild<QMenu*>(u("记忆之门"));
  const QPoint at(5, 6);
  for (Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton, Qt::LeftButton}) {
    QVERIFY(!menu->isVisible());
    QTest::mousePress(gate, button, {}, at);
    QVERIFY(!menu->isVisible());  // on the release, not the press
    QTest::mouseRelease(gate, button, {}, at);
    QVERIFY2(menu->isVisible(), qPrintable(QString::number(button)));
    QCOMPARE(menu->pos(), gate->mapToGlobal(at));
    QCOMPARE(menu->actions().size(), 3);  // 星之扉, 月之扉, 太阳之扉
    menu->hide();
  }
  // Pressed on the label, released elsewhere: nothing.
  QTest::mousePress(gate, Qt::LeftButton, {}, at);
  QTest::mouseRelease(gate, Qt::LeftButton, {}, QPoint(-30, at.y()));
  QVERIFY(!menu->isVisible());
  QCOMPARE(h.state().activeTrack, std::string("IndexText"));
}

void DialogueCommandsTest::collapseAndExpandKeepEverything() {
  Harness h;
  h.window->show();
  QVERIFY(QTest::qWaitForWindowExposed(h.window.get()));
  h.advance(h.state().mainLineNumber);
  h.action("月之扉4")->trigger();
  h.advance(h.state().doorLineNumber);
  QTRY_VERIFY(!h.timer("Timer2")->isActive());
  QAction* expand = h.action("显示主支线对话选择");
  QVERIFY(!expand->isEnabled());

  const DialogueState before = h.state();
  const QStringList texts = {h.text("对话内容"), h.text("状态提示"), h.text("BFB")};
  auto timers = [&] {
    return QList<bool>{h.timer("Time_Chr")->isActive(), h.timer("Timer2")->isActive(), h.timer("Timer3")->isActive()};
  };
  const auto timersBefore = timers();
  auto unchanged = [&] {
    QCOMPARE(h.state().mainLineNumber, before.mainLineNumber);
    QCOMPARE(h.state().doorLineNumber, before.doorLineNumber);
    QCOMPARE(h.state().mainLineKey, before.mainLineKey);
    QCOMPARE(h.state().doorLineKey, before.doorLineKey);
    QCOMPARE(h.state().activeTrack, before.activeTrack);
    QCOMPARE((QStringList{h.text("对话内容"), h.text("状态提示"), h.text("BFB")}), texts);
    QCOMPARE(timers(), timersBefore);
  };

  // Which controls show is the controller's; here that the window follows it.
  auto shown = [&](const char* name) { return h.window->findChild<QWidget*>(u(name))->isVisibleTo(h.window.get()); };
  for (int round = 0; round < 3; ++round) {
    QTest::mouseClick(h.label("Label9"), Qt::LeftButton);
    QCOMPARE(h.window->frameGeometry().height(), 349);  // 5235 twips
    QVERIFY(expand->isEnabled());
    QVERIFY(!shown("Frame3") && !shown("UserNumberBrowser") && shown("Frame2"));
    unchanged();
    expand->trigger();
    QCOMPARE(h.window->frameGeometry().height(), 473);  // 7100 twips
    QVERIFY(!expand->isEnabled());
    QVERIFY(shown("Frame3") && shown("UserNumberBrowser") && !shown("Dirurl"));
    unchanged();
  }
  QCOMPARE(h.window->width(), 237);
  QVERIFY(h.boxes().empty());
}

namespace {
QWidget* hotkeyWindow(const Harness& h) { return h.window->findChild<QWidget*>(u("HotkeysSetup")); }
template <typename T>
T* in(QWidget* window, const char* name) {
  return window->findChild<T*>(u(name));
}
}  // namespace

void DialogueCommandsTest::hotkeyWindowLayout() {
  Harness h;
  QVERIFY(!hotkeyWindow(h));
  h.action("切换按键设置")->trigger();
  QWidget* w = hotkeyWindow(h);
  QVERIFY(w && w->isVisible() && w->isWindow());
  QCOMPARE(w->windowTitle(), u("热键设置"));
  QCOMPARE(w->windowModality(), Qt::ApplicationModal);
  // 3285 by 7200 twips, and taller by what Label1's lines need in the platform's font.
  QCOMPARE(w->width(), 219);
  auto* label1 = in<QLabel>(w, "Label1");
  QCOMPARE(w->height(), 480 + std::max(0, label1->heightForWidth(label1->width()) - 73));
  QCOMPARE(w->minimumSize(), w->maximumSize());
  QCOMPARE(w->focusWidget(), in<QRadioButton>(w, "Option1"));
  QVERIFY(in<QLabel>(w, "Label1")->text().startsWith(u("    本系统允许您定义自己的『对话切换热键』。")));
  QCOMPARE(in<QGroupBox>(w, "Frame1")->title(), u("定义热键项[不允许添加新的]"));
  const char* captions[] = {"空格(默认)", "回车", "ESC(不建议使用)", "Shift(不建议使用)", "Ctrl", "Alt", "Tab"};
  for (int row = 0; row < 7; ++row) {
    auto* option = in<QRadioButton>(w, ("Option" + std::to_string(row + 1)).c_str());
    QVERIFY(option);
    QCOMPARE(option->text(), u(captions[row]));
    QCOMPARE(option->isChecked(), row == 0);
    QCOMPARE(option->parentWidget()->objectName(), u("Frame1"));
  }
  QCOMPARE(in<QRadioButton>(w, "Option5")->height(), 25);
  in<QRadioButton>(w, "Option6")->click();
  QVERIFY(!in<QRadioButton>(w, "Option1")->isChecked());  // one group
  for (const auto& [name, caption] : {std::pair{"Command1", "应用新设置"}, std::pair{"Command2", "取消"}}) {
    auto* button = in<QPushButton>(w, name);
    QCOMPARE(button->text(), u(caption));
    QVERIFY(!button->isDefault() && !button->autoDefault());
  }
  // The player keys in use, each with a button that sets none.
  QCOMPARE(in<QGroupBox>(w, "Frame2")->title(), u("游戏中的按键[立即生效]"));
  QCOMPARE(in<QLabel>(w, "KeyLabel4")->text(), u("对话列表"));
  auto* pause = in<QKeySequenceEdit>(w, "Key1");
  QCOMPARE(pause->keySequence().toString(), u("Pause"));
  QCOMPARE(in<QKeySequenceEdit>(w, "Key2")->keySequence().toString(), u("Ctrl+Alt+PgUp"));
  in<QPushButton>(w, "KeyNone1")->click();
  QVERIFY(pause->keySequence().isEmpty());
  w->close();
  QTRY_VERIFY(!hotkeyWindow(h));

  // A fresh window each time, with the first option selected again.
  h.action("切换按键设置")->trigger();
  QVERIFY(in<QRadioButton>(hotkeyWindow(h), "Option1")->isChecked());
}

void DialogueCommandsTest::hotkeyWindowApplyWritesTheTokenOnly() {
  Harness h;
  const std::string token = h.state().hotkeyToken;
  h.action("切换按键设置")->trigger();
  QPointer<QWidget> w = hotkeyWindow(h);
  in<QRadioButton>(w, "Option2")->click();
  in<QKeySequenceEdit>(w, "Key2")->setKeySequence(QKeySequence(u("Ctrl+Shift+F9")));
  bool openBehindTheBox = false;
  h.prompter.onBox = [&](const Box&) { openBehindTheBox = w && w->isVisible(); };
  QTest::mouseClick(in<QPushButton>(w, "Command1"), Qt::LeftButton);
  QCOMPARE(readBytes(h.dir.dataDir() / "HotKeys.opi"), std::string("B2C3D-4E5F6-A7B8C-9D0E1-F2A3B\r\n"));
  QCOMPARE(h.boxes().size(), std::size_t{1});
  QCOMPARE(h.boxes()[0].text, std::string(kHotkeySavedText));
  QCOMPARE(h.boxes()[0].title, std::string("恭喜"));
  QVERIFY(openBehindTheBox);
  QTRY_VERIFY(!w);
  QCOMPARE(h.state().hotkeyToken, token);  // the running program keeps its key
  QCOMPARE(formatKeyCombo(h.window->controller().playerKeys()[1]), std::string("Ctrl+Shift+F9"));  // but not these
  h.advance(h.state().mainLineNumber);
}

void DialogueCommandsTest::hotkeyWindowCancelCloseEnterAndEscWriteNothing() {
  Harness h;
  const std::string before = readBytes(h.dir.dataDir() / "HotKeys.opi");
  for (int way = 0; way < 2; ++way) {
    h.action("切换按键设置")->trigger();
    QPointer<QWidget> w = hotkeyWindow(h);
    in<QRadioButton>(w, "Option7")->click();
    // Neither button is the default or the cancel button.
    for (QWidget* target : {static_cast<QWidget*>(w), static_cast<QWidget*>(in<QRadioButton>(w, "Option7")),
                            static_cast<QWidget*>(in<QPushButton>(w, "Command2"))}) {
      QTest::keyClick(target, Qt::Key_Return);
      QTest::keyClick(target, Qt::Key_Enter);
      QTest::keyClick(target, Qt::Key_Escape);
    }
    QVERIFY(w && w->isVisible());
    if (way == 0) QTest::mouseClick(in<QPushButton>(w, "Command2"), Qt::LeftButton);
    else w->close();  // the close box
    QTRY_VERIFY(!w);
  }
  QCOMPARE(readBytes(h.dir.dataDir() / "HotKeys.opi"), before);
  QVERIFY(h.boxes().empty());
}

void DialogueCommandsTest::hotkeyWindowWithoutDataFolderStaysOpen() {
  Harness h;
  std::filesystem::remove_all(h.dir.dataDir());
  h.action("切换按键设置")->trigger();
  QPointer<QWidget> w = hotkeyWindow(h);
  in<QRadioButton>(w, "Option3")->click();
  QTest::mouseClick(in<QPushButton>(w, "Command1"), Qt::LeftButton);
  QCOMPARE(h.boxes().size(), std::size_t{1});
  QCOMPARE(h.boxes()[0].text, std::string(kHotkeyWriteFailedText));
  QCOMPARE(h.boxes()[0].title, std::string("发生错误"));
  QVERIFY(h.boxes()[0].icon == Prompter::Icon::Critical);
  QTest::qWait(20);
  QVERIFY(w && w->isVisible());
  QVERIFY(in<QRadioButton>(w, "Option3")->isChecked());
  QVERIFY(!std::filesystem::exists(h.dir.dataDir()));
  QTest::mouseClick(in<QPushButton>(w, "Command2"), Qt::LeftButton);
  QTRY_VERIFY(!w);
}

QTEST_MAIN(DialogueCommandsTest)
#include "DialogueCommandsTest.moc"
