#include "library/IniWriter.h"

#include <filesystem>
#include <optional>

#include "common/AtomicFile.h"
#include "common/FileRead.h"
#include "common/Paths.h"
#include "library/IniCache.h"
#include "library/IniDocument.h"
#include "library/IniLines.h"
#include "platform/TextCodec.h"

#ifndef _WIN32
#include <unistd.h>
#endif

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

// Where a path leads through any symbolic links: the file that is written, so
// a link stays a link.
std::string linkTarget(const std::string& utf8Path) {
  fs::path path = toFsPath(utf8Path);
  for (int hops = 0; hops < 40; ++hops) {
    std::error_code ec;
    if (!fs::is_symlink(fs::symlink_status(path, ec))) break;
    const fs::path target = fs::read_symlink(path, ec);
    if (ec) throw FileError("cannot follow the link " + utf8Path);
    path = target.is_absolute() ? target : path.parent_path() / target;
  }
  const std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}

// A file the user made read-only is not replaced behind their back.
void refuseReadOnly(const std::string& utf8Path) {
  std::error_code ec;
  const fs::file_status status = fs::status(toFsPath(utf8Path), ec);
  if (ec || !fs::exists(status)) return;
  const auto writable = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
  bool readOnly = (status.permissions() & writable) == fs::perms::none;
#ifndef _WIN32
  readOnly = readOnly || ::access(utf8Path.c_str(), W_OK) != 0;
#endif
  if (readOnly) throw FileError(utf8Path + " is read-only");
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
  const std::string target = linkTarget(path);
  refuseReadOnly(target);
  // What is kept of the old file goes first: the new bytes take its place.
  IniCache::shared().forget(path);
  IniCache::shared().forget(target);
  std::string bytes;
  std::error_code ec;
  if (fs::exists(toFsPath(target), ec)) bytes = readWholeFile(target, kMaxIniFileBytes);
  writeFileAtomically(target, withIniValue(bytes, utf8ToGbk(section), utf8ToGbk(key), utf8ToGbk(value)));
  IniCache::shared().forget(path);
  IniCache::shared().forget(target);
}

}  // namespace lumivox
