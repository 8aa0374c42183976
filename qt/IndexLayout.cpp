#include "qt/IndexLayout.h"

#include <QFont>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QTextBrowser>

#include "qt/DialogueLabel.h"
#include "qt/WindowLayout.h"

namespace lumivox {
namespace {

inline constexpr const char* kWelcomeText =
    "『欢迎使用“Lumivox”。程序还在更新与完善中，请您能及时提供Bug所在。并希望您喜欢他。如果有事情请联系："
    "帮助菜单中的“发送报告”"
    "  谢谢～』按您设置的键继续～[默认为空格]";

enum class Wrap { No, Yes };

// Labels show their text literally: a line from a file may hold "<b>", "&amp;"
// or runs of blanks, and the player must see exactly those characters.
template <typename Label = QLabel>
Label* label(QWidget* parent, const char* name, const char* text, int left, int top, int width, int height,
             Wrap wrap = Wrap::No) {
  auto* l = new Label(parent);
  l->setTextFormat(Qt::PlainText);
  l->setText(QString::fromUtf8(text));
  placeInTwips(l, name, left, top, width, height);
  l->setWordWrap(wrap == Wrap::Yes);
  // The platform's fonts run wider than the design's: a one-line caption
  // grows to the right rather than being clipped.
  if (wrap == Wrap::No && l->sizeHint().width() > l->width()) l->resize(l->sizeHint().width(), l->height());
  return l;
}

QGroupBox* frame(QWidget* parent, const char* name, const char* caption, int left, int top, int width, int height) {
  auto* f = new QGroupBox(QString::fromUtf8(caption), parent);
  placeInTwips(f, name, left, top, width, height);
  return f;
}

void rule(QWidget* parent, const char* name, int left, int top, int width) {
  auto* line = new QFrame(parent);
  line->setFrameShape(QFrame::HLine);
  line->setFrameShadow(QFrame::Sunken);
  placeInTwips(line, name, left, top - 15, width, 30);
}

void colour(QLabel* l, int red, int green, int blue) {
  QPalette palette = l->palette();
  palette.setColor(QPalette::WindowText, QColor(red, green, blue));
  l->setPalette(palette);
}

// A Song (Ming) style face as designed: SimSun where installed, else one of
// the Song/Ming faces of the Linux distributions, the sans-serif one last.
QFont songTypeface(bool bold = false) {
  QFont font(QStringLiteral("SimSun"));
  font.setFamilies({QStringLiteral("SimSun"), QStringLiteral("宋体"), QStringLiteral("NSimSun"),
                    QStringLiteral("AR PL UMing CN"), QStringLiteral("AR PL SungtiL GB"),
                    QStringLiteral("Noto Serif CJK SC"), QStringLiteral("Source Han Serif SC"),
                    QStringLiteral("WenQuanYi Micro Hei")});
  font.setPointSizeF(10.5);
  font.setBold(bold);
  return font;
}

// Text fields the user never sees; they lie outside the client area.
QLineEdit* hiddenField(QWidget* parent, const char* name, const char* text, int top) {
  auto* field = new QLineEdit(QString::fromUtf8(text), parent);
  placeInTwips(field, name, 8040, top, 1215, 285);
  field->setVisible(false);
  return field;
}

}  // namespace

IndexControls buildIndexControls(QWidget* client) {
  IndexControls c;
  client->setFixedSize(twipsToPixels(kClientWidthTwips), twipsToPixels(kClientHeightTwips));

  QGroupBox* frame1 = frame(client, "Frame1", "对话内容", 0, 0, 3495, 2295);
  c.dialogue = label<DialogueLabel>(frame1, "对话内容", kWelcomeText, 120, 240, 3255, 1935, Wrap::Yes);
  c.dialogue->setFont(songTypeface());
  colour(c.dialogue, 255, 0, 0);

  rule(client, "Line1", 0, 2400, 3720);
  label(client, "Label1", "状态：", 0, 2640, 615, 375);
  c.status = label(client, "状态提示", "待命...", 600, 2520, 2895, 615, Wrap::Yes);
  c.status->setAlignment(Qt::AlignCenter);
  colour(c.status, 0, 0, 192);
  rule(client, "Line2", 0, 3120, 3600);

  QGroupBox* frame2 = frame(client, "Frame2", "对话进度", 0, 3240, 3495, 1095);
  label(frame2, "Label2", "0", 158, 360, 255, 255);
  c.bar = new QProgressBar(frame2);
  placeInTwips(c.bar, "Bar1", 330, 390, 2790, 135);
  c.bar->setTextVisible(false);
  label(frame2, "Label3", "100", 3158, 360, 255, 255);
  label(frame2, "Label4", "您目前位于已经分离对话的约", 120, 720, 2415, 255);
  c.percent = label(frame2, "BFB", "0", 2520, 720, 375, 255);
  c.percent->setAlignment(Qt::AlignCenter);
  c.percent->setFont(songTypeface());
  colour(c.percent, 192, 0, 192);
  label(frame2, "Label5", "%处。", 2880, 720, 495, 255);

  QGroupBox* frame3 = frame(client, "Frame3", "主、支线对话选择", 0, 4440, 3495, 1215);
  label(frame3, "Label6", "单击文本  [记忆之门可能要选择内容]", 120, 360, 3255, 255);
  colour(label(frame3, "Label7", "主线剧情", 240, 720, 855, 255), 128, 128, 255);
  colour(label(frame3, "Label8", "记忆之门", 1200, 720, 855, 255), 0, 255, 0);
  label(frame3, "Label9", "隐藏该部分", 2280, 840, 1095, 255);

  label(client, "Label10", "恭喜！您是第", 0, 5850, 705, 495, Wrap::Yes);
  auto* browser = new QTextBrowser(client);
  placeInTwips(browser, "UserNumberBrowser", 840, 5760, 1695, 495);
  browser->setFrameShape(QFrame::NoFrame);
  label(client, "Label11", "位使用软件的人～ ", 2640, 5850, 855, 495, Wrap::Yes);

  c.mainLibraryPath = hiddenField(client, "Dirurl", "", 120);
  c.doorLibraryPath = hiddenField(client, "Dirurl2", "", 480);
  c.mainLoadedText = hiddenField(client, "Text1", "1", 840);
  c.doorLoadedText = hiddenField(client, "Text3", "1", 1200);
  return c;
}

}  // namespace lumivox
