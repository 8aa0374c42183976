#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace lumivox {

class AboutView;
class Prompter;

// The program's version as the About window and the report letters give it.
inline constexpr const char* kProgramVersion = "V4";

inline constexpr std::string_view kThanksFile = "/Data/SpecialThanks.ED63rd";
inline constexpr std::string_view kThanksSection = "ThanksForYou";

// Shown when the thanks list has run out, and the mark that restarts it.
inline constexpr const char* kThanksInvitationText =
    "您也想在这里留下您的大名吗？快快吧您的意见和建议给我哦～！";
inline constexpr const char* kAboutLoadErrorText =
    "程序发生错误了呢～请重新打开程序，若依然存在问题，请将Data目录下的Quorra.Data文件发给我，"
    "我会给您提供解决方法。";
inline constexpr const char* kThanksErrorText =
    "程序发生错误了呢～请重新打开程序，若依然存在问题，请将Data目录下的SpecialThanks.ED63rd文件发给我，"
    "我会给您提供解决方法。";

// The thanks rotation, from the About window's load to its unload.
struct ThanksRotation {
  std::string filePath;
  std::int32_t index = 0;  // the entry last asked for
  std::string key = "0";
  bool listEnded = false;  // the invitation is showing because the list ran out
  bool reportingFailure = false;
};

// The About window's load: the thanks file's path (fixed for the window's
// life), the three library values and the library's contact. A failure
// shows the load error; the captions set before it stay.
ThanksRotation loadAbout(const std::string& mainLibraryPath, AboutView& view, Prompter& prompter);

// Every 5 s: the next entry of the list, or the invitation when it is
// missing. The first missing entry (or one that reads like the invitation)
// ends the list: the invitation then stays until the list starts again, so
// entries after a gap are never shown, whichever timer runs first.
void thanksTick(ThanksRotation& rotation, AboutView& view, Prompter& prompter);

// Every 10 s: once the invitation is showing, the list starts again. It
// starts at entry 2: entry 1 is shown only in the first pass.
void thanksListTick(ThanksRotation& rotation, const AboutView& view);

}  // namespace lumivox
