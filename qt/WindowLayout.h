#pragma once
#include <QString>

class QGroupBox;
class QLabel;
class QPushButton;
class QWidget;

namespace lumivox {

// Helpers for laying out the program's windows as designed, positions and
// sizes in twips; every control carries its name as objectName.
void placeInTwips(QWidget* widget, const char* name, int left, int top, int width, int height);
QGroupBox* twipsFrame(QWidget* parent, const char* name, const char* caption, int left, int top, int width, int height);
// A label with a fixed caption, one line unless wrap is set. Captions taken
// from files are set later, always as plain text.
QLabel* twipsLabel(QWidget* parent, const char* name, const QString& caption, int left, int top, int width, int height,
                   bool wrap = false);
// The window's one button, pressed by Enter and by Esc alike.
QPushButton* closingButton(QWidget* window, const char* name, const char* caption, int left, int top, int width,
                           int height);
// Fixed client size, a single fixed border and the window centred on the screen.
void fixWindow(QWidget* window, int widthTwips, int heightTwips);

}  // namespace lumivox
