#include "win32/Win32Prompter.h"

#include <windows.h>

#include <utility>

#include "win32/InputBox.h"
#include "win32/WideText.h"

namespace lumivox {
namespace {

UINT iconStyle(Prompter::Icon icon) {
  switch (icon) {
    case Prompter::Icon::Question: return MB_ICONQUESTION;
    case Prompter::Icon::Critical: return MB_ICONERROR;
    case Prompter::Icon::Information: break;
  }
  return MB_ICONINFORMATION;
}

// The system names the standard buttons in its own language; boxes speak
// Chinese on any system, so they are renamed as the box comes up.
LRESULT CALLBACK nameButtonsInChinese(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_ACTIVATE) {
    HWND box = reinterpret_cast<HWND>(wParam);
    for (const auto& [id, caption] : {std::pair{IDOK, L"确定"}, std::pair{IDCANCEL, L"取消"},
                                      std::pair{IDYES, L"是(&Y)"}, std::pair{IDNO, L"否(&N)"}})
      if (HWND button = GetDlgItem(box, id)) SetWindowTextW(button, caption);
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

HWND Win32Prompter::owner() const {
  if (HWND active = GetActiveWindow()) return active;
  return mainWindow_ && IsWindowVisible(mainWindow_) ? mainWindow_ : nullptr;
}

int Win32Prompter::showBox(const std::string& text, const std::string& title, UINT style) const {
  HWND owner = this->owner();
  if (!owner) style |= MB_TASKMODAL;
  HHOOK hook = SetWindowsHookExW(WH_CBT, nameButtonsInChinese, nullptr, GetCurrentThreadId());
  const int answer = MessageBoxW(owner, toWide(text).c_str(), toWide(title).c_str(), style);
  if (hook) UnhookWindowsHookEx(hook);
  return answer;
}

void Win32Prompter::inform(const std::string& text, const std::string& title, Icon icon) {
  showBox(text, title, MB_OK | iconStyle(icon));
}

bool Win32Prompter::ask(const std::string& text, const std::string& title, Buttons buttons, Icon icon) {
  const UINT choice = buttons == Buttons::YesNo ? MB_YESNO : MB_OKCANCEL;
  const int answer = showBox(text, title, choice | iconStyle(icon));
  return answer == IDOK || answer == IDYES;
}

std::optional<std::string> Win32Prompter::input(const std::string& prompt, const std::string& title,
                                                const std::string& initialText) {
  const auto answer = runInputBox(owner(), toWide(prompt), toWide(title), toWide(initialText));
  if (!answer) return std::nullopt;
  return fromWide(*answer);
}

}  // namespace lumivox
