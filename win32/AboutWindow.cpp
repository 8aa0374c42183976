#include "win32/AboutWindow.h"

#include "info/AboutForm.h"
#include "info/Contact.h"
#include "win32/WideText.h"

namespace lumivox {
namespace {

// A label breaks lines only at blanks: an address, one long word, gets its
// own line ends after its marks where the narrow frame would cut it.
std::string withAddressBreaks(HWND label, const std::string& text) {
  RECT room;
  GetClientRect(label, &room);
  HDC dc = GetDC(label);
  SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(label, WM_GETFONT, 0, 0)));
  const auto width = [dc](const std::wstring& line) {
    SIZE size{};
    GetTextExtentPoint32W(dc, line.c_str(), static_cast<int>(line.size()), &size);
    return size.cx;
  };
  std::string out;
  for (std::size_t start = 0;;) {
    const std::size_t end = text.find('\n', start);
    std::wstring line;
    for (const std::string& piece : addressPieces(text.substr(start, end - start))) {
      const std::wstring wide = toWide(piece);
      if (!line.empty() && width(line + wide) > room.right) {
        out += fromWide(line) + '\n';
        line = wide;
      } else {
        line += wide;
      }
    }
    out += fromWide(line);
    if (end == std::string::npos) break;
    out += '\n';
    start = end + 1;
  }
  ReleaseDC(label, dc);
  return out;
}

}  // namespace

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
  form().setText(control, withAddressBreaks(form().control(control), text));
}

std::string AboutWindow::controlText(std::string_view control) const { return form().text(control); }

void AboutWindow::onButton(const std::string& name) {
  // Its one button, as Esc, closes it.
  if (name == aboutForm().cancelButton) closeSoon();
}

bool AboutWindow::onCloseRequested() {
  controller_->onUnload();
  return true;
}

void AboutWindow::onDestroyed() {
  ticker_.reset();  // no tick after the window
  if (onGone_) onGone_();
}

}  // namespace lumivox
