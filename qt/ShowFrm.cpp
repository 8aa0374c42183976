#include "qt/ShowFrm.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QScreen>

#include "platform/WindowOpacityQt.h"
#include "qt/FormBuilder.h"
#include "qt/QtText.h"
#include "qt/QtTicker.h"
#include "qt/XpProgressBarWidget.h"
#include "show/ShowForm.h"

namespace lumivox {
namespace {

bool isClick(const QEvent* event, const QWidget* on) {
  if (event->type() != QEvent::MouseButtonRelease) return false;
  const auto* mouse = static_cast<const QMouseEvent*>(event);
  // Released where it was pressed: a press dragged off and let go is no click.
  return mouse->button() == Qt::LeftButton && on->rect().contains(mouse->position().toPoint());
}

}  // namespace

ShowFrm::ShowFrm(ShowFrmMembers& members, ShowHost& host, QWidget& mainWindow, Prompter& prompter)
    // A tool window has no task bar entry; the main window as parent only ties
    // this window's life to the main window's.
    : QDialog(&mainWindow, Qt::Tool | Qt::FramelessWindowHint), mainWindow_(mainWindow) {
  setAttribute(Qt::WA_DeleteOnClose);
  const ControlTable& form = showForm();
  setUpWindow(this, form);
  controls_ = buildForm(this, form, &prompter);
  for (const ControlRow& row : form.controls) setUpControl(row);

  auto* ticker = new QtTicker(this, showTimers(), [this](TimerId timer) { controller_->onTimer(timer); });
  controller_ = std::make_unique<ShowController>(members, *this, *ticker, host);
  controller_->load();
}

void ShowFrm::setUpControl(const ControlRow& row) {
  QWidget* control = controls_.at(row.name);
  if (row.kind == ControlKind::XpBar) {
    bar_ = qobject_cast<XpProgressBarWidget*>(control);
    bar_->readProperties(showBarProperties());
    // The bar has no click of its own, and a click on it is none on the window.
    bar_->setAttribute(Qt::WA_NoMousePropagation);
    return;
  }
  // A picture is stored with the window under its own name.
  if (row.kind == ControlKind::Picture)
    qobject_cast<QLabel*>(control)->setPixmap(QPixmap(QStringLiteral(":/show/%1.jpg").arg(toQString(row.name))));
  control->installEventFilter(this);
}

void ShowFrm::setControlText(std::string_view control, const std::string& text) {
  if (const auto found = controls_.find(std::string(control)); found != controls_.end())
    lumivox::setControlText(found->second, toQString(text));
}
std::int32_t ShowFrm::barValue() const { return bar_->value(); }
void ShowFrm::setBarValue(std::int32_t value) { bar_->setValue(value); }
void ShowFrm::setBarMaximum(std::int32_t maximum) { bar_->setMaximum(maximum); }

int ShowFrm::setOpacity(std::int16_t level) { return SetWindowOpacity(this, level); }

void ShowFrm::showModal() {
  setWindowModality(Qt::ApplicationModal);
  if (const QScreen* screen = mainWindow_.screen()) {
    const QRect area = screen->geometry();
    move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
  }
  show();
}

void ShowFrm::unload() { close(); }

void ShowFrm::showMainWindow() {
  mainWindow_.show();
  mainWindow_.raise();
  mainWindow_.activateWindow();
}

void ShowFrm::closeEvent(QCloseEvent* event) {
  controller_->onUnload();
  event->accept();
}

void ShowFrm::mouseReleaseEvent(QMouseEvent* event) {
  if (isClick(event, this)) controller_->onClick();
}

// A click on the picture or a label is one on the window.
bool ShowFrm::eventFilter(QObject* watched, QEvent* event) {
  if (isClick(event, static_cast<QWidget*>(watched))) {
    controller_->onClick();
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace lumivox
