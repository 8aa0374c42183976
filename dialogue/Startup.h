#pragma once
#include <functional>
#include <string>

namespace lumivox {

class IndexModel;
class Prompter;
struct DialogueState;

// What the start-up needs from outside the main window. Services that later
// features bring may be left empty; their values then stay as they were.
struct StartupServices {
  Prompter* prompter = nullptr;
  std::function<bool()> anotherInstanceRunning;
  std::function<void()> endProgram;
  // Starts what runs on its own (timers): only once this copy stays.
  std::function<void()> startRunning;
  // The game folder from the registry, or the given default.
  std::function<std::string(const std::string& defaultFolder)> readGameFolder;
  // Starts loading the counter page at the given path.
  std::function<void(const std::string& path)> startCounterPage;
};

inline constexpr const char* kStartupErrorText =
    "程序发生错误了呢～请重新打开程序，若依然存在问题，请将Data目录下的文件发给我，我会给您提供解决方法。";
inline constexpr const char* kReadyText = "已获取切换按键，请按下您设置的按键继续。[默认空格]";
inline constexpr const char* kDefaultGameFolder = "C:\\PROGRAM FILES\\FALCOM\\ED_SORA2";

// The main window's start-up sequence. Nothing of the copy runs before the
// second-instance warning has been answered: a second copy ended there has
// polled, saved and written nothing. After it, a failure skips the remaining
// steps and shows one error box; the window opens all the same. Returns false
// when the user chose to end the program at the second-instance warning.
bool runStartup(DialogueState& state, IndexModel& view, const StartupServices& services);

}  // namespace lumivox
