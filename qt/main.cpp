#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "LumivoxVersion.h"

#include "platform/ClipboardQt.h"
#include "platform/ProgramFocusQtX11.h"
#include "platform/ProgramStartWine.h"
#include "platform/SingleInstanceQt.h"
#include "platform/WindowFocusX11.h"
#include "platform/WinePrefix.h"
#include "platform/WineRegistry.h"
#include "platform/X11KeyWatch.h"
#include "qt/IndexWindow.h"
#include "qt/QtPrompter.h"
#include "qt/Translations.h"

namespace {

// Without a display Qt would abort with a long message; say it in one line.
bool displayAvailable() {
  const char* platform = std::getenv("QT_QPA_PLATFORM");
  return (platform && *platform) || std::getenv("DISPLAY") || std::getenv("WAYLAND_DISPLAY");
}

}  // namespace

int main(int argc, char** argv) {
  // The one option, for players and packages checking what is installed.
  if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
    std::printf("lumivox %s\n", LUMIVOX_VERSION);
    return 0;
  }
  if (!displayAvailable()) {
    std::fputs("lumivox: no display (DISPLAY is not set); start it from a desktop session, "
               "or under a virtual one: Xvfb :99 & DISPLAY=:99 lumivox\n",
               stderr);
    return 2;
  }
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Lumivox"));
  if (!lumivox::installChineseTranslations(app))
    std::fputs("lumivox: Qt's Chinese translations are not installed; standard buttons stay in English\n", stderr);

  lumivox::QtPrompter prompter;
  lumivox::QtClipboard clipboard;
  lumivox::QtSingleInstance instance;
  // The game runs under Wine: its set-up values and its start are in the prefix.
  const std::string winePrefix = lumivox::winePrefixFolder();
  lumivox::WineRegistry registry(winePrefix);
  lumivox::WineProgramStarter programs(winePrefix);
  lumivox::X11KeyWatch keys;
  lumivox::X11WindowFocus windowFocus;
  lumivox::UserSettings settings(lumivox::UserSettings::defaultPath());
  if (!keys.error().empty())
    std::fprintf(stderr, "lumivox: %s; key presses cannot be counted\n", keys.error().c_str());

  bool ended = false;
  lumivox::MainServices services;
  services.prompter = &prompter;
  services.keys = &keys;
  services.clipboard = &clipboard;
  services.registry = &registry;
  services.programs = &programs;
  services.settings = &settings;
  services.windowFocus = &windowFocus;
  services.keyWatchProblem = keys.problem();
  services.waylandSession = lumivox::X11KeyWatch::inWaylandSession();
  services.anotherInstanceRunning = [&instance] { return instance.anotherInstanceRunning(); };
  services.endProgram = [&ended] {
    ended = true;
    QCoreApplication::exit(0);
  };

  lumivox::IndexWindow window(services);
  prompter.setMainWindow(&window);
  const lumivox::QtProgramFocus focus([&window](bool ours) { window.controller().onProgramFocus(ours); });
  if (!window.load() || ended) return 0;
  window.show();
  window.controller().onShown();
  if (ended) return 0;  // the exit question was answered while that box was open
  return QApplication::exec();
}
