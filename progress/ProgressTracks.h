#pragma once
#include <string>
#include <string_view>

#include "dialogue/DialogueState.h"
#include "dialogue/IndexModel.h"

namespace lumivox {

// The progress files of each track, below the current directory.
struct ProgressFiles {
  std::string_view saveFile;
  std::string_view autoSaveFile;
  // The second line of the failed-save message, naming the save file.
  std::string_view saveFailureHint;
};

inline const ProgressFiles& progressFiles(Track t) {
  static const ProgressFiles main{"/Data/Save.sav", "/Data/AutoSave.sav",
                                  "请确认程序目录中是否有Data文件夹。以及Data文件夹中是否存在Save.sav文件"};
  static const ProgressFiles door{"/Data/SaveForDoor.sav", "/Data/AutoSaveForDoor.sav",
                                  "请确认程序目录中是否有Data文件夹。以及Data文件夹中是否存在SaveForDoor.sav文件"};
  return t == Track::Main ? main : door;
}

// Texts several progress commands share.
inline constexpr const char* kErrorStatusText = "发生错误！";
inline constexpr const char* kErrorTitle = "出错了";
inline constexpr const char* kSuccessTitle = "恭喜";
inline constexpr const char* kProgramErrorText =
    "程序发生错误了呢～请重新打开程序，若依然存在问题，请将Data目录下的Quorra.Data文件发给我，我会给您提供解决方法。";

}  // namespace lumivox
