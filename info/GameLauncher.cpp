#include "info/GameLauncher.h"

#include <exception>

#include "common/Prompter.h"
#include "info/RegistryValue.h"
#include "platform/ProgramStart.h"
#include "platform/Registry.h"

namespace lumivox {

std::string readGameFolder(Registry& registry, const std::string& defaultFolder) {
  return ReadRegistryValue(registry, kHkeyCurrentUser, kGameFolderKey, kGameFolderValue, defaultFolder);
}

std::string gameProgram(const std::string& gamePath) { return gamePath + "\\ED6_WIN2.exe"; }

void launchGame(const std::string& gamePath, ProgramStarter& starter, Prompter& prompter) {
  bool started = false;
  try {
    started = starter.start(gameProgram(gamePath), gamePath);
  } catch (const std::exception&) {
    // A start that throws has not started anything either.
  }
  if (!started) prompter.inform(kLaunchFailedText, "出错了", Prompter::Icon::Critical);
}

}  // namespace lumivox
