#pragma once
#include <functional>

class QAction;
class QMenuBar;

namespace lumivox {

// Builds the main window's whole menu tree: every menu and item carries its
// name as objectName, its caption with access key, its shortcut and its
// initial enabled state.
void buildIndexMenus(QMenuBar* menuBar);

// Gives an item its feature: the handler runs when it is chosen, and the item
// takes its initial enabled state.
void connectMenuItem(QAction* item, std::function<void()> handler);

// Items no feature has connected to yet: they are shown, and stay disabled
// whatever asks to enable them, so none of them is ever dead.
bool awaitsFeature(const QAction* item);

}  // namespace lumivox
