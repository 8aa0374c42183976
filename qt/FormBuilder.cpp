#include "qt/FormBuilder.h"

#include <QDialog>
#include <QFont>
#include <QFontMetrics>
#include <QFrame>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QKeySequenceEdit>
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

#include "common/LabelFitting.h"
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

// One combination: a press after it starts the next instead of adding a
// second key to the sequence.
QKeySequenceEdit* keyField(QWidget* parent) {
  auto* field = new QKeySequenceEdit(parent);
  QObject::connect(field, &QKeySequenceEdit::keySequenceChanged, field, [field](const QKeySequence& keys) {
    if (keys.count() >= 1) field->setKeySequence(QKeySequence(keys[0]));
  });
  return field;
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
      box->setTabChangesFocus(true);  // read, not typed in: Tab moves on
      // The tables end their lines the Windows way.
      box->setPlainText(toQString(row.caption).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
      return box;
    }
    case ControlKind::Button: return new QPushButton(toQString(row.caption), parent);
    case ControlKind::OptionButton: return new QRadioButton(toQString(row.caption), parent);
    case ControlKind::KeyField: return keyField(parent);
    case ControlKind::Picture: return new QLabel(parent);
    case ControlKind::XpBar:
      if (!prompter) throw std::invalid_argument("an XP bar needs a prompter");
      return new XpProgressBarWidget(*prompter, parent);
  }
  return new QWidget(parent);
}

// The labels' texts as the platform draws them.
class WidgetMeasure final : public TextMeasure {
 public:
  explicit WidgetMeasure(const std::map<std::string, QWidget*>& controls) : controls_(controls) {}
  int textWidth(const ControlRow& label) const override { return labelOf(controls_.at(label.name))->sizeHint().width(); }
  int textHeight(const ControlRow& label, int width) const override {
    return labelOf(controls_.at(label.name))->heightForWidth(width);
  }
  Margins frameMargins(const ControlRow& frame) const override {
    const QMargins margins = controls_.at(frame.name)->contentsMargins();
    return {margins.left(), margins.top(), margins.right(), margins.bottom()};
  }

 private:
  const std::map<std::string, QWidget*>& controls_;
};

// Enter presses the default button by itself (no other button is one); Esc
// presses the cancel button, or nothing where the table names none.
class DialogKeys final : public QObject {
 public:
  DialogKeys(QDialog* dialog, QPushButton* cancel) : QObject(dialog), cancel_(cancel) {}
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() != QEvent::KeyPress || !static_cast<QKeyEvent*>(event)->matches(QKeySequence::Cancel))
      return false;
    if (cancel_) cancel_->click();
    return true;
  }

 private:
  QPushButton* cancel_;
};

void wireButton(QPushButton* button, const ControlRow& row, const ControlTable& form, QWidget* window,
                const std::map<std::string, QWidget*>& controls) {
  button->setAutoDefault(false);
  button->setDefault(row.name == form.defaultButton);
  if (row.command == ButtonCommand::Close) QObject::connect(button, &QPushButton::clicked, window, &QWidget::close);
  if (row.command == ButtonCommand::ClearKey)
    if (auto* field = qobject_cast<QKeySequenceEdit*>(controls.at(row.target)))
      QObject::connect(button, &QPushButton::clicked, field, &QKeySequenceEdit::clear);
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
  QWidget* window = client->window();
  for (const ControlRow& row : form.controls) {
    QWidget* parent = row.parent.empty() ? client : controls.at(row.parent);
    QWidget* control = create(row, parent, prompter);
    control->setObjectName(toQString(row.name));
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
    }
    if (auto* button = qobject_cast<QPushButton*>(control)) wireButton(button, row, form, window, controls);
    if (auto* option = qobject_cast<QRadioButton*>(control)) option->setChecked(row.checked);
    if (auto* field = qobject_cast<QLineEdit*>(control)) field->setText(toQString(row.caption));
    if (row.kind == ControlKind::HiddenField) control->setVisible(false);
    controls[row.name] = control;
  }

  const FittedForm fitted = fitLabels(form, WidgetMeasure(controls));
  for (std::size_t i = 0; i < form.controls.size(); ++i) {
    const Place& at = fitted.places[i];
    controls.at(form.controls[i].name)->setGeometry(at.left, at.top, at.width, at.height);
  }
  client->setFixedSize(fitted.clientWidth, fitted.clientHeight);

  if (auto* dialog = qobject_cast<QDialog*>(window)) {
    const auto cancel = controls.find(form.cancelButton);
    dialog->installEventFilter(
        new DialogKeys(dialog, cancel == controls.end() ? nullptr : qobject_cast<QPushButton*>(cancel->second)));
  }
  if (!form.firstFocus.empty()) controls.at(form.firstFocus)->setFocus();
  return controls;
}

void setControlText(QWidget* control, const QString& text) {
  if (QLabel* label = labelOf(control)) return label->setText(text);
  if (auto* field = qobject_cast<QLineEdit*>(control)) return field->setText(text);
  if (auto* keys = qobject_cast<QKeySequenceEdit*>(control))
    return keys->setKeySequence(QKeySequence::fromString(text, QKeySequence::PortableText));
  if (auto* box = qobject_cast<QPlainTextEdit*>(control)) return box->setPlainText(text);
  if (auto* button = qobject_cast<QAbstractButton*>(control)) return button->setText(text);
  if (auto* frame = qobject_cast<QGroupBox*>(control)) return frame->setTitle(text);
}

void setAddressText(QWidget* control, const std::string& text) {
  QLabel* label = labelOf(control);
  const QFontMetrics metrics(label->font());
  label->setText(toQString(withAddressBreaks(text, label->contentsRect().width(), [&metrics](std::string_view line) {
    return metrics.horizontalAdvance(toQString(line));
  })));
}

void centreOnScreen(QWidget* window) {
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    QRect frame = window->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
  }
}

}  // namespace lumivox
