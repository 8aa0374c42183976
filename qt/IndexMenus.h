#pragma once
class QMenuBar;

namespace lumivox {

// Builds the main window's whole menu tree: every menu and item carries its
// name as objectName, its caption with access key, its shortcut and its
// initial enabled state.
void buildIndexMenus(QMenuBar* menuBar);

}  // namespace lumivox
