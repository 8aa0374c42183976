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

// The game's program in its folder; the folder goes in unquoted and whole,
// whatever it holds.
std::string gameProgram(const std::string& gamePath);

// The launch-game command: starts the game in its own folder without waiting
// for it (games load their files from the current directory). A start that
// fails, the game missing among other things, shows a message.
void launchGame(const std::string& gamePath, ProgramStarter& starter, Prompter& prompter);

}  // namespace lumivox
