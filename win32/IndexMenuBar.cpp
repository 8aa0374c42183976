#include "win32/IndexMenuBar.h"

#include <optional>
#include <string>

#include "dialogue/IndexMenu.h"
#include "win32/WideText.h"

namespace lumivox {
namespace {

// Past the controls' identifiers.
constexpr int kFirstItemId = 1000;

// "Ctrl+<letter>" and "Del", the shortcuts the table uses.
std::optional<ACCEL> accelerator(const std::string& shortcut, int itemId) {
  const WORD id = static_cast<WORD>(itemId);
  if (shortcut == "Del") return ACCEL{FVIRTKEY, VK_DELETE, id};
  const std::string ctrl = "Ctrl+";
  if (shortcut.size() == ctrl.size() + 1 && shortcut.starts_with(ctrl))
    return ACCEL{FVIRTKEY | FCONTROL, static_cast<WORD>(shortcut.back()), id};
  return std::nullopt;
}

}  // namespace

IndexMenuBar::IndexMenuBar() {
  bar_ = CreateMenu();
  std::vector<HMENU> open{bar_};  // the menu of each depth being filled
  std::vector<ACCEL> accelerators;
  const std::vector<MenuEntry>& rows = indexMenu();
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const MenuEntry& row = rows[i];
    open.resize(static_cast<std::size_t>(row.depth) + 1);
    HMENU parent = open.back();
    if (row.kind == MenuEntry::Kind::Separator) {
      AppendMenuW(parent, MF_SEPARATOR, 0, nullptr);
      continue;
    }
    if (row.kind == MenuEntry::Kind::Submenu) {
      HMENU submenu = CreatePopupMenu();
      AppendMenuW(parent, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(submenu), toWide(row.caption).c_str());
      if (row.popsUp) gate_ = submenu;
      open.push_back(submenu);
      continue;
    }
    const int id = kFirstItemId + static_cast<int>(i);
    std::string caption = row.caption;
    if (!row.shortcut.empty()) caption += "\t" + row.shortcut;
    AppendMenuW(parent, MF_STRING | (row.initiallyEnabled ? MF_ENABLED : MF_GRAYED), static_cast<UINT_PTR>(id),
                toWide(caption).c_str());
    if (row.radio) {
      MENUITEMINFOW info{};
      info.cbSize = sizeof info;
      info.fMask = MIIM_FTYPE;
      info.fType = MFT_STRING | MFT_RADIOCHECK;
      SetMenuItemInfoW(parent, static_cast<UINT>(id), FALSE, &info);
    }
    commands_[id] = row.command;
    items_[row.command].push_back(id);
    if (const auto shortcut = accelerator(row.shortcut, id)) accelerators.push_back(*shortcut);
  }
  accelerators_ = CreateAcceleratorTableW(accelerators.data(), static_cast<int>(accelerators.size()));
}

IndexMenuBar::~IndexMenuBar() {
  if (accelerators_) DestroyAcceleratorTable(accelerators_);
}

CommandId IndexMenuBar::command(int itemId) const {
  const auto found = commands_.find(itemId);
  return found == commands_.end() ? CommandId::None : found->second;
}

void IndexMenuBar::setEnabled(CommandId command, bool enabled) {
  for (int id : items_[command]) EnableMenuItem(bar_, static_cast<UINT>(id), MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

void IndexMenuBar::setChecked(CommandId command, bool checked) {
  for (int id : items_[command]) CheckMenuItem(bar_, static_cast<UINT>(id), MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

}  // namespace lumivox
