#include "platform/TextCodec.h"

#include <windows.h>

namespace lumivox {
namespace {

constexpr UINT kGbkCodePage = 936;

std::wstring toWide(UINT codePage, std::string_view bytes) {
  if (bytes.empty()) return {};
  const int size = static_cast<int>(bytes.size());
  const int length = MultiByteToWideChar(codePage, 0, bytes.data(), size, nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(codePage, 0, bytes.data(), size, wide.data(), length);
  return wide;
}

std::string fromWide(UINT codePage, const std::wstring& wide) {
  if (wide.empty()) return {};
  const int size = static_cast<int>(wide.size());
  const int length = WideCharToMultiByte(codePage, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(codePage, 0, wide.data(), size, bytes.data(), length, nullptr, nullptr);
  return bytes;
}

// True when the last byte is a GBK lead byte that starts a character the cut
// left incomplete.
bool endsInLoneLeadByte(std::string_view gbk) {
  std::size_t i = 0;
  while (i < gbk.size()) {
    const auto byte = static_cast<unsigned char>(gbk[i]);
    if (byte >= 0x81 && byte <= 0xFE) {
      if (i + 1 == gbk.size()) return true;
      i += 2;
    } else {
      ++i;
    }
  }
  return false;
}

}  // namespace

std::string gbkToUtf8(std::string_view gbk) {
  if (endsInLoneLeadByte(gbk)) gbk.remove_suffix(1);
  return fromWide(CP_UTF8, toWide(kGbkCodePage, gbk));
}

std::string utf8ToGbk(std::string_view utf8) {
  return fromWide(kGbkCodePage, toWide(CP_UTF8, utf8));
}

}  // namespace lumivox
