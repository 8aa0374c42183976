#include <QTimer>
#include <string>

#include "qt/FeatureCommands.h"
#include "qt/IndexWindow.h"
#include "progress/AutoSave.h"
#include "qt/AutoSaveWindow.h"
#include "progress/NewProgress.h"
#include "progress/ProgressTracks.h"
#include "progress/SaveCommands.h"
#include "progress/Stepping.h"
#include "qt/TextNoWindow.h"

namespace lumivox {
namespace {

void onItem(IndexWindow& window, std::string_view name, std::function<void()> handler) {
  window.onMenuItem(std::string(name).c_str(), std::move(handler));
}

// The settings windows have no owner; they go with the main window all the same.
template <typename Window>
Window* ownedByTheRun(IndexWindow& window, Window* dialog) {
  QObject::connect(&window, &QObject::destroyed, dialog, [dialog] { delete dialog; });
  return dialog;
}

}  // namespace

void connectProgressCommands(IndexWindow& window) {
  DialogueState& state = window.state();
  Prompter& prompter = window.prompter();

  for (const StepCommand& command : stepCommands())
    window.onMenuItem(command.menuItem, [&state, &window, &prompter, command] {
      StepProgress(state, window, prompter, command.step, command.statusPrefix);
    });
  window.onMenuItem("新建对话进度", [&state, &prompter] { newProgress(state, prompter); });
  window.onMenuItem("对话进程设置", [&window, &state, &prompter] {
    ownedByTheRun(window, new TextNoWindow(state, prompter))->showModal();
  });
  window.onMenuItem("保存设置系统", [&window, &prompter] {
    ownedByTheRun(window, new AutoSaveWindow(window, prompter))->loadAndShowModal();
  });

  for (const Track track : {Track::Main, Track::Door}) {
    const TrackInfo& items = trackInfo(track);
    const ProgressFiles& files = progressFiles(track);
    onItem(window, items.saveItem, [&, track] { saveProgressCommand(state, track, window, prompter); });
    onItem(window, items.loadItem, [&, track, file = files.saveFile] {
      loadProgressCommand(state, track, file, window, prompter);
    });
    onItem(window, items.loadAutoSaveItem, [&, track, file = files.autoSaveFile] {
      loadProgressCommand(state, track, file, window, prompter);
    });
  }

  QObject::connect(window.findChild<QTimer*>(QStringLiteral("Timer3")), &QTimer::timeout, &window,
                   [&state, &window] { autoSaveTick(state, window); });
}

}  // namespace lumivox
