#include <windows.h>

#include "platform/GbkCodePage.h"

namespace lumivox {
namespace {

constexpr UINT kGbkCodePage = 936;

// The one character the bytes read as, or 0.
char16_t character(const char* bytes, int size) {
  wchar_t wide[2] = {};
  const int length = MultiByteToWideChar(kGbkCodePage, MB_ERR_INVALID_CHARS, bytes, size, wide, 2);
  return length == 1 ? static_cast<char16_t>(wide[0]) : 0;
}

}  // namespace

void readSystemGbkCodePage(GbkCodePage& page) {
  for (const unsigned char byte : {0x80, 0xFF}) {
    const char single = static_cast<char>(byte);
    page.single(byte) = character(&single, 1);
  }
  for (unsigned lead = kGbkLeadFirst; lead <= kGbkLeadLast; ++lead) {
    for (unsigned trail = kGbkTrailFirst; trail <= kGbkTrailLast; ++trail) {
      const char pair[2] = {static_cast<char>(lead), static_cast<char>(trail)};
      if (isGbkTrail(static_cast<unsigned char>(trail)))
        page.pair(static_cast<unsigned char>(lead), static_cast<unsigned char>(trail)) = character(pair, 2);
    }
  }
}

}  // namespace lumivox
