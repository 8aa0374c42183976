#pragma once
#include <windows.h>

#include <optional>
#include <string>

namespace lumivox {

// Control identifiers of the input box, besides IDOK and IDCANCEL.
inline constexpr int kInputBoxPromptId = 100;
inline constexpr int kInputBoxTextId = 101;

// A modal input box over the owner (none for none): the prompt, a text field
// holding the initial text selected, and the buttons 确定 and 取消. Gives the
// text on 确定 and nothing on 取消, Esc or the close box.
std::optional<std::wstring> runInputBox(HWND owner, const std::wstring& prompt, const std::wstring& title,
                                        const std::wstring& initialText);

}  // namespace lumivox
