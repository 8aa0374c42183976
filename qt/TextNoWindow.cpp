#include "qt/TextNoWindow.h"

#include <QLineEdit>
#include <QPushButton>

#include "qt/ProgressWindowLayout.h"

namespace lumivox {

TextNoWindow::TextNoWindow(DialogueState& state, Prompter& prompter) {
  setObjectName(QStringLiteral("TextNO"));
  setWindowTitle(QStringLiteral("对话进度设置"));
  setAttribute(Qt::WA_DeleteOnClose);
  setFixedSize(twipsToPixels(2640), twipsToPixels(3360));

  QGroupBox* frame = captionlessFrame(this, 120, 120, 2415, 2655);
  fixedLabel(frame, "Label1",
             "    哦？发生意外了？嗯……别急。只要您还记得对话的句数，在这里您就可以直接还原到错误发生前的对话了。"
             "所以说，常注意对话进度也是一种良好的行为。(只对主线对话有效)",
             120, 240, 2175, 1455);
  fixedLabel(frame, "Label2", "跳至对话", 240, 1800, 1815, 255);
  fixedLabel(frame, "Label4", "第", 120, 2160, 255, 255);
  text1_ = typedField(frame, "1", 480, 2160, 1215, 270);
  fixedLabel(frame, "Label3", "句", 1800, 2160, 375, 255);

  QPushButton* confirm = confirmButton(this, text1_, "确认修改", 653, 2880, 1335, 375);
  connect(confirm, &QPushButton::clicked, this, [this, &state, &prompter] { confirmJump(state, *this, prompter); });
}

void TextNoWindow::showModal() {
  setWindowModality(Qt::ApplicationModal);
  show();
}

std::string TextNoWindow::typedText() const { return text1_->text().toStdString(); }

void TextNoWindow::unload() { close(); }

}  // namespace lumivox
