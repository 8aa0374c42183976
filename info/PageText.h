#pragma once
#include <string>
#include <string_view>

namespace lumivox {

// The visible text of an HTML page (UTF-8) on one line: tags removed, the
// contents of head, title, script, style and comments dropped, character
// references decoded (amp, lt, gt, quot, apos, nbsp and numeric ones; others,
// and numbers that name no character, stay as written), and every run of
// blanks and no-break spaces made one space, none at either end. Block tags
// such as <p>, <br> and <td> part words as a browser would.
// One pass, without recursion: time is linear in the page whatever its
// nesting, and the text is never longer than the page.
std::string pageText(std::string_view html);

}  // namespace lumivox
