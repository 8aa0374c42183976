#pragma once
#include <string>

namespace lumivox {

class Prompter;
struct DialogueState;

// The TextNO window as its logic sees it.
class JumpView {
 public:
  virtual ~JumpView() = default;
  virtual std::string typedText() const = 0;  // Text1
  virtual void unload() = 0;
};

inline constexpr const char* kJumpParseErrorText = "无法解析输入数据。。。请重试！！！";

// The window's confirm: the typed number becomes the main story's counter,
// whatever track is active, and the window closes. Text that is no number
// keeps the window open with it for correcting.
void confirmJump(DialogueState& state, JumpView& window, Prompter& prompter);

}  // namespace lumivox
