#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace lumivox {

// The edge of a console program: its arguments as UTF-8 (on Windows read
// from the wide command line, whatever the code page), and UTF-8 text
// written to standard output or error. A console shows it as text (on
// Windows as wide characters, right in any code page); a pipe or file gets
// the UTF-8 bytes as they are, line ends included, on every system.
std::vector<std::string> commandLineArguments(int argc, char** argv);

enum class ConsoleStream { Output, Error };
void writeConsole(ConsoleStream stream, std::string_view utf8);

}  // namespace lumivox
