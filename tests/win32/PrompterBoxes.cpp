// Shows one box of the Windows prompter for the end-to-end tests and writes
// the answer to the file named on its command line, as UTF-8: "yes" or "no"
// for a question, "text:" and the text or "none" for an input box.
// Usage: PrompterBoxes <answer file> ask|input
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>

#include "win32/Win32Prompter.h"

int wmain(int argc, wchar_t** argv) {
  if (argc != 3) return 2;
  lumivox::Win32Prompter prompter;
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
