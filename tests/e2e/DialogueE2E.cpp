#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QPointer>
#include <QtTest>

#include "qt/IndexWindow.h"
#include "qt/QtPrompter.h"
#include "common/Paths.h"
#include "dialogue/DataFiles.h"
#include "library/LookupLine.h"
#include "support/Files.h"
#include "support/TempWorkDir.h"
#include "support/X11Desktop.h"

using namespace lumivox;

namespace {

// Clear of the menus the tests click in.
constexpr QPoint kGameAt(600, 500);

// Message boxes as the user gets them, each answered with its default
// button by a click once it is on the screen; their texts are kept.
class BoxAnswerer : public QObject {
 public:
  BoxAnswerer() {
    timer_.setInterval(50);
    connect(&timer_, &QTimer::timeout, this, [this] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (!box || !box->isVisible() || answering_) return;
      answering_ = true;
      texts.push_back(box->text());
      QTest::mouseClick(box->defaultButton() ? box->defaultButton() : box->buttons().first(), Qt::LeftButton);
      answering_ = false;
    });
    timer_.start();
  }
  QStringList texts;

 private:
  QTimer timer_;
  bool answering_ = false;
};

// Lumivox as the program starts it, with the real key watch and boxes.
using Lumivox = DesktopLumivox<QtPrompter>;

QString line(std::string_view library, const char* section, const char* key) {
  return QString::fromStdString(LookupLine(pathInCurrentDirectory(library), section, key, "?"));
}

}  // namespace

class DialogueE2E : public QObject {
  Q_OBJECT
 private slots:
  void doorFromTheGateLabelShowsDoorLinesFromZero();
  void pressInDebugModeIsNotCountedAfterLeaving();
  void hotkeyAppliedWithEnterTakesEffectAfterRestart();
  void tapsThatAnswerTheProgramsBoxesAreNotCounted();
};

void DialogueE2E::doorFromTheGateLabelShowsDoorLinesFromZero() {
  TempWorkDir dir;
  BoxAnswerer boxes;
  Lumivox lumivox;
  QVERIFY(lumivox.exposed);
  QVERIFY2(lumivox.keys.error().empty(), lumivox.keys.error().c_str());
  GameWindow game(kGameAt);
  xdotool({u("key"), u("--delay"), u("150"), u("space"), u("space")});
  QTRY_COMPARE(lumivox.state().mainLineNumber, 2);

  // The player releases the mouse over 记忆之门 and picks a door in the menu that opens.
  clickOn(lumivox.window->findChild<QLabel*>(u("Label8")));
  auto* gate = lumivox.window->findChild<QMenu*>(u("记忆之门"));
  QTRY_VERIFY(gate->isVisible());
  auto* stars = lumivox.window->findChild<QMenu*>(u("星之扉"));
  clickOn(gate, gate->actionGeometry(stars->menuAction()));
  QTRY_VERIFY(stars->isVisible());
  clickOn(stars, stars->actionGeometry(lumivox.action("星之扉3")));
  QTRY_COMPARE(lumivox.state().activeTrack, std::string("InDoor"));
  QTRY_VERIFY(!gate->isVisible());
  QCOMPARE(lumivox.state().doorLineNumber, 0);

  game.takeFocus();
  xdotool({u("key"), u("space")});
  QTRY_COMPARE(lumivox.state().doorLineNumber, 1);
  QCOMPARE(lumivox.text("对话内容"), line(kDoorLibraryFile, "Door", "0"));
  QCOMPARE(lumivox.text("状态提示"), u("确认用户跳过对话。对话数：0"));
  xdotool({u("key"), u("space")});
  QTRY_COMPARE(lumivox.state().doorLineNumber, 2);
  QCOMPARE(lumivox.text("对话内容"), line(kDoorLibraryFile, "Door", "1"));
  QTRY_COMPARE(lumivox.window->controller().barMaximum(), 24.0f);  // the door stories' line count
  QCOMPARE(lumivox.text("BFB"), u("4"));              // 1 of 24

  // Back to the main story from the real menu: the question answered OK.
  lumivox.chooseFromMenuBar("对话", "主线剧情");
  QTRY_COMPARE(boxes.texts.size(), 2);
  QCOMPARE(lumivox.state().activeTrack, std::string("IndexText"));
  game.takeFocus();
  xdotool({u("key"), u("space")});
  QTRY_COMPARE(lumivox.state().mainLineNumber, 3);
  QCOMPARE(lumivox.text("对话内容"), line(kMainLibraryFile, "Quorra", "2"));
  QCOMPARE(lumivox.state().doorLineNumber, 2);
}

void DialogueE2E::pressInDebugModeIsNotCountedAfterLeaving() {
  TempWorkDir dir;
  BoxAnswerer boxes;
  Lumivox lumivox;
  QVERIFY(lumivox.exposed);
  GameWindow game(kGameAt);
  xdotool({u("key"), u("space")});
  QTRY_COMPARE(lumivox.state().mainLineNumber, 1);

  lumivox.chooseFromMenuBar("对话", "Debug模式");
  QTRY_COMPARE(boxes.texts.size(), 1);
  QTRY_VERIFY(lumivox.action("退出Debug模式")->isEnabled());
  game.takeFocus();
  xdotool({u("key"), u("--delay"), u("100"), u("space"), u("space")});  // meant for something else
  QTest::qWait(300);
  QCOMPARE(lumivox.state().mainLineNumber, 1);

  lumivox.chooseFromMenuBar("对话", "退出Debug模式");
  QTRY_COMPARE(boxes.texts.size(), 2);
  QCOMPARE(boxes.texts[1], u("成功退出Debug模式。。现在重启检测按键记录和自动保存功能。"));
  QTRY_VERIFY(lumivox.action("Debug模式")->isEnabled());
  game.takeFocus();
  QTest::qWait(300);
  QCOMPARE(lumivox.state().mainLineNumber, 1);  // nothing moved on leaving
  xdotool({u("key"), u("space")});
  QTRY_COMPARE(lumivox.state().mainLineNumber, 2);
  QTest::qWait(200);
  QCOMPARE(lumivox.state().mainLineNumber, 2);  // the next press moves one line
  QCOMPARE(lumivox.text("对话内容"), line(kMainLibraryFile, "Quorra", "1"));
}

void DialogueE2E::hotkeyAppliedWithEnterTakesEffectAfterRestart() {
  TempWorkDir dir;
  BoxAnswerer boxes;
  {
    Lumivox lumivox;
    QVERIFY(lumivox.exposed);
    GameWindow game(kGameAt);
    lumivox.chooseFromMenuBar("程序设置", "切换按键设置");
    QWidget* setup = nullptr;
    QTRY_VERIFY((setup = lumivox.window->findChild<QWidget*>(u("HotkeysSetup"))) && setup->isVisible());
    QVERIFY(QTest::qWaitForWindowExposed(setup));
    auto* enter = setup->findChild<QRadioButton*>(u("Option2"));
    clickOn(enter, QRect(0, 0, enter->height(), enter->height()));  // on its round button
    QTRY_VERIFY(enter->isChecked());
    QPointer<QWidget> open = setup;
    clickOn(setup->findChild<QPushButton*>(u("Command1")));
    QTRY_VERIFY(!open);
    QCOMPARE(boxes.texts, QStringList{u("保存热键设置成功，重新启动软件后生效。")});
    QCOMPARE(readBytes(dir.dataDir() / "HotKeys.opi"), std::string("B2C3D-4E5F6-A7B8C-9D0E1-F2A3B\r\n"));

    // This run keeps the key it started with.
    game.takeFocus();
    xdotool({u("key"), u("Return")});
    QTest::qWait(300);
    QCOMPARE(lumivox.state().mainLineNumber, 0);
    xdotool({u("key"), u("space")});
    QTRY_COMPARE(lumivox.state().mainLineNumber, 1);
  }
  // The next start reads the new key: Enter advances, Space does not.
  Lumivox restarted;
  QVERIFY(restarted.exposed);
  GameWindow game(kGameAt);
  xdotool({u("key"), u("space")});
  QTest::qWait(300);
  QCOMPARE(restarted.state().mainLineNumber, 0);
  xdotool({u("key"), u("Return")});
  QTRY_COMPARE(restarted.state().mainLineNumber, 1);
  QCOMPARE(restarted.text("状态提示"), u("确认用户跳过对话。对话数：0"));
  QCOMPARE(boxes.texts.size(), 1);
}

// The player answers both boxes of the switch to the main story with a tap of
// a few milliseconds under a window manager, which gives the focus back to
// the game at once: the taps belong to the boxes, and the next press in the
// game shows the very next line.
void DialogueE2E::tapsThatAnswerTheProgramsBoxesAreNotCounted() {
  QProcess windowManager;
  windowManager.start(u("openbox"), {u("--sm-disable")});
  QVERIFY2(windowManager.waitForStarted(5000), "openbox is needed: ./scripts/install-packages.sh base");
  QTRY_VERIFY(run(u("xprop"), {u("-root"), u("_NET_SUPPORTING_WM_CHECK")}).contains(u("window id")));
  TempWorkDir dir;
  Lumivox lumivox;
  QVERIFY(lumivox.exposed);
  GameWindow game(kGameAt);
  xdotool({u("key"), u("space")});
  QTRY_COMPARE(lumivox.state().mainLineNumber, 1);

  // Each box, once it has the keyboard, gets one tap of 5 ms.
  int answered = 0;
  QPointer<QMessageBox> lastAnswered;
  QTimer answerer;
  answerer.setInterval(20);
  connect(&answerer, &QTimer::timeout, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box || box == lastAnswered || !hasKeyboard(box)) return;
    lastAnswered = box;
    ++answered;
    QProcess::startDetached(u("xdotool"), {u("key"), u("--delay"), u("10"), u("space")});
  });
  answerer.start();
  // Every other trial chooses the item while the game holds the focus: the
  // window manager then gives it back to the game as each box closes.
  for (int trial = 1; trial <= 10; ++trial) {
    answered = 0;
    if (trial % 2) {
      clickOn(lumivox.label("Label7"));
    } else {
      QTimer::singleShot(0, lumivox.action("主线剧情"), &QAction::trigger);
    }
    QTRY_COMPARE(answered, 2);
    QTRY_VERIFY(!QApplication::activeModalWidget());
    game.takeFocus();
    QTest::qWait(100);
    QCOMPARE(lumivox.state().mainLineNumber, 1);
  }
  QCOMPARE(lumivox.state().activeTrack, std::string("IndexText"));

  xdotool({u("key"), u("space")});
  QTRY_COMPARE(lumivox.state().mainLineNumber, 2);
  QCOMPARE(lumivox.text("对话内容"), line(kMainLibraryFile, "Quorra", "1"));
}

QTEST_MAIN(DialogueE2E)
#include "DialogueE2E.moc"
