#pragma once
#include <QString>

class QMenuBar;

namespace lumivox {

// Builds the main window's whole menu tree: every menu and item carries its
// name as objectName, its caption with access key, its shortcut and its
// initial enabled state.
void buildIndexMenus(QMenuBar* menuBar);

// Items whose feature this build does not have yet: they are shown, and stay
// disabled whatever asks to enable them, so none of them is ever dead.
bool awaitsFeature(const QString& itemName);

}  // namespace lumivox
