#include "win32/AboutWindow.h"

#include "info/AboutForm.h"

namespace lumivox {

AboutWindow::AboutWindow(Prompter& prompter, std::function<void()> onGone)
    : FormWindow(aboutForm(), nullptr), onGone_(std::move(onGone)) {
  ticker_ = std::make_unique<Win32Ticker>([this](TimerId timer) { controller_->onTimer(timer); });
  controller_ = std::make_unique<AboutController>(*this, *ticker_, prompter);
}

AboutWindow* AboutWindow::open(const std::string& mainLibraryPath, Prompter& prompter, std::function<void()> onGone) {
  auto* window = new AboutWindow(prompter, std::move(onGone));
  if (!window->create()) {
    delete window;
    return nullptr;
  }
  window->controller_->load(mainLibraryPath);
  window->show();
  return window;
}

void AboutWindow::setControlText(std::string_view control, const std::string& text) { form().setText(control, text); }

void AboutWindow::setAddressText(std::string_view control, const std::string& text) {
  form().setAddressText(control, text);
}

std::string AboutWindow::controlText(std::string_view control) const { return form().text(control); }

bool AboutWindow::onCloseRequested() {
  controller_->onUnload();
  return true;
}

void AboutWindow::onDestroyed() {
  ticker_.reset();  // no tick after the window
  if (onGone_) onGone_();
}

}  // namespace lumivox
