#include "qt/ProgramStartWine.h"

#include <QProcess>
#include <QProcessEnvironment>

#include "platform/WineCommandLine.h"

namespace lumivox {

bool WineProgramStarter::start(const std::string& commandLine) {
  QStringList arguments;
  for (const std::string& argument : wineArguments(commandLine)) arguments << QString::fromStdString(argument);
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  // The prefix the game folder was read from, even when that was the default.
  environment.insert(QStringLiteral("WINEPREFIX"), QString::fromStdString(prefix_));

  QProcess wine;
  wine.setProgram(QStringLiteral("wine"));
  wine.setArguments(arguments);
  wine.setProcessEnvironment(environment);
  wine.setStandardInputFile(QProcess::nullDevice());
  return wine.startDetached();
}

}  // namespace lumivox
