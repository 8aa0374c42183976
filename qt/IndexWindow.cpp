#include "qt/IndexWindow.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QLayout>
#include <QMenuBar>
#include <QProgressBar>
#include <QScreen>

#include <algorithm>

#include "common/Twips.h"
#include "dialogue/IndexForm.h"
#include "dialogue/IndexMenu.h"
#include "app/IndexTimers.h"
#include "app/LinesPlacement.h"
#include "app/LinesView.h"
#include "qt/ApplyWindowLook.h"
#include "qt/AboutWindow.h"
#include "qt/CheckReportWindow.h"
#include "qt/FormBuilder.h"
#include "qt/LabelMouse.h"
#include "qt/LinesWindow.h"
#include "qt/QtText.h"
#include "qt/QtTicker.h"
#include "qt/SettingsWindows.h"
#include "qt/ShowFrm.h"

namespace lumivox {
namespace {


}  // namespace

IndexWindow::IndexWindow(MainServices services, QWidget* parent)
    : QMainWindow(parent) {
  const ControlTable& form = indexForm();
  setObjectName(toQString(form.name));
  setWindowTitle(toQString(form.title));
  auto* client = new QWidget(this);
  client->setFixedSize(twipsToPixels(form.clientWidth), twipsToPixels(form.clientHeight));
  for (const auto& [name, control] : buildForm(client, form)) controls_[name] = control;
  setCentralWidget(client);
  buildMenus();
  connectLabels();

  ticker_ = new QtTicker(this, indexTimers(), [this](TimerId timer) { controller_->onTimer(timer); });
  services.ticker = ticker_;
  services.windows = this;
  // The queued call is dropped if the window has gone by then.
  services.postToGui = [this](std::function<void()> call) {
    QMetaObject::invokeMethod(this, std::move(call), Qt::QueuedConnection);
  };
  controller_ = std::make_unique<MainController>(*this, std::move(services));

  layout()->setSizeConstraint(QLayout::SetFixedSize);
}

IndexWindow::~IndexWindow() {
  delete about_.data();
  delete lines_.data();  // it tells the controller as it goes
  delete checkReport_.data();
  // The ticker's timers go with the window; no tick reaches the controller after it.
  delete ticker_;
}

void IndexWindow::buildMenus() {
  std::vector<QWidget*> open{menuBar()};  // the menu of each depth being filled
  for (const MenuEntry& entry : indexMenu()) {
    open.resize(static_cast<std::size_t>(entry.depth) + 1);
    QWidget* parent = open.back();
    auto addTo = [parent](QAction* action) { parent->addAction(action); };
    if (entry.kind == MenuEntry::Kind::Separator) {
      auto* separator = new QAction(parent);
      separator->setSeparator(true);
      addTo(separator);
      continue;
    }
    if (entry.kind == MenuEntry::Kind::Submenu) {
      auto* menu = new QMenu(toQString(entry.caption), parent);
      menu->setObjectName(toQString(entry.name));
      menu->menuAction()->setObjectName(toQString(entry.name));
      addTo(menu->menuAction());
      if (entry.popsUp) gateMenu_ = menu;
      open.push_back(menu);
      continue;
    }
    auto* action = new QAction(toQString(entry.caption), parent);
    action->setObjectName(toQString(entry.name));
    action->setShortcut(QKeySequence(toQString(entry.shortcut)));
    action->setEnabled(entry.initiallyEnabled);
    action->setCheckable(entry.checkable);
    if (entry.radio) {
      // One exclusive group per submenu draws its rows as radio items.
      QActionGroup*& group = radioGroups_[parent];
      if (!group) group = new QActionGroup(parent);
      group->addAction(action);
    }
    connect(action, &QAction::triggered, this, [this, command = entry.command] { controller_->onCommand(command); });
    addTo(action);
    actions_[entry.command].push_back(action);
  }
}

void IndexWindow::connectLabels() {
  for (const ControlRow& row : indexForm().controls) {
    if (row.click == CommandId::None) continue;
    QWidget* label = control(row.name);
    // Every button's release is the controller's to answer, the right one's too.
    label->setContextMenuPolicy(Qt::PreventContextMenu);
    onMouseReleasedOver(label, [this, &row](Qt::MouseButton button, QPoint at) {
      releasedAt_ = at;
      controller_->onLabelReleased(row, button == Qt::LeftButton);
    });
  }
}

QWidget* IndexWindow::control(std::string_view name) const {
  const auto found = controls_.find(name);
  return found == controls_.end() ? nullptr : found->second;
}

void IndexWindow::setControlText(std::string_view control, const std::string& text) {
  lumivox::setControlText(this->control(control), toQString(text));
}

void IndexWindow::setBar(std::string_view control, int position, int steps) {
  auto* bar = qobject_cast<QProgressBar*>(this->control(control));
  bar->setRange(0, steps);
  bar->setValue(position);
}

void IndexWindow::setCommandEnabled(CommandId command, bool enabled) {
  for (QAction* action : actions_[command]) action->setEnabled(enabled);
}

void IndexWindow::setCommandChecked(CommandId command, bool checked) {
  for (QAction* action : actions_[command]) action->setChecked(checked);
}

void IndexWindow::popUpGateMenu() { gateMenu_->popup(releasedAt_); }

void IndexWindow::setOuterHeightTwips(int twips) {
  QWidget* client = centralWidget();
  layout()->activate();
  const int decoration = frameGeometry().height() - height();
  const int menuBar = height() - client->height();
  client->setFixedHeight(twipsToPixels(twips) - decoration - menuBar);
  layout()->activate();
}

void IndexWindow::setControlShown(std::string_view control, bool shown) { this->control(control)->setVisible(shown); }

void IndexWindow::setStayOnTop(bool onTop) { setStaysOnTop(*this, onTop); }

void IndexWindow::setOpacityPercent(int percent) { lumivox::setOpacityPercent(*this, percent); }

void IndexWindow::openHotkeys() { HotkeysWindow::open(this, *controller_, prompter()); }
void IndexWindow::openJump(DialogueState& state) { JumpWindow::open(this, state, prompter()); }
void IndexWindow::openAutoSave(IndexModel& index) { AutoSaveWindow::open(this, index, prompter()); }
void IndexWindow::openHelp() { HelpWindow::open(this); }

void IndexWindow::openAbout(const std::string& mainLibraryPath) {
  about_ = new AboutWindow(mainLibraryPath, prompter());
  setOwnerWhileOnTop(*about_, *this, followersOnTop_);
  connect(about_, &QObject::destroyed, this, [this] { controller_->onAboutClosed(); });
  about_->show();
}

void IndexWindow::raiseAbout() {
  if (!about_) return;
  if (about_->isMinimized()) about_->showNormal();
  about_->raise();
  about_->activateWindow();
}

CheckReportView* IndexWindow::openCheckReport(CheckReportController& controller) {
  checkReport_ = new CheckReportWindow(controller);
  setOwnerWhileOnTop(*checkReport_, *this, followersOnTop_);
  checkReport_->show();
  return checkReport_;
}

void IndexWindow::raiseCheckReport() {
  if (!checkReport_) return;
  if (checkReport_->isMinimized()) checkReport_->showNormal();
  checkReport_->raise();
  checkReport_->activateWindow();
}

void IndexWindow::openShowWindow(ShowFrmMembers& members, ShowHost& host) {
  (new ShowFrm(members, host, *this, prompter()))->start();
}

void IndexWindow::openLines(LinesController& lines, const std::optional<ScreenRect>& game) {
  lines_ = new LinesWindow(lines);
  lines_->applyLook(followersOnTop_, followersOpacity_);
  // Its frame as wide as the main window's, which the same window manager draws.
  const QRect main = frameGeometry(), client = geometry();
  const QSize frame = main.size() - client.size();
  const QRect work = this->screen()->availableGeometry();
  const ScreenRect at = placeLinesWindow(
      {main.x(), main.y(), main.width(), main.height()}, {work.x(), work.y(), work.width(), work.height()}, game,
      kLinesWindowWidth + frame.width(), kLinesWindowHeight + frame.height(),
      kLinesWindowSmallestWidth + frame.width(), kLinesWindowSmallestHeight + frame.height());
  lines_->resize(at.width - frame.width(), at.height - frame.height());
  lines_->move(at.left, at.top);
  lines_->show();
}

void IndexWindow::applyWindowLook(bool onTop, int opacityPercent) {
  followersOnTop_ = onTop;
  followersOpacity_ = opacityPercent;
  if (lines_) lines_->applyLook(onTop, opacityPercent);
  for (QWidget* window : {static_cast<QWidget*>(about_), static_cast<QWidget*>(checkReport_)})
    if (window) setOwnerWhileOnTop(*window, *this, onTop);
}

void IndexWindow::closeEvent(QCloseEvent* event) {
  event->setAccepted(controller_->onCloseRequested());
}

// Only the window's own focus counts. Activation changes (the player going to
// the game and back) and menus opening are not the window's focus.
void IndexWindow::focusInEvent(QFocusEvent* event) {
  QMainWindow::focusInEvent(event);
  if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason)
    controller_->onFocus(true);
}

void IndexWindow::focusOutEvent(QFocusEvent* event) {
  QMainWindow::focusOutEvent(event);
  if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason)
    controller_->onFocus(false);
}

}  // namespace lumivox
