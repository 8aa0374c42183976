#include "qt/FormBuilder.h"

#include <QFont>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>

#include "common/Twips.h"
#include "qt/DialogueLabel.h"
#include "qt/QtText.h"

namespace lumivox {
namespace {

// A Song (Ming) style face as designed: SimSun where installed, else one of
// the Song/Ming faces of the Linux distributions, the sans-serif one last.
QFont fontFor(const ControlSpec& spec, QFont font) {
  if (!spec.face.empty())
    font.setFamilies({toQString(spec.face), QStringLiteral("SimSun"), QStringLiteral("NSimSun"),
                      QStringLiteral("AR PL UMing CN"), QStringLiteral("AR PL SungtiL GB"),
                      QStringLiteral("Noto Serif CJK SC"), QStringLiteral("Source Han Serif SC"),
                      QStringLiteral("WenQuanYi Micro Hei")});
  if (spec.points > 0) font.setPointSizeF(spec.points);
  font.setBold(spec.bold);
  return font;
}

QWidget* create(const ControlSpec& spec, QWidget* parent) {
  switch (spec.kind) {
    case ControlKind::Frame: return new QGroupBox(toQString(spec.caption), parent);
    case ControlKind::DialogueLine: return new DialogueLabel(parent);
    case ControlKind::Label: return new QLabel(parent);
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
      return box;
    }
    case ControlKind::Button: return new QPushButton(toQString(spec.caption), parent);
    case ControlKind::OptionButton: return new QRadioButton(toQString(spec.caption), parent);
    case ControlKind::Picture:
    case ControlKind::XpBar: return new QLabel(parent);
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

std::map<std::string, QWidget*> buildForm(QWidget* client, const FormSpec& form) {
  std::map<std::string, QWidget*> controls;
  for (const ControlSpec& spec : form.controls) {
    QWidget* parent = spec.parent.empty() ? client : controls.at(spec.parent);
    QWidget* control = create(spec, parent);
    control->setObjectName(toQString(spec.name));
    const int height = spec.kind == ControlKind::Line ? 2 : twipsToPixels(spec.height);
    control->setGeometry(twipsToPixels(spec.left), twipsToPixels(spec.top), twipsToPixels(spec.width), height);
    control->setFont(fontFor(spec, control->font()));
    if (spec.colour) {
      QPalette palette = control->palette();
      palette.setColor(QPalette::WindowText, QColor(spec.colour->red, spec.colour->green, spec.colour->blue));
      control->setPalette(palette);
    }
    if (auto* label = qobject_cast<QLabel*>(control)) {
      // Labels show their text literally: a line from a file may hold "<b>",
      // "&amp;" or runs of blanks, and the player must see exactly those.
      label->setTextFormat(Qt::PlainText);
      label->setWordWrap(spec.wrap);
      if (spec.kind != ControlKind::DialogueLine)
        label->setAlignment(spec.align == Align::Centre ? Qt::AlignCenter
                                                        : Qt::AlignLeft | (spec.wrap ? Qt::AlignTop : Qt::AlignVCenter));
      label->setText(toQString(spec.caption));
      if (!spec.wrap) fitOneLine(label);
    }
    if (auto* field = qobject_cast<QLineEdit*>(control)) field->setText(toQString(spec.caption));
    if (spec.kind == ControlKind::HiddenField) control->setVisible(false);
    keepBelowCaption(control);
    controls[spec.name] = control;
  }
  return controls;
}

void setControlText(QWidget* control, const QString& text) {
  if (auto* label = qobject_cast<QLabel*>(control)) return label->setText(text);
  if (auto* field = qobject_cast<QLineEdit*>(control)) return field->setText(text);
  if (auto* box = qobject_cast<QPlainTextEdit*>(control)) return box->setPlainText(text);
  if (auto* button = qobject_cast<QAbstractButton*>(control)) return button->setText(text);
  if (auto* frame = qobject_cast<QGroupBox*>(control)) return frame->setTitle(text);
}

}  // namespace lumivox
