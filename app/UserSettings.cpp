#include "app/UserSettings.h"

#include <algorithm>
#include <exception>
#include <filesystem>

#include "check/TextEncoding.h"
#include "common/AsciiCase.h"
#include "common/Blanks.h"
#include "common/Excerpt.h"
#include "common/Paths.h"
#include "library/IniLines.h"
#include "library/IniWriter.h"
#include "platform/AtomicFile.h"
#include "platform/FileRead.h"
#include "platform/SettingsFolder.h"

namespace lumivox {
namespace {

namespace fs = std::filesystem;

// A settings file of megabytes is not one the program or a player wrote.
constexpr std::size_t kMaxSettingsBytes = 1024 * 1024;
// Beyond this many, further lines that cannot be read are only counted.
constexpr std::size_t kMaxLinesNamed = 10;

// Windows editors start UTF-8 files with this mark; the reader must not
// take it for part of the first line, and a save keeps it.
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool startsWithMark(std::string_view bytes) { return bytes.substr(0, kByteOrderMark.size()) == kByteOrderMark; }

// What a player or the program wrote: UTF-8 without NUL bytes. Anything else
// is some other file under this name, quoted as garbage and broken by a save.
bool isText(std::string_view bytes) { return bytes.find('\0') == std::string_view::npos && isUtf8(bytes); }

bool carriesNothing(std::string_view text) {
  return text.empty() || text.front() == ';' || text.front() == '#';
}

}  // namespace

UserSettings::UserSettings() : document_(std::make_unique<IniDocument>(std::string())) {}
UserSettings::UserSettings(std::string path)
    : kept_(true), path_(std::move(path)), document_(std::make_unique<IniDocument>(std::string())) {}
UserSettings::~UserSettings() = default;

std::string UserSettings::defaultPath() {
  const std::string folder = userSettingsFolder();
  if (folder.empty()) return {};
  return folder + static_cast<char>(fs::path::preferred_separator) + "settings.ini";
}

void UserSettings::load() {
  if (!kept_) return;
  if (path_.empty()) {
    addProblem("系统没有指明存放个人设置的文件夹，这次的设置改动在程序关闭后不会被记住。");
    saveFailureSaid_ = true;
    return;
  }
  std::string bytes;
  std::error_code ec;
  if (!fs::exists(toFsPath(path_), ec)) return;
  try {
    bytes = readWholeFile(path_, kMaxSettingsBytes);
  } catch (const std::exception&) {
    addProblem("个人设置文件「" + path_ + "」读不出来（它不是普通文件、太大或者没有读取权限），这次全部使用默认设置，文件保持原样。");
    wholeFileUnread_ = true;
    return;
  }
  if (startsWithMark(bytes)) bytes.erase(0, kByteOrderMark.size());
  if (!isText(bytes)) {
    addProblem("个人设置文件「" + path_ + "」不是文本文件（有 UTF-8 文字以外的字节），程序没有读它，也不会改写它："
               "这次全部使用默认设置，改动的设置在程序关闭后不会被记住。");
    wholeFileUnread_ = true;
    saveFailureSaid_ = true;
    return;
  }

  IniLineReader reader(bytes);
  IniLine line;
  bool inSection = false;
  std::size_t unreadable = 0;
  while (reader.next(line)) {
    const std::string_view text = trimSpacesAndTabs(std::string_view(bytes).substr(line.start, line.contentEnd - line.start));
    std::string why;
    if (line.kind == IniLine::Kind::Section) {
      inSection = true;
    } else if (line.kind == IniLine::Kind::Key && !inSection) {
      why = "在第一个「[节名]」之前，不属于任何节";
    } else if (line.kind == IniLine::Kind::Other && !carriesNothing(text)) {
      why = "既不是「[节名]」也不是「键=值」";
    }
    if (why.empty()) continue;
    if (++unreadable <= kMaxLinesNamed)
      addProblem("第 " + std::to_string(reader.lineNumber()) + " 行「" + excerpt(text) + "」" + why + "，程序没有读它。");
  }
  if (unreadable > kMaxLinesNamed)
    addProblem("另有 " + std::to_string(unreadable - kMaxLinesNamed) + " 行同样没有读。");
  document_ = std::make_unique<IniDocument>(std::move(bytes));
}

std::optional<std::string> UserSettings::text(std::string_view section, std::string_view key) const {
  for (const Change& change : changes_)
    if (equalsIgnoringAsciiCase(change.section, section) && equalsIgnoringAsciiCase(change.key, key))
      return change.value;
  if (const auto value = document_->find(section, key)) return std::string(*value);
  return std::nullopt;
}

void UserSettings::setText(std::string_view section, std::string_view key, std::string_view value) {
  value = value.substr(0, value.find_first_of("\r\n"));
  for (Change& change : changes_)
    if (equalsIgnoringAsciiCase(change.section, section) && equalsIgnoringAsciiCase(change.key, key)) {
      change = {std::string(section), std::string(key), std::string(value)};
      return;
    }
  changes_.push_back({std::string(section), std::string(key), std::string(value)});
}

std::optional<std::string> UserSettings::save() {
  // A value written once is another copy's to change: written again with a
  // later change of this copy, it would undo theirs.
  const auto unwritten = [](const Change& change) { return !change.written; };
  if (!kept_ || std::none_of(changes_.begin(), changes_.end(), unwritten)) return std::nullopt;
  std::string failure;
  try {
    if (path_.empty()) throw FileError("no folder");
    const fs::path file = toFsPath(path_);
    std::error_code ec;
    fs::create_directories(file.parent_path(), ec);
    if (ec || !fs::is_directory(file.parent_path(), ec)) {
      const std::u8string folder = file.parent_path().u8string();
      failure = "个人设置保存不了：无法建立文件夹「" + std::string(folder.begin(), folder.end()) + "」。";
      throw FileError("no folder");
    }
    // The file as it stands now: whatever the player changed in it meanwhile stays.
    std::string bytes;
    if (fs::exists(file, ec)) {
      failure = "个人设置保存不了：「" + path_ + "」读不出来，为了不丢掉其中的内容，程序没有改写它。";
      bytes = readWholeFile(path_, kMaxSettingsBytes);
    }
    const bool marked = startsWithMark(bytes);
    if (marked) bytes.erase(0, kByteOrderMark.size());
    if (!isText(bytes)) {
      failure = "个人设置保存不了：「" + path_ + "」不是文本文件，为了不丢掉其中的内容，程序没有改写它。";
      throw FileError("not text");
    }
    for (const Change& change : changes_)
      if (unwritten(change)) bytes = withIniValue(bytes, change.section, change.key, change.value);
    if (marked) bytes.insert(0, kByteOrderMark);
    failure = "个人设置保存不了：无法写入「" + path_ + "」。";
    writeFileAtomically(path_, bytes);
    for (Change& change : changes_) change.written = true;
    return std::nullopt;
  } catch (const std::exception&) {
    if (saveFailureSaid_) return std::nullopt;
    saveFailureSaid_ = true;
    return failure + "这次的设置照样有效，但程序关闭后不会被记住。";
  }
}

void UserSettings::addProblem(std::string sentence) { problems_.push_back(std::move(sentence)); }

std::string UserSettings::problemsText() const {
  if (problems_.empty()) return {};
  if (wholeFileUnread_) return problems_.front();
  std::string text = path_.empty() ? std::string("个人设置：") : "个人设置文件「" + path_ + "」有些地方用不了：";
  for (const std::string& sentence : problems_) text += "\n" + sentence;
  text += "\n其余的设置照常使用；程序不会删改文件里它不认识的内容。";
  return text;
}

}  // namespace lumivox
