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

void AboutWindow::setBuildText(const std::string& text) { form().setText("Label4", text); }
void AboutWindow::setMainLineCountText(const std::string& text) { form().setText("Label6", text); }
void AboutWindow::setDoorLineCountText(const std::string& text) { form().setText("Doortextnumber", text); }
void AboutWindow::setContactText(const std::string& text) { form().setAddressText("Label11", text); }
void AboutWindow::setThanksText(const std::string& text) { form().setText("SThanks", text); }

std::string AboutWindow::thanksText() const { return form().text("SThanks"); }

bool AboutWindow::onCloseRequested() {
  controller_->onUnload();
  return true;
}

void AboutWindow::onDestroyed() {
  ticker_.reset();  // no tick after the window
  if (onGone_) onGone_();
}

}  // namespace lumivox
