#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace lumivox {

// The arguments after `wine` that run a Windows command line. Wine joins its
// arguments into a Windows command line again, quoting each one that holds a
// blank, so every argument must be one the program reads back whole:
// - rundll32 takes all that follows its "library,entry" word as one text,
//   blanks and all: that text becomes one argument, and "library, entry"
//   becomes the one word "library,entry" (Wine's rundll32 takes a blank
//   after the comma for an empty entry name);
// - any other program gets its arguments as Windows programs split them.
// No shell is involved anywhere, so no character has a meaning of its own.
std::vector<std::string> wineArguments(std::string_view commandLine);

// Whether a program name, with or without its folder, is rundll32.
bool isRundll32(std::string_view program);

}  // namespace lumivox
