#include "qt/HotkeysSetupWindow.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

#include "common/Twips.h"
#include "dialogue/Hotkeys.h"
#include "qt/QtText.h"
#include "qt/WindowLayout.h"

namespace lumivox {
namespace {


QPushButton* button(QWidget* parent, const char* name, const char* caption, int left, int width) {
  auto* b = new QPushButton(toQString(caption), parent);
  placeInTwips(b, name, left, 4680, width, 375);
  b->setAutoDefault(false);
  b->setDefault(false);
  return b;
}

inline constexpr const char* kExplanation =
    "    本系统允许您定义自己的『对话切换热键』。请在定义前三思，因为您定义的按键要在游戏中能切换对话，"
    "同时又能选择选项。否则，错误的热键会给您的游戏带来不便。";

}  // namespace

HotkeysSetupWindow::HotkeysSetupWindow(Prompter& prompter, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::WindowSystemMenuHint),
      prompter_(prompter) {
  setObjectName(QStringLiteral("HotkeysSetup"));
  setWindowTitle(QStringLiteral("热键设置"));
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowModality(Qt::ApplicationModal);
  setFixedSize(twipsToPixels(3285), twipsToPixels(5175));

  auto* explanation = new QLabel(toQString(kExplanation), this);
  placeInTwips(explanation, "Label1", 120, 120, 3015, 1095);
  explanation->setTextFormat(Qt::PlainText);
  explanation->setWordWrap(true);
  explanation->setAlignment(Qt::AlignLeft | Qt::AlignTop);

  auto* frame = new QGroupBox(QStringLiteral("定义热键项[不允许添加新的]"), this);
  placeInTwips(frame, "Frame1", 120, 1320, 3015, 3135);
  auto* group = new QButtonGroup(this);
  group->setExclusive(true);
  const int tops[] = {360, 720, 1080, 1440, 1800, 2280, 2640};
  const auto& choices = hotkeyChoices();
  for (std::size_t row = 0; row < options_.size(); ++row) {
    auto* option = new QRadioButton(toQString(choices[row].caption), frame);
    const std::string name = "Option" + std::to_string(row + 1);
    placeInTwips(option, name.c_str(), 120, tops[row], 2775, row == 4 ? 375 : 255);
    group->addButton(option, static_cast<int>(row));
    options_[row] = option;
  }
  options_[0]->setChecked(true);

  auto* apply = button(this, "Command1", "应用新设置", 195, 1455);
  auto* cancel = button(this, "Command2", "取消", 1875, 1215);
  connect(apply, &QPushButton::clicked, this, [this] { applyHotkeySetup(*this, prompter_); });
  connect(cancel, &QPushButton::clicked, this, &QWidget::close);

  // Tab order as designed: the options, then apply and cancel.
  for (std::size_t row = 1; row < options_.size(); ++row) setTabOrder(options_[row - 1], options_[row]);
  setTabOrder(options_.back(), apply);
  setTabOrder(apply, cancel);
}

void HotkeysSetupWindow::open() {
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    QRect frame = frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
  }
  show();
  options_[0]->setFocus();
}

bool HotkeysSetupWindow::isOptionSelected(std::size_t row) const {
  return row < options_.size() && options_[row]->isChecked();
}

void HotkeysSetupWindow::closeWindow() { close(); }

void HotkeysSetupWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) return event->ignore();
  QDialog::keyPressEvent(event);
}

}  // namespace lumivox
