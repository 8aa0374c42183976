// Shows one box of the Windows prompter for the end-to-end tests and writes
// the answer to the file named on its command line, as UTF-8: "yes" or "no"
// for a question, "text:" and the text or "none" for an input box. With
// "over-topmost", a topmost window titled 置顶主窗口 is shown first without
// being activated and is the prompter's main window: the box comes while no
// window of the program is active, as when the player is in the game.
// Usage: PrompterBoxes <answer file> ask|input [over-topmost]
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>

#include "win32/Win32Prompter.h"

int wmain(int argc, wchar_t** argv) {
  if (argc != 3 && !(argc == 4 && std::wcscmp(argv[3], L"over-topmost") == 0)) return 2;
  lumivox::Win32Prompter prompter;
  if (argc == 4) {
    HWND main = CreateWindowExW(WS_EX_TOPMOST, L"STATIC", L"置顶主窗口", WS_OVERLAPPEDWINDOW, 0, 0, 1024, 768,
                                nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!main) return 1;
    ShowWindow(main, SW_SHOWNOACTIVATE);
    prompter.setMainWindow(main);
  }
  std::string answer;
  if (std::wcscmp(argv[2], L"ask") == 0) {
    answer = prompter.ask("您是否要退出软件？而不保存现在进行的对话进度？", "退出确认",
                          lumivox::Prompter::Buttons::YesNo, lumivox::Prompter::Icon::Question)
                 ? "yes"
                 : "no";
  } else {
    const auto text = prompter.input("请输入对话数 & <b>不是标记</b>", "跳转", "12");
    answer = text ? "text:" + *text : "none";
  }
  FILE* file = _wfopen(argv[1], L"wb");
  if (!file) return 1;
  std::fwrite(answer.data(), 1, answer.size(), file);
  std::fclose(file);
  return 0;
}
