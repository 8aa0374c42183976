#include "check/DataFile.h"

#include <filesystem>
#include <system_error>

#include "check/FileFindings.h"
#include "common/AsciiCase.h"
#include "common/Paths.h"
#include "platform/FileRead.h"

namespace lumivox {

DataFile readDataFile(const std::string& path, std::size_t maxBytes, Language language) {
  DataFile file;
  try {
    file.bytes = readWholeFile(path, maxBytes);
    file.state = DataFile::State::Read;
    return file;
  } catch (const FileError&) {
  }
  std::error_code error;
  const auto status = std::filesystem::status(toFsPath(path), error);
  if (error || status.type() == std::filesystem::file_type::not_found) return file;
  file.state = DataFile::State::Unreadable;
  if (status.type() == std::filesystem::file_type::directory) {
    file.why = say(language, "这是一个文件夹", "it is a folder");
  } else if (status.type() != std::filesystem::file_type::regular) {
    file.why = say(language, "这是管道或设备，不是普通文件", "it is a pipe or a device, not a regular file");
  } else if (const auto size = std::filesystem::file_size(toFsPath(path), error); !error && size > maxBytes) {
    file.state = DataFile::State::TooLarge;
    file.why = say(language, "它有 {} 字节，程序最多读 {} 字节", "it has {} bytes; the program reads at most {}",
                   {std::to_string(size), std::to_string(maxBytes)});
  } else {
    file.why = say(language, "打不开它（没有读取权限？）", "it cannot be opened (no permission to read it?)");
  }
  return file;
}

bool DataFolder::open(const std::string& folder, Language language, std::string& why) {
  folder_ = folder;
  names_.clear();
  std::error_code error;
  const auto fsFolder = toFsPath(folder);
  if (!std::filesystem::is_directory(fsFolder, error)) {
    why = std::filesystem::exists(fsFolder, error) ? say(language, "这不是文件夹", "it is not a folder")
                                                   : say(language, "没有这个文件夹", "there is no such folder");
    return false;
  }
  std::filesystem::directory_iterator entries(fsFolder, error);
  if (error) {
    why = say(language, "无法列出里面的文件（没有权限？）", "its files cannot be listed (no permission?)");
    return false;
  }
  for (; !error && entries != std::filesystem::directory_iterator(); entries.increment(error)) {
    const auto name = entries->path().filename().u8string();
    names_.emplace_back(name.begin(), name.end());
  }
  return true;
}

std::string DataFolder::path(std::string_view name) const {
  if (folder_.empty()) return std::string(name);
  const char last = folder_.back();
  if (last == '/' || last == '\\') return folder_ + std::string(name);
  const bool backslashes = folder_.find('\\') != std::string::npos && folder_.find('/') == std::string::npos;
  return folder_ + (backslashes ? '\\' : '/') + std::string(name);
}

std::string DataFolder::nameInOtherCase(std::string_view name) const {
  for (const std::string& present : names_)
    if (present != name && equalsIgnoringAsciiCase(present, name)) return present;
  return {};
}

std::optional<std::string> readChecked(const DataFolder& folder, std::string_view name, FileFindings& findings,
                                       std::size_t maxBytes, const WhenAbsent& absent) {
  const Language lang = findings.language();
  DataFile file = readDataFile(findings.file(), maxBytes, lang);
  if (file.state == DataFile::State::Read) return std::move(file.bytes);
  if (file.state != DataFile::State::Missing) {
    findings.add(
        0, 0, absent.unreadable, "L004",
        say(lang, "读不了这个文件（{}）：{}", "the file cannot be read ({}): {}", {file.why, absent.consequence}));
  } else if (absent.missing) {
    const std::string other = folder.nameInOtherCase(name);
    findings.add(0, 0, *absent.missing, "L002",
                 other.empty() ? say(lang, "没有这个文件：{}", "the file is missing: {}", {absent.consequence})
                               : say(lang, "没有这个文件（只有 {}，文件名的大小写要一致）：{}",
                                     "the file is missing (there is {}, but names must match in case): {}",
                                     {other, absent.consequence}));
  }
  return std::nullopt;
}

std::string_view fileNameOf(std::string_view relativePath) {
  const std::size_t separator = relativePath.find_last_of("/\\");
  return separator == std::string_view::npos ? relativePath : relativePath.substr(separator + 1);
}

}  // namespace lumivox
