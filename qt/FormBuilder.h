#pragma once
#include <QString>
#include <map>
#include <string>

#include "common/Form.h"

class QWidget;

namespace lumivox {

// Builds a window's controls from its control table on the given client
// widget, each carrying its table name as objectName. Returns them by name.
std::map<std::string, QWidget*> buildForm(QWidget* client, const FormSpec& form);

// Sets the text of a control built from a table, shown literally.
void setControlText(QWidget* control, const QString& text);

}  // namespace lumivox
