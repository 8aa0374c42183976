#pragma once
#include "platform/Clipboard.h"

namespace lumivox {

// The Windows clipboard as Unicode text, with Windows line ends. The text is
// handed over whole, so it stays on the clipboard after the program ends.
class WindowsClipboard final : public Clipboard {
 public:
  WindowsClipboard();
  ~WindowsClipboard() override;
  WindowsClipboard(const WindowsClipboard&) = delete;
  WindowsClipboard& operator=(const WindowsClipboard&) = delete;

  void clear() override;
  void setText(const std::string& utf8Text) override;

 private:
  void open();
  void* owner_ = nullptr;  // a message-only window: the clipboard wants an owner
};

}  // namespace lumivox
