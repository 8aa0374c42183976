#include "qt/IndexMenus.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

#include "qt/QtText.h"

namespace lumivox {
namespace {

QMenu* submenu(QWidget* parent, const char* name, const char* caption) {
  auto* menu = new QMenu(toQString(caption), parent);
  menu->setObjectName(toQString(name));
  menu->menuAction()->setObjectName(toQString(name));
  if (auto* bar = qobject_cast<QMenuBar*>(parent)) {
    bar->addMenu(menu);
  } else {
    static_cast<QMenu*>(parent)->addMenu(menu);
  }
  return menu;
}

enum class Initially { On, Off };

QAction* item(QMenu* menu, const QString& name, const QString& caption, const QKeySequence& shortcut = {},
              Initially initially = Initially::On) {
  QAction* action = menu->addAction(caption);
  action->setObjectName(name);
  action->setShortcut(shortcut);
  action->setEnabled(initially == Initially::On);
  return action;
}

QAction* item(QMenu* menu, const char* name, const char* caption, const QKeySequence& shortcut = {},
              Initially initially = Initially::On) {
  return item(menu, toQString(name), toQString(caption), shortcut, initially);
}

// Door items are captioned with their own names.
void doorItems(QMenu* menu, const char* prefix, int first, int last) {
  for (int i = first; i <= last; ++i) {
    const QString name = toQString(prefix) + QString::number(i);
    item(menu, name, name);
  }
}

}  // namespace

void buildIndexMenus(QMenuBar* bar) {
  QMenu* program = submenu(bar, "程序设置", "程序(&O)");
  item(program, "启动游戏", "启动游戏程序...(&O)", QKeySequence(Qt::CTRL | Qt::Key_O));
  program->addSeparator();
  item(program, "显示主支线对话选择", "显示『主、支线对话选择』(&S)", {}, Initially::Off);
  program->addSeparator();
  item(program, "保存设置系统", "自动保存设置...(&S)");
  item(program, "对话进程设置", "对话进程设置...(&T)");
  item(program, "切换按键设置", "切换按键设置...(&H)");
  program->addSeparator();
  item(program, "退出", "退出(&E)", QKeySequence(Qt::Key_Delete));

  QMenu* dialogue = submenu(bar, "对话", "对话(&T)");
  item(dialogue, "主线剧情", "主线剧情(&I)");
  dialogue->addSeparator();
  QMenu* gate = submenu(dialogue, "记忆之门", "记忆之门(&R)");
  doorItems(submenu(gate, "星之扉", "星之扉(&S)"), "星之扉", 1, 15);
  QMenu* moon = submenu(gate, "月之扉", "月之扉(&M)");
  QMenu* moonFirst = submenu(moon, "月之扉1", "月之扉1");
  item(moonFirst, "初次进入YUE1", "初次进入");
  item(moonFirst, "再次进入YUE1", "再次进入");
  doorItems(moon, "月之扉", 2, 5);
  doorItems(submenu(gate, "太阳之扉", "太阳之扉(&S)"), "太阳之扉", 1, 5);
  dialogue->addSeparator();
  item(dialogue, "返回对话1", "返回对话*1(&B)", QKeySequence(Qt::CTRL | Qt::Key_B));
  item(dialogue, "返回对话10", "返回对话*10(&V)", QKeySequence(Qt::CTRL | Qt::Key_V));
  dialogue->addSeparator();
  item(dialogue, "快进对话1", "快进对话*1(&G)", QKeySequence(Qt::CTRL | Qt::Key_G));
  item(dialogue, "快进对话10", "快进对话*10(&H)", QKeySequence(Qt::CTRL | Qt::Key_H));
  dialogue->addSeparator();
  item(dialogue, "新建对话进度", "新建对话进度(&N)");
  dialogue->addSeparator();
  item(dialogue, "Debug模式", "Debug模式(&D)", {}, Initially::Off);
  item(dialogue, "退出Debug模式", "退出Debug模式(&E)", {}, Initially::Off);

  QMenu* save = submenu(bar, "保存", "保存(&S)");
  QMenu* mainSaves = submenu(save, "主线对话内容", "主线对话内容(&I)");
  item(mainSaves, "载入上次保存的对话", "载入上次保存的对话(&L)", QKeySequence(Qt::CTRL | Qt::Key_L), Initially::Off);
  item(mainSaves, "保存当前的对话进度", "保存当前的对话进度(&S)", QKeySequence(Qt::CTRL | Qt::Key_S), Initially::Off);
  mainSaves->addSeparator();
  item(mainSaves, "载入自动存档的对话", "载入自动存档的对话(&A)", {}, Initially::Off);
  QMenu* doorSaves = submenu(save, "记忆之门对话内容", "记忆之门对话内容(&D)");
  item(doorSaves, "载入上次保存的对话2", "载入上次保存的对话(&L)", QKeySequence(Qt::CTRL | Qt::Key_Z), Initially::Off);
  item(doorSaves, "保存当前的对话进度2", "保存当前的对话进度(&S)", QKeySequence(Qt::CTRL | Qt::Key_M), Initially::Off);
  doorSaves->addSeparator();
  item(doorSaves, "载入自动存档的对话2", "载入自动存档的对话(&A)", {}, Initially::Off);

  QMenu* help = submenu(bar, "帮助", "帮助(&H)");
  item(help, "使用帮助", "使用帮助(&U)");
  QMenu* reports = submenu(help, "发送报告", "发送报告(&S)");
  item(reports, "错误报告", "错误报告(&E)...");
  item(reports, "建议报告", "建议报告(&J)...");
  help->addSeparator();
  item(help, "展示窗体", "展示窗体(&H)...");
  help->addSeparator();
  item(help, "关于", "关于...(&A)");
}

}  // namespace lumivox
