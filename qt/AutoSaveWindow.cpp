#include "qt/AutoSaveWindow.h"

#include <QLineEdit>
#include <QPushButton>

#include "qt/ProgressWindowLayout.h"

namespace lumivox {

AutoSaveWindow::AutoSaveWindow(IndexModel& index, Prompter& prompter) : index_(index), prompter_(prompter) {
  setObjectName(QStringLiteral("AutoSave"));
  setWindowTitle(QStringLiteral("自动保存设置"));
  setAttribute(Qt::WA_DeleteOnClose);
  setFixedSize(twipsToPixels(2535), twipsToPixels(2775));

  QGroupBox* frame = captionlessFrame(this, 120, 0, 2295, 2175);
  fixedLabel(frame, "Label1", "    呵呵～在此您可以设置自动保存对话进度的时间间隔。让您在意外发生之时，损失降低到最小～",
             120, 240, 2055, 735);
  fixedLabel(frame, "Label2", "对话进度自动保存时间为：(建议大于60)", 240, 1200, 1695, 375);
  text1_ = typedField(frame, "60", 240, 1680, 1335, 270);
  fixedLabel(frame, "Label3", "秒", 1680, 1680, 375, 255);

  QPushButton* confirm = confirmButton(this, text1_, "确定设置", 540, 2280, 1455, 375);
  connect(confirm, &QPushButton::clicked, this, [this] { confirmAutoSaveSettings(*this, index_, prompter_); });
}

void AutoSaveWindow::loadAndShowModal() {
  loadAutoSaveSettings(*this, index_, prompter_);
  setWindowModality(Qt::ApplicationModal);
  show();
}

std::string AutoSaveWindow::typedText() const { return text1_->text().toStdString(); }
void AutoSaveWindow::setTypedText(const std::string& text) { text1_->setText(QString::fromStdString(text)); }
void AutoSaveWindow::unload() { close(); }

}  // namespace lumivox
