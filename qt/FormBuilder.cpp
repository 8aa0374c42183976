#include "qt/FormBuilder.h"

#include <QDialog>
#include <QFont>
#include <QFrame>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <algorithm>
#include <stdexcept>

#include "common/Twips.h"
#include "qt/DialogueLabel.h"
#include "qt/QtText.h"
#include "qt/XpProgressBarWidget.h"

namespace lumivox {
namespace {

// A Song (Ming) style face as designed: SimSun where installed, else one of
// the Song/Ming faces of the Linux distributions, the sans-serif one last.
QFont fontFor(const ControlRow& row, QFont font) {
  if (!row.face.empty())
    font.setFamilies({toQString(row.face), QStringLiteral("SimSun"), QStringLiteral("NSimSun"),
                      QStringLiteral("AR PL UMing CN"), QStringLiteral("AR PL SungtiL GB"),
                      QStringLiteral("Noto Serif CJK SC"), QStringLiteral("Source Han Serif SC"),
                      QStringLiteral("WenQuanYi Micro Hei")});
  if (row.points > 0) font.setPointSizeF(row.points);
  font.setBold(row.bold);
  return font;
}

void fillBackground(QWidget* widget, const Rgb& colour) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Window, QColor(colour.red, colour.green, colour.blue));
  widget->setPalette(palette);
  widget->setAutoFillBackground(true);
}

Qt::Alignment alignmentOf(const ControlRow& row) {
  if (row.kind == ControlKind::Picture) return Qt::AlignLeft | Qt::AlignTop;
  switch (row.align) {
    case Align::Centre: return Qt::AlignCenter;
    case Align::CentreTop: return Qt::AlignHCenter | Qt::AlignTop;
    case Align::Left: break;
  }
  return Qt::AlignLeft | (row.wrap ? Qt::AlignTop : Qt::AlignVCenter);
}

// A label in a frameless scroll area that it fills while its text fits, so
// that its alignment holds; the area and its bar never take the focus from
// the window.
QScrollArea* scrollingLabel(QWidget* parent) {
  auto* area = new QScrollArea(parent);
  area->setFrameShape(QFrame::NoFrame);
  area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  area->setWidgetResizable(true);
  area->setFocusPolicy(Qt::NoFocus);
  area->verticalScrollBar()->setFocusPolicy(Qt::NoFocus);
  area->setWidget(new QLabel);
  return area;
}

// The label that shows a control's text: the control itself, or the one in
// its scroll area.
QLabel* labelOf(QWidget* control) {
  if (auto* area = qobject_cast<QScrollArea*>(control)) return qobject_cast<QLabel*>(area->widget());
  return qobject_cast<QLabel*>(control);
}

QWidget* create(const ControlRow& row, QWidget* parent, Prompter* prompter) {
  switch (row.kind) {
    case ControlKind::Frame: return new QGroupBox(toQString(row.caption), parent);
    case ControlKind::DialogueLine: return new DialogueLabel(parent);
    case ControlKind::Label:
      if (row.scrolls) return scrollingLabel(parent);
      return new QLabel(parent);
    case ControlKind::Line: {
      auto* line = new QFrame(parent);
      line->setFrameShape(QFrame::HLine);
      line->setFrameShadow(QFrame::Sunken);
      return line;
    }
    case ControlKind::ProgressBar: {
      auto* bar = new QProgressBar(parent);
      bar->setTextVisible(false);
      return bar;
    }
    case ControlKind::TextField:
    case ControlKind::HiddenField: return new QLineEdit(parent);
    case ControlKind::TextBox: {
      auto* box = new QPlainTextEdit(parent);
      box->setReadOnly(true);
      // The tables end their lines the Windows way.
      box->setPlainText(toQString(row.caption).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
      return box;
    }
    case ControlKind::Button: return new QPushButton(toQString(row.caption), parent);
    case ControlKind::OptionButton: return new QRadioButton(toQString(row.caption), parent);
    case ControlKind::Picture: return new QLabel(parent);
    case ControlKind::XpBar:
      if (!prompter) throw std::invalid_argument("an XP bar needs a prompter");
      return new XpProgressBarWidget(*prompter, parent);
  }
  return new QWidget(parent);
}

// The platform's fonts run wider than the design's: a one-line caption grows
// to the right, or to the left where it would pass its container's edge.
void fitOneLine(QLabel* label) {
  const int wanted = label->sizeHint().width();
  if (wanted <= label->width()) return;
  QRect geometry = label->geometry();
  geometry.setWidth(wanted);
  const QWidget* container = label->parentWidget();
  const int rightEdge = container->contentsRect().right() - 2;
  if (geometry.right() > rightEdge) geometry.moveRight(std::max(rightEdge, label->geometry().right()));
  label->setGeometry(geometry);
}

// A framed control that the design starts above the frame's contents (under
// its caption) moves down below it.
void keepBelowCaption(QWidget* control) {
  auto* frame = qobject_cast<QGroupBox*>(control->parentWidget());
  if (!frame) return;
  const int top = frame->contentsRect().top();
  if (control->y() >= top) return;
  const int lost = top - control->y();
  control->setGeometry(control->x(), top, control->width(), std::max(1, control->height() - lost));
}

}  // namespace

void setUpWindow(QWidget* window, const ControlTable& form) {
  window->setObjectName(toQString(form.name));
  window->setWindowTitle(toQString(form.title));
  window->setFixedSize(twipsToPixels(form.clientWidth), twipsToPixels(form.clientHeight));
  if (form.background) fillBackground(window, *form.background);
}

std::map<std::string, QWidget*> buildForm(QWidget* client, const ControlTable& form, Prompter* prompter) {
  std::map<std::string, QWidget*> controls;
  for (const ControlRow& row : form.controls) {
    QWidget* parent = row.parent.empty() ? client : controls.at(row.parent);
    QWidget* control = create(row, parent, prompter);
    control->setObjectName(toQString(row.name));
    const int height = row.kind == ControlKind::Line ? 2 : twipsToPixels(row.height);
    control->setGeometry(twipsToPixels(row.left), twipsToPixels(row.top), twipsToPixels(row.width), height);
    control->setFont(fontFor(row, control->font()));
    if (row.colour) {
      QPalette palette = control->palette();
      palette.setColor(QPalette::WindowText, QColor(row.colour->red, row.colour->green, row.colour->blue));
      control->setPalette(palette);
    }
    if (row.background) fillBackground(control, *row.background);
    if (QLabel* label = labelOf(control)) {
      label->setObjectName(control->objectName());
      // Labels show their text literally: a line from a file may hold "<b>",
      // "&amp;" or runs of blanks, and the player must see exactly those.
      label->setTextFormat(Qt::PlainText);
      label->setWordWrap(row.wrap);
      if (row.kind != ControlKind::DialogueLine) label->setAlignment(alignmentOf(row));
      label->setText(toQString(row.caption));
      if (!row.wrap && row.kind != ControlKind::Picture) fitOneLine(label);
    }
    if (auto* button = qobject_cast<QPushButton*>(control)) {
      if (row.name == form.defaultButton) button->setDefault(true);
      // A dialog rejects itself on Esc; its cancel button does the same.
      auto* dialog = qobject_cast<QDialog*>(client->window());
      if (row.name == form.cancelButton && dialog)
        QObject::connect(button, &QPushButton::clicked, dialog, &QDialog::reject);
    }
    if (auto* field = qobject_cast<QLineEdit*>(control)) field->setText(toQString(row.caption));
    if (row.kind == ControlKind::HiddenField) control->setVisible(false);
    keepBelowCaption(control);
    controls[row.name] = control;
  }
  return controls;
}

void setControlText(QWidget* control, const QString& text) {
  if (QLabel* label = labelOf(control)) return label->setText(text);
  if (auto* field = qobject_cast<QLineEdit*>(control)) return field->setText(text);
  if (auto* box = qobject_cast<QPlainTextEdit*>(control)) return box->setPlainText(text);
  if (auto* button = qobject_cast<QAbstractButton*>(control)) return button->setText(text);
  if (auto* frame = qobject_cast<QGroupBox*>(control)) return frame->setTitle(text);
}

namespace {

void fitWrappedLabel(QLabel* label) {
  if (!label->wordWrap()) return;
  const int extra = label->heightForWidth(label->width()) - label->height();
  if (extra <= 0) return;
  QWidget* grown = label;
  int bottom = label->geometry().bottom();
  grown->resize(grown->width(), grown->height() + extra);
  while (QWidget* parent = grown->parentWidget()) {
    for (QObject* child : parent->children()) {
      auto* sibling = qobject_cast<QWidget*>(child);
      if (sibling && sibling != grown && sibling->y() > bottom) sibling->move(sibling->x(), sibling->y() + extra);
    }
    grown = parent;
    bottom = grown->geometry().bottom();
    if (grown->isWindow()) {
      grown->setFixedSize(grown->width(), grown->height() + extra);
      break;
    }
    grown->resize(grown->width(), grown->height() + extra);
  }
}

}  // namespace

void fitWrappedLabels(QWidget* window) {
  // From the top down, so that each label is fitted where the ones above it left it.
  QList<QLabel*> labels = window->findChildren<QLabel*>();
  std::sort(labels.begin(), labels.end(), [window](QLabel* a, QLabel* b) {
    return a->mapTo(window, QPoint()).y() < b->mapTo(window, QPoint()).y();
  });
  for (QLabel* label : labels) fitWrappedLabel(label);
}

void centreOnScreen(QWidget* window) {
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    QRect frame = window->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
  }
}

}  // namespace lumivox
