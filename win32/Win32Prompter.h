#pragma once
#include <windows.h>

#include "common/Prompter.h"

namespace lumivox {

// Message boxes through MessageBoxW and the input box of InputBox.h, owned
// by the program's window active at the time, or by the main window when
// none is (the player is in the game): an owned window stays above its
// owner, a topmost one too. Modal to that window; to all of the program's
// windows when there is none (before the main window shows).
class Win32Prompter final : public Prompter {
 public:
  void setMainWindow(HWND window) { mainWindow_ = window; }

  void inform(const std::string& text, const std::string& title, Icon icon) override;
  bool ask(const std::string& text, const std::string& title, Buttons buttons, Icon icon) override;
  std::optional<std::string> input(const std::string& prompt, const std::string& title,
                                   const std::string& initialText) override;

 private:
  HWND owner() const;
  int showBox(const std::string& text, const std::string& title, UINT style) const;

  HWND mainWindow_ = nullptr;
};

}  // namespace lumivox
