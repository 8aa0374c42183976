#include "win32/AboutWindow.h"

#include <vector>

#include "info/AboutForm.h"
#include "info/Reports.h"
#include "win32/WideText.h"

namespace lumivox {
namespace {

// A label breaks lines only at blanks: the address, one long word, gets its
// own line ends after its at-sign, dots and hyphens where the narrow frame
// would cut it.
std::string brokenAddress(HWND label, const std::string& address) {
  std::vector<std::wstring> pieces{L""};
  for (wchar_t c : toWide(address)) {
    pieces.back() += c;
    if (c == L'@' || c == L'.' || c == L'-') pieces.emplace_back();
  }
  RECT room;
  GetClientRect(label, &room);
  HDC dc = GetDC(label);
  SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(label, WM_GETFONT, 0, 0)));
  std::wstring out, line;
  for (const std::wstring& piece : pieces) {
    SIZE size{};
    const std::wstring longer = line + piece;
    GetTextExtentPoint32W(dc, longer.c_str(), static_cast<int>(longer.size()), &size);
    if (!line.empty() && size.cx > room.right) {
      out += line + L'\n';
      line = piece;
    } else {
      line = longer;
    }
  }
  ReleaseDC(label, dc);
  return fromWide(out + line);
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
  Win32Form& form = window->form();
  std::string note = aboutContactNote();
  const std::string address = kContactEmail;
  if (const auto at = note.find(address); at != std::string::npos)
    note.replace(at, address.size(), brokenAddress(form.control("Label11"), address));
  form.setText("Label11", note);
  window->controller_->load(mainLibraryPath);
  window->show();
  return window;
}

void AboutWindow::setBuildText(const std::string& text) { form().setText("Label4", text); }
void AboutWindow::setMainLineCountText(const std::string& text) { form().setText("Label6", text); }
void AboutWindow::setDoorLineCountText(const std::string& text) { form().setText("Doortextnumber", text); }
void AboutWindow::setThanksText(const std::string& text) { form().setText("SThanks", text); }

std::string AboutWindow::thanksText() const { return form().text("SThanks"); }

void AboutWindow::onButton(const std::string& name) {
  if (name == "Command1") closeSoon();
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
