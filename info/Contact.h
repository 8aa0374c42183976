#pragma once
#include <string>
#include <string_view>

namespace lumivox {

// Who answers a player's letter: the people who made the translation, as the
// main library names them in its optional section [Contact]. A key that is
// missing or empty is not shown; the values are shown as the file has them.
struct LibraryContact {
  std::string mail, qq, web;
  bool empty() const { return mail.empty() && qq.empty() && web.empty(); }
};

// The optional section of the main library and its keys.
inline constexpr std::string_view kContactSection = "Contact";
inline constexpr std::string_view kContactMailKey = "Mail", kContactQqKey = "QQ", kContactWebKey = "Web";

inline constexpr const char* kNoContactText = "本对话库没有写明联系方式。";

LibraryContact readLibraryContact(const std::string& mainLibraryPath);

// About's contact note (Label11): whose contact it is and each entry the
// library gives, or what to do without one; then the rights line and leave
// to pass the program on.
std::string aboutContactNote(const LibraryContact& contact);

// The line of a report's closing box that names the entries, one after
// another; empty without any.
std::string contactLine(const LibraryContact& contact);

}  // namespace lumivox
