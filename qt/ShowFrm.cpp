#include "qt/ShowFrm.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QScreen>
#include <QTimer>

#include "common/Twips.h"
#include "qt/WindowOpacity.h"
#include "show/PropertyBag.h"
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

ShowFrm::ShowFrm(ShowFrmMembers& members, QWidget& mainWindow, IndexView& mainView, Prompter& prompter)
    // A tool window has no task bar entry; the main window as parent only ties
    // this window's life to the main window's.
    : QWidget(&mainWindow, Qt::Tool | Qt::FramelessWindowHint),
      members_(members),
      mainWindow_(mainWindow),
      mainView_(mainView) {
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

  connect(addTimer("Timer1", 30), &QTimer::timeout, this, [this] { progressTick(members_, *this); });
  connect(addTimer("Timer2", 40), &QTimer::timeout, this, [this] { fadeTick(members_, *this); });
  loadShowFrm(members_, *this);
}

QTimer* ShowFrm::addTimer(const char* name, int intervalMs) {
  auto* timer = new QTimer(this);
  timer->setObjectName(QString::fromUtf8(name));
  timer->setInterval(intervalMs);
  timer->start();
  return timer;
}

void ShowFrm::setLabelText(const std::string& text) { label_->setText(QString::fromStdString(text)); }
std::int32_t ShowFrm::barValue() const { return bar_->value(); }
void ShowFrm::setBarValue(std::int32_t value) { bar_->setValue(value); }
void ShowFrm::setBarMaximum(std::int32_t maximum) { bar_->setMaximum(maximum); }

void ShowFrm::setTimerEnabled(std::string_view name, bool enabled) {
  const QString timerName = QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
  auto* timer = findChild<QTimer*>(timerName, Qt::FindDirectChildrenOnly);
  if (!timer) return;
  if (!enabled)
    timer->stop();
  else if (!timer->isActive())
    timer->start();
}

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
  // Unloading takes the window's timers with it, however it was closed.
  for (auto* timer : findChildren<QTimer*>(QString(), Qt::FindDirectChildrenOnly)) timer->stop();
  queryUnloadShowFrm(mainView_);
  event->accept();
}

void ShowFrm::mouseReleaseEvent(QMouseEvent* event) {
  if (isClick(event, this)) closeShowFrm(*this);
}

bool ShowFrm::eventFilter(QObject* watched, QEvent* event) {
  if ((watched == image_ || watched == label_) && isClick(event, static_cast<QWidget*>(watched))) {
    closeShowFrm(*this);
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace lumivox
