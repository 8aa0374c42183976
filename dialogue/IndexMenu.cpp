#include "dialogue/IndexMenu.h"

#include "dialogue/Tracks.h"

namespace lumivox {
namespace {

using Kind = MenuEntry::Kind;
using C = CommandId;

struct MenuBuilder {
  std::vector<MenuEntry> rows;

  void submenu(int depth, const char* name, const char* caption, bool popsUp = false) {
    rows.push_back({Kind::Submenu, depth, name, caption, C::None, "", true, popsUp});
  }
  void item(int depth, const char* name, const char* caption, CommandId command, const char* shortcut = "",
            bool enabled = true) {
    rows.push_back({Kind::Item, depth, name, caption, command, shortcut, enabled});
  }
  // An item with a check mark; radio items of one submenu are one choice.
  void checkItem(int depth, const char* name, const char* caption, CommandId command, bool radio = false) {
    rows.push_back({Kind::Item, depth, name, caption, command, "", true, false, true, radio});
  }
  void separator(int depth) { rows.push_back({Kind::Separator, depth, "", "", C::None, "", true}); }
  // Door items are captioned with their own names.
  void doors(int depth, std::size_t first, std::size_t last) {
    for (std::size_t i = first; i <= last; ++i) {
      const std::string name(doorEntryItems()[i]);
      rows.push_back({Kind::Item, depth, name, name, C::EnterDoor, "", true});
    }
  }
};

constexpr bool kOff = false;
constexpr bool kPopsUp = true;
constexpr bool kRadio = true;

std::vector<MenuEntry> buildIndexMenu() {
  MenuBuilder m;
  m.submenu(0, "程序设置", "程序(&O)");
  m.item(1, "启动游戏", "启动游戏程序...(&O)", C::LaunchGame, "Ctrl+O");
  m.separator(1);
  m.item(1, "显示主支线对话选择", "显示『主、支线对话选择』(&S)", C::ShowTrackChoice, "", kOff);
  m.separator(1);
  m.item(1, "保存设置系统", "自动保存设置...(&S)", C::AutoSaveSettings);
  m.item(1, "对话进程设置", "对话进程设置...(&T)", C::JumpSettings);
  m.item(1, "切换按键设置", "切换按键设置...(&H)", C::HotkeySettings);
  // Under 程序: a fifth menu on the bar would not fit the window's width.
  m.submenu(1, "窗口", "窗口(&W)");
  m.checkItem(2, "总在最前", "总在最前(&T)", C::StayOnTop);
  m.submenu(2, "透明度", "透明度(&O)");
  m.checkItem(3, "透明度100", "100 %", C::Opacity100, kRadio);
  m.checkItem(3, "透明度85", "85 %", C::Opacity85, kRadio);
  m.checkItem(3, "透明度70", "70 %", C::Opacity70, kRadio);
  m.checkItem(3, "透明度55", "55 %", C::Opacity55, kRadio);
  m.separator(1);
  m.item(1, "退出", "退出(&E)", C::Exit, "Del");

  m.submenu(0, "对话", "对话(&T)");
  m.item(1, "主线剧情", "主线剧情(&I)", C::MainStory);
  m.separator(1);
  m.submenu(1, "记忆之门", "记忆之门(&R)", kPopsUp);
  m.submenu(2, "星之扉", "星之扉(&S)");
  m.doors(3, 0, 14);
  m.submenu(2, "月之扉", "月之扉(&M)");
  m.submenu(3, "月之扉1", "月之扉1");
  m.item(4, "初次进入YUE1", "初次进入", C::EnterDoor);
  m.item(4, "再次进入YUE1", "再次进入", C::EnterDoor);
  m.doors(3, 17, 20);
  m.submenu(2, "太阳之扉", "太阳之扉(&S)");
  m.doors(3, 21, 25);
  m.separator(1);
  m.item(1, "返回对话1", "返回对话*1(&B)", C::StepBack1, "Ctrl+B");
  m.item(1, "返回对话10", "返回对话*10(&V)", C::StepBack10, "Ctrl+V");
  m.separator(1);
  m.item(1, "快进对话1", "快进对话*1(&G)", C::StepForward1, "Ctrl+G");
  m.item(1, "快进对话10", "快进对话*10(&H)", C::StepForward10, "Ctrl+H");
  m.separator(1);
  m.checkItem(1, "暂停计数", "暂停计数(&P)", C::PauseCounting);
  m.item(1, "对话列表", "对话列表...(&L)", C::ShowLines);
  m.separator(1);
  m.item(1, "新建对话进度", "新建对话进度(&N)", C::NewProgress);
  m.separator(1);
  m.item(1, "Debug模式", "Debug模式(&D)", C::DebugMode, "", kOff);
  m.item(1, "退出Debug模式", "退出Debug模式(&E)", C::LeaveDebugMode, "", kOff);

  m.submenu(0, "保存", "保存(&S)");
  m.submenu(1, "主线对话内容", "主线对话内容(&I)");
  m.item(2, "载入上次保存的对话", "载入上次保存的对话(&L)", C::LoadMain, "Ctrl+L", kOff);
  m.item(2, "保存当前的对话进度", "保存当前的对话进度(&S)", C::SaveMain, "Ctrl+S", kOff);
  m.separator(2);
  m.item(2, "载入自动存档的对话", "载入自动存档的对话(&A)", C::LoadAutoSaveMain, "", kOff);
  m.submenu(1, "记忆之门对话内容", "记忆之门对话内容(&D)");
  m.item(2, "载入上次保存的对话2", "载入上次保存的对话(&L)", C::LoadDoor, "Ctrl+Z", kOff);
  m.item(2, "保存当前的对话进度2", "保存当前的对话进度(&S)", C::SaveDoor, "Ctrl+M", kOff);
  m.separator(2);
  m.item(2, "载入自动存档的对话2", "载入自动存档的对话(&A)", C::LoadAutoSaveDoor, "", kOff);

  m.submenu(0, "帮助", "帮助(&H)");
  m.item(1, "使用帮助", "使用帮助(&U)", C::Help);
  m.item(1, "检查词库", "检查词库(&C)...", C::CheckLibrary);
  m.submenu(1, "发送报告", "发送报告(&S)");
  m.item(2, "错误报告", "错误报告(&E)...", C::ErrorReport);
  m.item(2, "建议报告", "建议报告(&J)...", C::SuggestionReport);
  m.separator(1);
  m.item(1, "展示窗体", "展示窗体(&H)...", C::ShowWindow);
  m.separator(1);
  m.item(1, "关于", "关于...(&A)", C::About);
  return m.rows;
}

}  // namespace

const std::vector<MenuEntry>& indexMenu() {
  static const std::vector<MenuEntry> rows = buildIndexMenu();
  return rows;
}

const MenuEntry* findMenuEntry(const std::string& name) {
  for (const MenuEntry& row : indexMenu())
    if (!name.empty() && row.name == name) return &row;
  return nullptr;
}

}  // namespace lumivox
