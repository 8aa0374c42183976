#pragma once
#include <string>
#include <vector>

#include "common/CommandId.h"

namespace lumivox {

// One row of the main window's menu tree, in the order the menus show it.
// A row belongs to the nearest submenu above it that is one level less deep.
struct MenuEntry {
  enum class Kind { Submenu, Item, Separator };
  Kind kind;
  int depth;             // 0: on the menu bar
  std::string name;      // the name tests and tools find it by
  std::string caption;   // "&" marks the access key
  CommandId command;     // None for submenus and separators
  std::string shortcut;  // "Ctrl+O", "Del" or empty
  bool initiallyEnabled;
  bool popsUp = false;   // a submenu that OpenGateMenu also pops up at the pointer
  bool checkable = false;  // an item that shows a check mark
  bool radio = false;      // checkable, and one of its submenu's group of choices
};

// The whole menu tree of the main window, read by every front end.
const std::vector<MenuEntry>& indexMenu();

// The row that carries this name; nothing for an unknown name.
const MenuEntry* findMenuEntry(const std::string& name);

}  // namespace lumivox
