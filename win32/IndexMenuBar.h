#pragma once
#include <windows.h>

#include <map>
#include <vector>

#include "common/CommandId.h"

namespace lumivox {

// The main window's menu bar from the menu table: captions with their access
// keys, each shortcut after a tab and in the accelerator table, the items the
// table starts disabled grayed. Each row's item identifier is its place in
// the table.
class IndexMenuBar {
 public:
  IndexMenuBar();
  ~IndexMenuBar();
  IndexMenuBar(const IndexMenuBar&) = delete;
  IndexMenuBar& operator=(const IndexMenuBar&) = delete;

  // Handed to the window, which destroys it with itself.
  HMENU menu() const { return bar_; }
  HACCEL accelerators() const { return accelerators_; }
  HMENU gateMenu() const { return gate_; }
  // CommandId::None for an identifier that is no item of the table.
  CommandId command(int itemId) const;
  void setEnabled(CommandId command, bool enabled);
  void setChecked(CommandId command, bool checked);

 private:
  HMENU bar_ = nullptr;
  HMENU gate_ = nullptr;
  HACCEL accelerators_ = nullptr;
  std::map<int, CommandId> commands_;
  std::map<CommandId, std::vector<int>> items_;
};

}  // namespace lumivox
