#include "library/IniWriter.h"

#include <filesystem>
#include <optional>

#include "common/AsciiCase.h"
#include "common/Paths.h"
#include "library/IniCache.h"
#include "library/IniDocument.h"
#include "library/IniLines.h"
#include "platform/AtomicFile.h"
#include "platform/FileRead.h"
#include "platform/TextCodec.h"

namespace lumivox {
namespace {

namespace fs = std::filesystem;

std::string_view lineEndOf(std::string_view bytes, const IniLine& line) {
  return bytes.substr(line.contentEnd, line.next - line.contentEnd);
}

// A last line that ends in nothing, or in a CR alone, gets the rest of a
// line end, so what follows starts a line of its own and the last line reads
// as it did.
void endLastLine(std::string& out) {
  if (out.empty() || out.back() == '\n') return;
  out += out.back() == '\r' ? "\n" : "\r\n";
}

}  // namespace

std::string withIniValue(std::string_view bytes, std::string_view section, std::string_view key,
                         std::string_view value) {
  const std::string entry = std::string(key) + "=" + std::string(value);
  IniLineReader reader(bytes);
  IniLine line;
  bool inSection = false, sectionSeen = false;
  std::optional<IniLine> lastContentLine;  // where a missing key goes
  while (reader.next(line)) {
    if (line.kind == IniLine::Kind::Section) {
      if (inSection) break;
      inSection = !sectionSeen && equalsIgnoringAsciiCase(line.name, section);
      sectionSeen = sectionSeen || inSection;
      if (inSection) lastContentLine = line;
      continue;
    }
    if (!inSection) continue;
    if (line.kind == IniLine::Kind::Key && equalsIgnoringAsciiCase(line.name, key)) {
      std::string out(bytes.substr(0, line.afterEquals));
      out.append(value);
      out.append(bytes.substr(line.contentEnd));
      return out;
    }
    if (line.contentEnd > line.start &&
        bytes.substr(line.start, line.contentEnd - line.start).find_first_not_of(" \t") != std::string_view::npos)
      lastContentLine = line;
  }

  if (lastContentLine) {  // the section exists without the key
    std::string out(bytes.substr(0, lastContentLine->next));
    const std::string_view lineEnd = lineEndOf(bytes, *lastContentLine);
    if (lineEnd.find('\n') == std::string_view::npos) {  // the file's last line
      endLastLine(out);
      out += entry + "\r\n";
    } else {
      out += entry;
      out.append(lineEnd);
    }
    out.append(bytes.substr(lastContentLine->next));
    return out;
  }

  std::string out(bytes);
  endLastLine(out);
  out.append("[").append(section).append("]\r\n").append(entry).append("\r\n");
  return out;
}

void writeIniValue(const std::string& path, std::string_view section, std::string_view key,
                   std::string_view value) {
  value = value.substr(0, value.find_first_of("\r\n"));
  // What is kept of the old file goes first: the new bytes take its place.
  IniCache::shared().forget(path);
  std::string bytes;
  std::error_code ec;
  if (fs::exists(toFsPath(path), ec)) bytes = readWholeFile(path, kMaxIniFileBytes);
  writeFileAtomically(path, withIniValue(bytes, utf8ToGbk(section), utf8ToGbk(key), utf8ToGbk(value)));
  IniCache::shared().forget(path);
}

}  // namespace lumivox
