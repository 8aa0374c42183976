#include <cstdio>

#include "platform/Console.h"

namespace lumivox {

std::vector<std::string> commandLineArguments(int argc, char** argv) { return {argv, argv + argc}; }

void writeConsole(ConsoleStream stream, std::string_view utf8) {
  std::FILE* file = stream == ConsoleStream::Output ? stdout : stderr;
  std::fwrite(utf8.data(), 1, utf8.size(), file);
  std::fflush(file);
}

}  // namespace lumivox
