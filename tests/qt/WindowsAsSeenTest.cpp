// The windows as a player and a screen reader meet them: each secondary
// window is announced as a dialog by its caption, the lines window as a
// window beside the main one, About stands on its own unless the main window
// stays on top, a box belongs to the main window when no window is active,
// and the main window's texts sit clear of its frames and its lower edge.
#include <QAccessible>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QScrollArea>
#include <QScreen>
#include <QScrollBar>
#include <QTimer>
#include <QWindow>
#include <QtTest>

#include "qt/IndexWindow.h"
#include "qt/QtPrompter.h"
#include "platform/TextCodec.h"
#include "support/Files.h"
#include "support/IndexHarness.h"

using namespace lumivox;

namespace {

QWidget* topLevel(const char* name) {
  for (QWidget* widget : QApplication::topLevelWidgets())
    if (widget->objectName() == u(name) && widget->isVisible()) return widget;
  return nullptr;
}

// Announced as a dialog, named by its caption.
void checkAnnouncedAsDialog(QWidget* window) {
  QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(window);
  QVERIFY(accessible);
  QCOMPARE(accessible->role(), QAccessible::Dialog);
  QCOMPARE(accessible->text(QAccessible::Name), window->windowTitle());
}

// The area a widget covers, in its window's coordinates.
QRect inWindow(const QWidget* widget) { return QRect(widget->mapTo(widget->window(), QPoint()), widget->size()); }

}  // namespace

class WindowsAsSeenTest : public QObject {
  Q_OBJECT
 private slots:
  void secondaryWindowsAreDialogs();
  void theLinesWindowIsAWindowBesideTheMainOne();
  void aboutHasNoOwnerAndShowsLongThanksFromTheirStart();
  void aboutBelongsToTheMainWindowWhileThatStaysOnTop();
  void aBoxBelongsToTheMainWindowWhenNoWindowIsActive();
  void mainWindowTextsStayClearOfFramesAndEdges();
  void aLongCounterPageScrollsInItsArea();
};

void WindowsAsSeenTest::secondaryWindowsAreDialogs() {
  IndexHarness h;
  h.open();
  h.window->show();
  const std::pair<const char*, const char*> windows[] = {
      {"切换按键设置", "HotkeysSetup"}, {"对话进程设置", "TextNO"}, {"保存设置系统", "AutoSave"},
      {"关于", "About"},                {"展示窗体", "ShowFrm"}};
  for (const auto& [item, name] : windows) {
    h.action(item)->trigger();
    QWidget* window = nullptr;
    QTRY_VERIFY2((window = topLevel(name)), name);
    checkAnnouncedAsDialog(window);
    window->close();
  }
  // Help runs its own loop until it is closed.
  bool helpSeen = false;
  QTimer::singleShot(0, [&] {
    QWidget* help = topLevel("Help");
    if (!help) return;
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(help);
    helpSeen = accessible && accessible->role() == QAccessible::Dialog &&
               accessible->text(QAccessible::Name) == help->windowTitle();
    help->close();
  });
  h.action("使用帮助")->trigger();
  QVERIFY(helpSeen);
}

void WindowsAsSeenTest::theLinesWindowIsAWindowBesideTheMainOne() {
  IndexHarness h;
  h.open();
  h.window->move(200, 40);
  h.window->show();
  QVERIFY(QTest::qWaitForWindowExposed(h.window.get()));
  h.action("对话列表")->trigger();
  QWidget* lines = nullptr;
  QTRY_VERIFY((lines = topLevel("Lines")));
  QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(lines);
  QVERIFY(accessible);
  QCOMPARE(accessible->role(), QAccessible::Window);
  QCOMPARE(accessible->text(QAccessible::Name), lines->windowTitle());
  QVERIFY(!lines->frameGeometry().intersects(h.window->frameGeometry()));
  QVERIFY(lines->screen()->availableGeometry().contains(lines->frameGeometry()));
}

void WindowsAsSeenTest::aboutHasNoOwnerAndShowsLongThanksFromTheirStart() {
  IndexHarness h;
  h.open();
  h.window->show();
  QVERIFY(QTest::qWaitForWindowExposed(h.window.get()));
  QTRY_VERIFY(!h.window->controller().mainLibraryPath().empty());
  h.action("关于")->trigger();
  QWidget* about = nullptr;
  QTRY_VERIFY((about = topLevel("About")));
  QVERIFY(QTest::qWaitForWindowExposed(about));
  QCOMPARE(about->windowHandle()->transientParent(), nullptr);
  auto* thanks = about->findChild<QLabel*>(u("SThanks"));
  QVERIFY(thanks->alignment() & Qt::AlignTop);
}

// The window manager keeps a window above the one it is for.
void WindowsAsSeenTest::aboutBelongsToTheMainWindowWhileThatStaysOnTop() {
  IndexHarness h;
  IndexWindow& w = h.open();
  w.show();
  QVERIFY(QTest::qWaitForWindowExposed(&w));
  QWindow* native = w.windowHandle();
  h.action("总在最前")->trigger();
  h.action("关于")->trigger();
  QWidget* about = nullptr;
  QTRY_VERIFY((about = topLevel("About")));
  QVERIFY(QTest::qWaitForWindowExposed(about));
  QCOMPARE(about->windowHandle()->transientParent(), native);

  const QPoint at = about->pos();
  h.action("总在最前")->trigger();
  QTRY_VERIFY(about->isVisible());
  QCOMPARE(about->windowHandle()->transientParent(), nullptr);
  QCOMPARE(about->pos(), at);
  h.action("总在最前")->trigger();
  QTRY_VERIFY(about->isVisible());
  QCOMPARE(about->windowHandle()->transientParent(), native);
}

void WindowsAsSeenTest::aBoxBelongsToTheMainWindowWhenNoWindowIsActive() {
  QWidget main;
  main.show();
  QVERIFY(QTest::qWaitForWindowExposed(&main));
  QApplication::setActiveWindow(nullptr);
  QtPrompter prompter;
  prompter.setMainWindow(&main);
  QWidget* owner = &main;
  bool seen = false;
  QTimer::singleShot(0, [&] {
    QWidget* box = QApplication::activeModalWidget();
    if (!box) return;
    seen = true;
    owner = box->parentWidget();
    box->close();
  });
  prompter.inform("个人设置保存失败", "发生错误", Prompter::Icon::Critical);
  QVERIFY(seen);
  QCOMPARE(owner, &main);
}

void WindowsAsSeenTest::mainWindowTextsStayClearOfFramesAndEdges() {
  IndexHarness h;
  IndexWindow& w = h.open();
  w.show();
  QVERIFY(QTest::qWaitForWindowExposed(&w));
  // Framed texts start below their frame's caption line and end inside it.
  for (const char* name : {"对话内容", "Label2", "Label3", "Label4", "BFB", "Label5", "Label6", "Label7", "Label8",
                           "Label9"}) {
    auto* label = w.findChild<QLabel*>(u(name));
    auto* frame = qobject_cast<QGroupBox*>(label->parentWidget());
    QVERIFY2(frame, name);
    QVERIFY2(frame->contentsRect().contains(label->geometry()), name);
  }
  // Nothing shown runs past the client area's lower edge.
  QWidget* client = w.centralWidget();
  for (const char* name : {"Label10", "Label11", "UserNumberBrowser"}) {
    auto* label = w.findChild<QLabel*>(u(name));
    QVERIFY2(inWindow(label).bottom() <= inWindow(client).bottom(), name);
    const int needed = label->heightForWidth(label->width());
    QVERIFY2(needed <= label->height(), name);  // their lines fit whole
  }
}

// The area keeps its place in the window that cannot grow: the sample's
// number stands alone in it, a page of 100 characters gets a scroll bar that
// reaches its last line, and neither takes the focus from the window.
void WindowsAsSeenTest::aLongCounterPageScrollsInItsArea() {
  QString hundred;
  for (int i = 0; i < 100; ++i) hundred += QChar(0x4E00 + i * 7);
  for (const bool longPage : {false, true}) {
    IndexHarness h;
    if (longPage)
      writeBytes(h.dir.dataDir() / "GoUserNumberFiles.ED63rd", utf8ToGbk("<p>" + hundred.toStdString() + "</p>"));
    IndexWindow& w = h.open();
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    auto* area = w.findChild<QScrollArea*>(u("UserNumberBrowser"));
    auto* page = w.findChild<QLabel*>(u("UserNumberBrowser"));
    QVERIFY(area && page);
    QTRY_COMPARE(page->text(), longPage ? hundred : u("1024"));
    QVERIFY(inWindow(area).bottom() <= inWindow(w.centralWidget()).bottom());
    QTRY_COMPARE(area->verticalScrollBar()->isVisible(), longPage);
    QVERIFY(page->height() >= page->heightForWidth(page->width()));  // laid out whole
    QCOMPARE(area->verticalScrollBar()->maximum(), page->height() - area->viewport()->height());

    const QString status = page->window()->findChild<QLabel*>(u("状态提示"))->text();
    QWidget* focused = QApplication::focusWidget();
    QTest::mouseClick(area->viewport(), Qt::LeftButton);
    if (longPage) QTest::mouseClick(area->verticalScrollBar(), Qt::LeftButton, {}, QPoint(3, area->height() - 3));
    QCOMPARE(QApplication::focusWidget(), focused);
    QCOMPARE(w.findChild<QLabel*>(u("状态提示"))->text(), status);
  }
}

QTEST_MAIN(WindowsAsSeenTest)
#include "WindowsAsSeenTest.moc"
