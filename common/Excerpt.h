#pragma once
#include <string>
#include <string_view>

namespace lumivox {

// A piece of a file's text as a message quotes it: its first 40 characters
// and "…" when there are more, control characters as \xNN and a byte that is
// no UTF-8 as one U+FFFD, so that a quote never breaks the message's line or
// shows a character cut in half.
std::string excerpt(std::string_view utf8);

}  // namespace lumivox
