#pragma once
#include <array>
#include <string>
#include <string_view>

namespace lumivox {

// The seven keys the dialogue can be advanced with, in the order of the
// settings window, of reading the choice and of comparing tokens.
struct HotkeyChoice {
  std::string_view caption;
  std::string_view token;
  int virtualKey;
};

const std::array<HotkeyChoice, 7>& hotkeyChoices();

// The key a token names: the first row whose token is exactly equal, or
// Space when none is (the empty token too).
int virtualKeyForToken(std::string_view token);

// The token stored in the hotkey file: its last field. Throws FileError when
// the file cannot be read; an empty file gives the empty token.
std::string readHotkeyToken(const std::string& utf8Path);

}  // namespace lumivox
