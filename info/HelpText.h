#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace lumivox {

// The help window's text, line by line: five paragraphs parted by empty
// lines, the way the program works on this platform.
const std::vector<std::string_view>& helpLines();

// The same text with every line ended by CR LF.
std::string helpText();

}  // namespace lumivox
