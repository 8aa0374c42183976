#pragma once
#include <QString>
#include <map>
#include <string>

#include "common/ControlTable.h"

class QWidget;

namespace lumivox {

class Prompter;

// The window itself as its table has it: name, title, a fixed client area and
// the background colour.
void setUpWindow(QWidget* window, const ControlTable& form);

// Builds a window's controls from its control table on the given client
// widget, each carrying its table name as objectName. Returns them by name.
// An XP bar reports bad property values through the prompter.
std::map<std::string, QWidget*> buildForm(QWidget* client, const ControlTable& form, Prompter* prompter = nullptr);

// Sets the text of a control built from a table, shown literally.
void setControlText(QWidget* control, const QString& text);

// The platform's fonts run taller than the design's: every wrapped label of
// the window that needs more lines grows downwards, and what lies below it,
// its frame and the window grow or move with it, so no text is cut off.
void fitWrappedLabels(QWidget* window);

void centreOnScreen(QWidget* window);

}  // namespace lumivox
