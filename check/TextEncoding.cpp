#include "check/TextEncoding.h"

#include <algorithm>
#include <string>

#include "platform/TextCodec.h"
#include "platform/Utf16.h"

namespace lumivox {
namespace {

// Pieces the codec reads at once; a broken piece is gone through again
// character by character.
constexpr std::size_t kPieceBytes = 64 * 1024;
constexpr std::string_view kReplacement = "\xEF\xBF\xBD";

std::size_t codePoints(std::string_view utf8) {
  return static_cast<std::size_t>(
      std::count_if(utf8.begin(), utf8.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

// One character of GBK (one or two bytes) that the codec reads as one
// character of its own.
bool readsAsOneCharacter(std::string_view unit) {
  const std::string text = gbkToUtf8(unit);
  return !text.empty() && text.find(kReplacement) == std::string::npos && codePoints(text) == 1;
}

// The piece of text that starts at `start`: about kPieceBytes, never ending
// inside a character of valid text. A GBK piece is cut short when its last
// lead byte ends the text: the codec drops such a byte without a word.
struct Piece {
  std::size_t end;
  bool cutShort = false;
};

Piece gbkPiece(std::string_view bytes, std::size_t start) {
  const std::size_t limit = std::min(bytes.size(), start + kPieceBytes);
  std::size_t at = start;
  while (at < limit) at += isGbkLeadByte(static_cast<unsigned char>(bytes[at])) ? 2 : 1;
  return {std::min(at, bytes.size()), at > bytes.size()};
}

Piece utf8Piece(std::string_view bytes, std::size_t start) {
  std::size_t end = std::min(bytes.size(), start + kPieceBytes);
  while (end < bytes.size() && (static_cast<unsigned char>(bytes[end]) & 0xC0) == 0x80) ++end;
  return {end};
}

}  // namespace

bool isAscii(std::string_view bytes) {
  return std::all_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

bool isUtf8(std::string_view bytes) {
  for (std::size_t at = 0; at < bytes.size();) {
    if (static_cast<unsigned char>(bytes[at]) < 0x80) {
      ++at;
      continue;
    }
    const std::size_t start = at;
    if (decodeUtf8At(bytes, at) == 0xFFFD && at - start != kReplacement.size()) return false;
  }
  return true;
}

std::size_t columnAt(std::string_view line, std::size_t offset, bool utf8) {
  const std::string_view before = line.substr(0, offset);
  if (utf8 || isAscii(before)) return 1 + codePoints(before);
  return 1 + codePoints(gbkToUtf8(before));
}

Places nonGbkBytes(std::string_view bytes, std::size_t limit) {
  Places places;
  for (std::size_t start = 0; start < bytes.size();) {
    const auto [end, cutShort] = gbkPiece(bytes, start);
    if (cutShort || gbkToUtf8(bytes.substr(start, end - start)).find(kReplacement) != std::string::npos) {
      for (std::size_t at = start; at < end;) {
        if (static_cast<unsigned char>(bytes[at]) < 0x80) {
          ++at;
        } else if (at + 1 < end && readsAsOneCharacter(bytes.substr(at, 2))) {
          at += 2;
        } else if (readsAsOneCharacter(bytes.substr(at, 1))) {
          ++at;
        } else {
          if (places.offsets.size() == limit) {
            places.stopped = true;
            return places;
          }
          places.offsets.push_back(at++);
        }
      }
    }
    start = end;
  }
  return places;
}

Places charactersWithoutGbk(std::string_view utf8, std::size_t limit) {
  Places places;
  auto survives = [](std::string_view text) { return gbkToUtf8(utf8ToGbk(text)) == text; };
  for (std::size_t start = 0; start < utf8.size();) {
    const std::size_t end = utf8Piece(utf8, start).end;
    if (!survives(utf8.substr(start, end - start))) {
      for (std::size_t at = start; at < end;) {
        const std::size_t character = at;
        decodeUtf8At(utf8, at);
        if (survives(utf8.substr(character, at - character))) continue;
        if (places.offsets.size() == limit) {
          places.stopped = true;
          return places;
        }
        places.offsets.push_back(character);
      }
    }
    start = end;
  }
  return places;
}

}  // namespace lumivox
