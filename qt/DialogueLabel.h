#pragma once
#include <QFont>
#include <QLabel>

namespace lumivox {

// The dialogue line 对话内容. A library line can hold up to 255 bytes (127
// Chinese characters); when the whole line does not fit the label in the
// label's own font, it is shown in a font made smaller step by step until it
// does. Long words wrap anywhere rather than run past the edge. The text is
// always shown as plain text.
class DialogueLabel final : public QLabel {
  Q_OBJECT
 public:
  explicit DialogueLabel(QWidget* parent = nullptr);

  // The font the current text is drawn in.
  QFont shownFont() const;
  // Height in pixels the current text takes when drawn in the given font.
  qreal textHeight(const QFont& font) const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  struct Fit {
    QString text;
    QSize size;
    QFont base;
    QFont shown;
  };
  mutable Fit fit_;
};

}  // namespace lumivox
