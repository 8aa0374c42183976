#include "qt/ShowFrm.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QScreen>

#include "platform/WindowOpacityQt.h"
#include "qt/FormBuilder.h"
#include "qt/QtTicker.h"
#include "qt/XpProgressBarWidget.h"
#include "show/PropertyBag.h"
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
  const auto controls = buildForm(this, form, &prompter);
  image_ = qobject_cast<QLabel*>(controls.at("Image1"));
  image_->setPixmap(QPixmap(QStringLiteral(":/show/Image1.jpg")));
  label_ = qobject_cast<QLabel*>(controls.at("Label1"));
  bar_ = qobject_cast<XpProgressBarWidget*>(controls.at("Bar"));
  bar_->readProperties(MapPropertyBag({{"Style", kShowBarStyle}, {"ProgressLook", kShowBarLook}}));
  // The bar has no click of its own, and a click on it is none on the window.
  bar_->setAttribute(Qt::WA_NoMousePropagation);

  image_->installEventFilter(this);
  label_->installEventFilter(this);

  auto* ticker = new QtTicker(this, {{TimerId::ShowProgress, "Timer1", 30, true}, {TimerId::ShowFade, "Timer2", 40, true}},
                              [this](TimerId timer) { controller_->onTimer(timer); });
  controller_ = std::make_unique<ShowController>(members, *this, *ticker, host);
  controller_->load();
}

void ShowFrm::setLabelText(const std::string& text) { label_->setText(QString::fromStdString(text)); }
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

bool ShowFrm::eventFilter(QObject* watched, QEvent* event) {
  if ((watched == image_ || watched == label_) && isClick(event, static_cast<QWidget*>(watched))) {
    controller_->onClick();
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace lumivox
