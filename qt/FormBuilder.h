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
// widget, each carrying its table name as objectName, its labels fitted to
// their texts (the client grows with them), the table's first focus and its
// buttons' keys: Enter and Esc press the default and cancel buttons, or
// nothing. A Close button closes the window. Returns the controls by name.
// An XP bar reports bad property values through the prompter.
std::map<std::string, QWidget*> buildForm(QWidget* client, const ControlTable& form, Prompter* prompter = nullptr);

// Sets the text of a control built from a table, shown literally.
void setControlText(QWidget* control, const QString& text);
// The same for a label that shows addresses: they go on to the next line
// after their marks where the label is too narrow.
void setAddressText(QWidget* label, const std::string& text);

void centreOnScreen(QWidget* window);

}  // namespace lumivox
