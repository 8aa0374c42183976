#pragma once
#include <string>
#include <string_view>

namespace lumivox {

// GBK (code page 936) to and from UTF-8, the only place where text changes
// encoding. Both directions never fail:
// - gbkToUtf8: a byte sequence that is not GBK becomes U+FFFD; a lead byte
//   alone at the very end (a two-byte character cut in half) is dropped.
// - utf8ToGbk: a character GBK cannot hold, or a broken UTF-8 sequence,
//   becomes '?'. Given maxBytes, the first maxBytes bytes of the whole
//   conversion (a character may be cut in half), without converting more of
//   the text than they need.
// Both take time in proportion to the text, whatever it holds.
std::string gbkToUtf8(std::string_view gbk);
std::string utf8ToGbk(std::string_view utf8, std::size_t maxBytes = std::string::npos);

}  // namespace lumivox
