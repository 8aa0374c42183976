#include "qt/AboutWindow.h"

#include <QFont>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QWindow>

#include "info/Reports.h"
#include "qt/QtText.h"
#include "qt/QtTicker.h"
#include "qt/WindowLayout.h"

namespace lumivox {
namespace {


QLabel* centred(QLabel* label) {
  label->setAlignment(Qt::AlignCenter);
  return label;
}

// 宋体 10.5 point bold, or the nearest Chinese face the system has.
QFont thanksFont() {
  QFont font(toQString("宋体"));
  font.setFamilies({toQString("宋体"), toQString("SimSun"), toQString("WenQuanYi Micro Hei"), toQString("Noto Sans CJK SC"), toQString("AR PL UMing CN")});
  font.setPointSizeF(10.5);
  font.setBold(true);
  return font;
}

QString contactNote() {
  // The address may break after its dots, at-sign and hyphens in the narrow frame.
  QString address = toQString(kContactEmail);
  for (const char* mark : {"@", ".", "-"}) address.replace(toQString(mark), toQString(mark) + QChar(0x200B));
  return toQString("E-Mail:\n") + address + toQString("\nQQ:") + toQString(kContactMessenger) +
         toQString("\n有问必答，尽力支持。\n© Lumivox 开发组\n欢迎转载分发。");
}

}  // namespace

AboutWindow::AboutWindow(const std::string& mainLibraryPath, Prompter& prompter) {
  setObjectName(toQString("About"));
  setWindowTitle(toQString("关于『Lumivox』"));
  setAttribute(Qt::WA_DeleteOnClose);
  fixWindow(this, 5715, 4860);

  QGroupBox* frame1 = twipsFrame(this, "Frame1", "版本信息", 120, 120, 3615, 2175);
  twipsLabel(frame1, "Label1", toQString(" 程序版本："), 240, 360, 1095, 255);
  centred(twipsLabel(frame1, "Label2", toQString(kProgramVersion), 1680, 360, 1335, 255));
  twipsLabel(frame1, "Label3", toQString("对话文件库："), 120, 840, 1455, 255);
  build_ = centred(twipsLabel(frame1, "Label4", toQString("\?\?\?\?-\?\?-\?\?日更新"), 1320, 840, 2175, 255));
  twipsLabel(frame1, "Label5", toQString("对话量(主线)："), 240, 1320, 1335, 255);
  mainCount_ = centred(twipsLabel(frame1, "Label6", toQString("????"), 1800, 1320, 975, 255));
  twipsLabel(frame1, "Label12", toQString("对话量  (门)："), 240, 1680, 1335, 255);
  doorCount_ = centred(twipsLabel(frame1, "Doortextnumber", toQString("????"), 1680, 1680, 1215, 255));

  QGroupBox* frame2 = twipsFrame(this, "Frame2", "版权信息", 120, 2400, 3615, 1095);
  twipsLabel(frame2, "Label7", toQString("程序制作："), 120, 360, 1095, 255);
  twipsLabel(frame2, "Label8", toQString("Pell"), 1920, 360, 735, 375);
  twipsLabel(frame2, "Label9", toQString("对话翻译："), 120, 720, 975, 255);
  twipsLabel(frame2, "Label10", toQString("Lumivox 翻译组"), 1680, 720, 1335, 255);

  QGroupBox* frame3 = twipsFrame(this, "Frame3", "联系方式", 3960, 120, 1575, 3015);
  QLabel* contact = twipsLabel(frame3, "Label11", contactNote(), 240, 360, 1215, 2535, true);
  contact->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  QFont small = contact->font();
  small.setPointSizeF(8);  // the whole address has to fit the frame
  contact->setFont(small);

  closingButton(this, "Command1", "确定", 4200, 3240, 1095, 375);

  QGroupBox* frame4 = twipsFrame(this, "Frame4", "鸣谢  感谢以下人员为程序作出的贡献  滚动播出(5秒)", 0, 3840, 5655, 975);
  thanks_ = twipsLabel(frame4, "SThanks", toQString("请稍后，鸣谢列表正在载入..."), 240, 240, 5175, 615, true);
  thanks_->setFont(thanksFont());

  // A long entry is read from its start.
  thanks_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

  auto* ticker = new QtTicker(this, {{TimerId::ThanksTimer, "ThanksTimer", 5000, true},
                                     {TimerId::CThanksList, "CThanksList", 10000, true}},
                              [this](TimerId timer) { controller_->onTimer(timer); });
  controller_ = std::make_unique<AboutController>(*this, *ticker, prompter);
  controller_->load(mainLibraryPath);
}

void AboutWindow::setBuildText(const std::string& text) { build_->setText(toQString(text)); }
void AboutWindow::setMainLineCountText(const std::string& text) { mainCount_->setText(toQString(text)); }
void AboutWindow::setDoorLineCountText(const std::string& text) { doorCount_->setText(toQString(text)); }
void AboutWindow::setThanksText(const std::string& text) { thanks_->setText(toQString(text)); }
std::string AboutWindow::thanksText() const { return thanks_->text().toStdString(); }

void AboutWindow::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  // A dialog is kept above whatever window was active when it opened; About
  // has no owner and stands on its own.
  if (QWindow* window = windowHandle()) window->setTransientParent(nullptr);
}

void AboutWindow::closeEvent(QCloseEvent* event) {
  controller_->onUnload();
  QDialog::closeEvent(event);
}

}  // namespace lumivox
