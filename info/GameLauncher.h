#pragma once
#include <string>

namespace lumivox {

class ProgramStarter;
class Prompter;
class Registry;

inline constexpr const char* kGameFolderKey = "Software\\Falcom\\Fsetup";
inline constexpr const char* kGameFolderValue = "ED_SORA2";
inline constexpr const char* kLaunchFailedText = "咳咳。。MS无法找到3rd的路径的说。。所以请自行打开了。";

// The game folder its set-up recorded for the current user; the default
// only when the key is missing.
std::string readGameFolder(Registry& registry, const std::string& defaultFolder);

// The command line that opens the game through the URL file handler. The
// folder goes in unquoted and whole, whatever it holds.
std::string gameLaunchCommand(const std::string& gamePath);

// The launch-game command: starts the game without waiting for it. A start
// that fails shows a message. On Windows a wrong folder starts the URL
// handler, which reports it; the Wine starter finds it first and fails.
void launchGame(const std::string& gamePath, ProgramStarter& starter, Prompter& prompter);

}  // namespace lumivox
