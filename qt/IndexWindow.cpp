#include "qt/IndexWindow.h"

#include <QAction>
#include <QCloseEvent>
#include <QLayout>
#include <QMenuBar>
#include <QProgressBar>

#include "common/Twips.h"
#include "dialogue/IndexForm.h"
#include "dialogue/IndexMenu.h"
#include "app/IndexTimers.h"
#include "qt/AboutWindow.h"
#include "qt/FormBuilder.h"
#include "qt/LabelMouse.h"
#include "qt/QtText.h"
#include "qt/QtTicker.h"
#include "qt/SettingsWindows.h"
#include "qt/ShowFrm.h"

namespace lumivox {
namespace {

// The progress bar widget only shows the range; it has whole-number steps.
constexpr int kBarSteps = 10000;

// The heights were designed for a title bar and menu bar 800 twips high
// together; where the frame is thinner (or absent) the track choice would
// peek out above the lower edge, so what the design puts below that edge is
// also hidden while the window is collapsed.
constexpr int kDesignedFrameTwips = kExpandedHeightTwips - 6300;

}  // namespace

IndexWindow::IndexWindow(MainServices services, QWidget* parent)
    : QMainWindow(parent) {
  const ControlTable& form = indexForm();
  setObjectName(toQString(form.name));
  setWindowTitle(toQString(form.title));
  auto* client = new QWidget(this);
  client->setFixedSize(twipsToPixels(form.clientWidth), twipsToPixels(form.clientHeight));
  for (const auto& [name, control] : buildForm(client, form)) controls_[name] = control;
  for (QWidget* control : client->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
    if (!control->isHidden()) shownControls_.push_back(control);
  setCentralWidget(client);
  buildMenus();

  ticker_ = new QtTicker(this, indexTimers(), [this](TimerId timer) { controller_->onTimer(timer); });
  services.ticker = ticker_;
  services.windows = this;
  controller_ = std::make_unique<MainController>(*this, std::move(services));
  setBar(0, 100);
  connectLabels();

  layout()->setSizeConstraint(QLayout::SetFixedSize);
}

IndexWindow::~IndexWindow() {
  delete about_.data();
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
      if (entry.name == "记忆之门") gateMenu_ = menu;
      open.push_back(menu);
      continue;
    }
    auto* action = new QAction(toQString(entry.caption), parent);
    action->setObjectName(toQString(entry.name));
    action->setShortcut(QKeySequence(toQString(entry.shortcut)));
    action->setEnabled(entry.initiallyEnabled);
    connect(action, &QAction::triggered, this, [this, command = entry.command] { controller_->onCommand(command); });
    addTo(action);
    actions_[entry.command].push_back(action);
  }
}

void IndexWindow::connectLabels() {
  onClicked(controls_.at("Label7"), [this] { controller_->onCommand(CommandId::MainStory); });
  onClicked(controls_.at("Label9"), [this] { controller_->onCommand(CommandId::HideTrackChoice); });
  // Any button, as the player may right-click a label that looks like a menu.
  QWidget* gate = controls_.at("Label8");
  gate->setContextMenuPolicy(Qt::PreventContextMenu);
  onMouseReleasedOver(gate, [this](Qt::MouseButton, QPoint at) {
    gateReleasedAt_ = at;
    controller_->onCommand(CommandId::OpenGateMenu);
  });
}

void IndexWindow::setControlText(std::string_view control, const std::string& text) {
  if (const auto found = controls_.find(control); found != controls_.end())
    lumivox::setControlText(found->second, toQString(text));
}

void IndexWindow::setBar(float value, float maximum) {
  auto* bar = static_cast<QProgressBar*>(controls_.at("Bar1"));
  bar->setRange(0, kBarSteps);
  bar->setValue(static_cast<int>(value / maximum * kBarSteps));
}

void IndexWindow::setCommandEnabled(CommandId command, bool enabled) {
  for (QAction* action : actions_[command]) action->setEnabled(enabled);
}

void IndexWindow::popUpGateMenu() { gateMenu_->popup(gateReleasedAt_); }

void IndexWindow::setOuterHeightTwips(int twips) {
  QWidget* client = centralWidget();
  layout()->activate();
  const int decoration = frameGeometry().height() - height();
  const int menuBar = height() - client->height();
  client->setFixedHeight(twipsToPixels(twips) - decoration - menuBar);
  const int designedBottom = twipsToPixels(twips - kDesignedFrameTwips);
  for (QWidget* control : shownControls_) control->setVisible(control->y() < designedBottom);
  layout()->activate();
}

void IndexWindow::openHotkeys() { HotkeysWindow::open(this, prompter()); }
void IndexWindow::openJump(DialogueState& state) { JumpWindow::open(this, state, prompter()); }
void IndexWindow::openAutoSave(IndexModel& index) { AutoSaveWindow::open(this, index, prompter()); }
void IndexWindow::openHelp() { HelpWindow::open(this); }

void IndexWindow::openAbout(const std::string& mainLibraryPath) {
  about_ = new AboutWindow(mainLibraryPath, prompter());
  connect(about_, &QObject::destroyed, this, [this] { controller_->onAboutClosed(); });
  about_->show();
}

void IndexWindow::raiseAbout() {
  if (!about_) return;
  if (about_->isMinimized()) about_->showNormal();
  about_->raise();
  about_->activateWindow();
}

void IndexWindow::openShowWindow(ShowFrmMembers& members, ShowHost& host) {
  (new ShowFrm(members, host, *this, prompter()))->open();
}

void IndexWindow::closeEvent(QCloseEvent* event) {
  if (controller_->onCloseRequested()) {
    event->accept();
  } else {
    event->ignore();
  }
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
