#include "qt/ShowFrm.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QScreen>

#include "common/Twips.h"
#include "qt/WindowOpacity.h"
#include "show/PropertyBag.h"
#include "qt/QtTicker.h"
#include "qt/XpProgressBarWidget.h"

namespace lumivox {
namespace {

// The window is laid out in twips, 15 to a pixel.
QRect fromTwips(int left, int top, int width, int height) {
  return {twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height)};
}

const QColor kMagenta(255, 0, 255);

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
  setObjectName(QStringLiteral("ShowFrm"));
  setWindowTitle(QStringLiteral("展示窗体"));
  setAttribute(Qt::WA_DeleteOnClose);
  setFixedSize(fromTwips(0, 0, 4830, 4170).size());
  QPalette colours = palette();
  colours.setColor(QPalette::Window, kMagenta);
  colours.setColor(QPalette::WindowText, Qt::black);
  setPalette(colours);
  setAutoFillBackground(true);

  image_ = new QLabel(this);
  image_->setObjectName(QStringLiteral("Image1"));
  image_->setGeometry(fromTwips(0, 0, 4800, 3600));
  image_->setAlignment(Qt::AlignLeft | Qt::AlignTop);  // natural size, never stretched
  image_->setPixmap(QPixmap(QStringLiteral(":/show/Image1.jpg")));

  label_ = new QLabel(QString::fromUtf8(kShowFrmStatusText), this);
  label_->setObjectName(QStringLiteral("Label1"));
  label_->setGeometry(fromTwips(960, 3645, 3255, 255));
  label_->setTextFormat(Qt::PlainText);
  label_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  label_->setAutoFillBackground(true);

  bar_ = new XpProgressBarWidget(prompter, this);
  bar_->setObjectName(QStringLiteral("Bar"));
  bar_->readProperties(MapPropertyBag({{"Style", 1}, {"ProgressLook", 2}}));
  bar_->setGeometry(fromTwips(15, 3900, 4815, 255));
  // The bar has no click of its own, and a click on it is none on the window.
  bar_->setAttribute(Qt::WA_NoMousePropagation);
  setTabOrder(bar_, label_);

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
