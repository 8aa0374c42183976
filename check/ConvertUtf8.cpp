#include "check/ConvertUtf8.h"

#include <filesystem>
#include <string_view>

#include "check/DataFile.h"
#include "check/FileFindings.h"
#include "check/TextEncoding.h"
#include "common/Paths.h"
#include "dialogue/DataFiles.h"
#include "info/About.h"
#include "library/IniDocument.h"
#include "platform/AtomicFile.h"
#include "platform/FileRead.h"
#include "platform/TextCodec.h"
#include "platform/Utf16.h"

namespace lumivox {
namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kBackupSuffix = ".utf8.bak";

// Converts one file; says what became of it, if anything.
void convertFile(const DataFolder& folder, std::string_view name, FileFindings& findings) {
  const Language lang = findings.language();
  DataFile file = readDataFile(findings.file(), kMaxIniFileBytes, lang);
  if (file.state != DataFile::State::Read) return;  // the check says why
  const std::string_view bytes = file.bytes;
  const bool marked = bytes.starts_with(kUtf8Mark);
  const std::string_view text = marked ? bytes.substr(kUtf8Mark.size()) : bytes;
  if (!isUtf8(text) || (!marked && isAscii(text))) return;

  const std::string gbk = utf8ToGbk(text);
  if (gbkToUtf8(gbk) != text) {
    const Places lacking = charactersWithoutGbk(text, 1);
    std::string character = "?";
    if (!lacking.offsets.empty()) {
      std::size_t end = lacking.offsets.front();
      decodeUtf8At(text, end);
      character = text.substr(lacking.offsets.front(), end - lacking.offsets.front());
    }
    findings.add(0, 0, Severity::Error, "L061",
                 say(lang, "没有转换：「{}」等字符在 GBK 里没有（见 L013），文件保持原样",
                     "not converted: '{}' and maybe others have no GBK form (see L013); the file is left as it is",
                     {character}));
    return;
  }
  const std::string backupName = std::string(name) + std::string(kBackupSuffix);
  const std::string backup = folder.path(backupName);
  std::error_code error;
  if (std::filesystem::symlink_status(toFsPath(backup), error).type() != std::filesystem::file_type::not_found) {
    findings.add(0, 0, Severity::Error, "L061",
                 say(lang, "没有转换：{} 已经存在，请先把它移走",
                     "not converted: {} exists already; move it away first", {backupName}));
    return;
  }
  try {
    writeFileAtomically(backup, bytes);
  } catch (const FileError&) {
    findings.add(0, 0, Severity::Error, "L061",
                 say(lang, "没有转换：写不了备份 {}，文件保持原样",
                     "not converted: the backup {} cannot be written; the file is left as it is", {backupName}));
    return;
  }
  try {
    writeFileAtomically(findings.file(), gbk);
  } catch (const FileError&) {
    findings.add(
        0, 0, Severity::Error, "L061",
        say(lang, "没有转换：写不了这个文件，它保持原样（备份 {} 已写好）",
            "not converted: the file cannot be written and is left as it is (the backup {} is written)", {backupName}));
    return;
  }
  findings.add(0, 0, Severity::Note, "L060",
               say(lang, "已从 UTF-8 转成 GBK，原文件保存为 {}",
                   "converted from UTF-8 to GBK; the original is kept as {}", {backupName}));
}

}  // namespace

void convertUtf8Libraries(const DataFolder& folder, Language language, CheckReport& report) {
  for (std::string_view file : {kMainLibraryFile, kDoorLibraryFile, kThanksFile}) {
    const std::string_view name = fileNameOf(file);
    FileFindings findings(folder.path(name), language);
    convertFile(folder, name, findings);
    findings.moveInto(report);
  }
}

}  // namespace lumivox
