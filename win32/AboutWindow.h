#pragma once
#include <functional>
#include <memory>
#include <string>

#include "app/AboutController.h"
#include "info/AboutView.h"
#include "win32/FormWindow.h"
#include "win32/Win32Ticker.h"

namespace lumivox {

// The About window over its controller: modeless, without an owner but the
// main window while that stays on top; it tells whoever opened it when it
// has gone.
class AboutWindow final : public FormWindow, public AboutView {
 public:
  // Creates, loads and shows it; null when the system refuses the window.
  static AboutWindow* open(const std::string& mainLibraryPath, Prompter& prompter, std::function<void()> onGone);

  // AboutView
  void setControlText(std::string_view control, const std::string& text) override;
  void setAddressText(std::string_view control, const std::string& text) override;
  std::string controlText(std::string_view control) const override;

 private:
  AboutWindow(Prompter& prompter, std::function<void()> onGone);
  bool onCloseRequested() override;
  void onDestroyed() override;

  std::function<void()> onGone_;
  std::unique_ptr<Win32Ticker> ticker_;
  std::unique_ptr<AboutController> controller_;
};

}  // namespace lumivox
