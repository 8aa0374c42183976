// The hotkey file: whatever its content, the key is the one whose token is
// exactly the file's last field, or Space.

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "common/FieldReader.h"
#include "dialogue/Hotkeys.h"
#include "platform/KeyWatch.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view content(reinterpret_cast<const char*>(data), size);
  const std::string token = lumivox::lastField(content);
  int expected = lumivox::vk::Space;
  for (const auto& choice : lumivox::hotkeyChoices())
    if (choice.token == token) {
      expected = choice.virtualKey;
      break;
    }
  if (lumivox::virtualKeyForToken(token) != expected) std::abort();
  if (token.size() != 29 && expected != lumivox::vk::Space) std::abort();
  return 0;
}
