#include "platform/TextCodec.h"

#include <windows.h>

namespace lumivox {
namespace {

constexpr UINT kGbkCodePage = 936;

bool isLeadByte(unsigned char byte) { return byte >= 0x81 && byte <= 0xFE; }

std::wstring toWide(UINT codePage, DWORD flags, std::string_view bytes) {
  if (bytes.empty()) return {};
  const int size = static_cast<int>(bytes.size());
  const int length = MultiByteToWideChar(codePage, flags, bytes.data(), size, nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  if (length > 0) MultiByteToWideChar(codePage, flags, bytes.data(), size, wide.data(), length);
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

// Decodes one character at a time so that each invalid sequence becomes one
// U+FFFD and decoding goes on after it, as on other platforms.
std::wstring decodeGbkCarefully(std::string_view gbk) {
  std::wstring wide;
  std::size_t i = 0;
  while (i < gbk.size()) {
    const std::size_t unit = isLeadByte(static_cast<unsigned char>(gbk[i])) && i + 1 < gbk.size() ? 2 : 1;
    std::wstring decoded = toWide(kGbkCodePage, MB_ERR_INVALID_CHARS, gbk.substr(i, unit));
    if (decoded.empty()) {
      wide += L'\xFFFD';
      ++i;  // the byte after a bad lead byte may start a character of its own
    } else {
      wide += decoded;
      i += unit;
    }
  }
  return wide;
}

}  // namespace

std::string gbkToUtf8(std::string_view gbk) {
  // A lead byte alone at the very end is half of a character that was cut.
  std::size_t i = 0;
  while (i < gbk.size()) i += isLeadByte(static_cast<unsigned char>(gbk[i])) ? 2 : 1;
  if (i > gbk.size()) gbk.remove_suffix(1);

  std::wstring wide = toWide(kGbkCodePage, MB_ERR_INVALID_CHARS, gbk);
  if (wide.empty() && !gbk.empty()) wide = decodeGbkCarefully(gbk);
  return fromWide(CP_UTF8, wide);
}

std::string utf8ToGbk(std::string_view utf8, std::size_t maxBytes) {
  // Each character or broken sequence, four bytes at most, gives a byte or
  // two, whatever comes after it: a beginning that holds two more of them
  // than the bytes wanted gives those bytes, its last one cut or not.
  if (maxBytes < utf8.size() / 4) utf8 = utf8.substr(0, 4 * (maxBytes + 2));
  std::wstring wide = toWide(CP_UTF8, 0, utf8);
  // GBK holds nothing beyond the basic plane: one '?' for a surrogate pair,
  // not one for each half.
  std::wstring bmp;
  bmp.reserve(wide.size());
  for (std::size_t i = 0; i < wide.size(); ++i) {
    const bool pair = wide[i] >= 0xD800 && wide[i] <= 0xDBFF && i + 1 < wide.size() && wide[i + 1] >= 0xDC00 &&
                      wide[i + 1] <= 0xDFFF;
    bmp += pair ? L'?' : wide[i];
    if (pair) ++i;
  }
  std::string gbk = fromWide(kGbkCodePage, bmp);
  if (gbk.size() > maxBytes) gbk.resize(maxBytes);
  return gbk;
}

}  // namespace lumivox
