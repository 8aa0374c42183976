#include "check/ConvertUtf8.h"

#include <filesystem>
#include <optional>
#include <string_view>
#include <vector>

#include "check/DataFile.h"
#include "check/FileFindings.h"
#include "check/TextEncoding.h"
#include "common/Paths.h"
#include "dialogue/DataFiles.h"
#include "dialogue/DialogueState.h"
#include "info/About.h"
#include "library/IniDocument.h"
#include "platform/AtomicFile.h"
#include "platform/FileRead.h"
#include "platform/TextCodec.h"
#include "common/Unicode.h"

namespace lumivox {
namespace {

constexpr std::string_view kBackupSuffix = ".utf8.bak";
constexpr std::size_t kLinesNamed = 10;

// "3、7、12" (and "…" after the first few).
std::string lineList(const std::vector<std::size_t>& lines) {
  std::string list;
  for (std::size_t i = 0; i < lines.size() && i < kLinesNamed; ++i) list += (i ? "、" : "") + std::to_string(lines[i]);
  return lines.size() > kLinesNamed ? list + "…" : list;
}

// The file again, its UTF-8 lines in GBK.
struct Converted {
  std::string gbk;
  std::vector<std::size_t> utf8Lines;  // the lines converted
  bool gbkLines = false;               // others were GBK already
};

// Nothing when the file is to be left as it is (the finding says why, when
// there is something to say).
std::optional<Converted> converted(std::string_view bytes, FileFindings& findings) {
  const Language lang = findings.language();
  const std::vector<LineEncoding> encodings = lineEncodings(bytes);
  Converted result;
  result.gbk.reserve(bytes.size());
  std::vector<std::size_t> unsure;
  std::string lacking;  // the first character GBK has no form for
  std::size_t index = 0;
  forEachLine(bytes, [&](const IniLine& line, std::string_view text, std::size_t number) {
    const LineEncoding encoding = encodings[index++];
    if (encoding == LineEncoding::Unsure) unsure.push_back(number);
    result.gbkLines = result.gbkLines || encoding == LineEncoding::Gbk;
    if (encoding != LineEncoding::Utf8) {
      result.gbk.append(text);
    } else {
      result.utf8Lines.push_back(number);
      forEachCharacterWithoutGbk(text, [&](std::size_t offset, char32_t) {
        std::size_t end = offset;
        decodeUtf8At(text, end);
        if (lacking.empty()) lacking = text.substr(offset, end - offset);
      });
      result.gbk += utf8ToGbk(text);
    }
    result.gbk.append(bytes.substr(line.contentEnd, line.next - line.contentEnd));
  });
  if (result.utf8Lines.empty() && !bytes.starts_with(kUtf8Mark)) return std::nullopt;  // GBK: never touched
  if (!unsure.empty()) {
    findings.add(0, 0, Severity::Error, "L061", [&] {
      return say(lang,
                 "没有转换：第 {} 行读作 UTF-8 和读作 GBK 都像是文字，无法确定是哪一种；"
                 "文件保持原样。请在编辑器里确认这些行，再把文件另存为 GBK",
                 "not converted: line {} reads as text both in UTF-8 and in GBK, so which one it is cannot be told; "
                 "the file is left as it is. Look at these lines in an editor, then save the file as GBK",
                 {lineList(unsure)});
    });
    return std::nullopt;
  }
  if (!lacking.empty()) {
    findings.add(0, 0, Severity::Error, "L061", [&] {
      return say(lang, "没有转换：「{}」等字符在 GBK 里没有（见 L013），文件保持原样",
                 "not converted: '{}' and maybe others have no GBK form (see L013); the file is left as it is",
                 {lacking});
    });
    return std::nullopt;
  }
  return result;
}

// Converts one file; says what became of it, if anything.
void convertFile(const DataFolder& folder, std::string_view name, FileFindings& findings) {
  const Language lang = findings.language();
  DataFile file = readDataFile(findings.file(), kMaxIniFileBytes, lang);
  if (file.state != DataFile::State::Read) return;  // the check says why
  const auto gbk = converted(file.bytes, findings);
  if (!gbk) return;

  const std::string backupName = std::string(name) + std::string(kBackupSuffix);
  const std::string backup = folder.path(backupName);
  auto refuse = [&](std::string_view chinese, std::string_view english) {
    findings.add(0, 0, Severity::Error, "L061", say(lang, chinese, english, {backupName}));
  };
  std::error_code error;
  if (std::filesystem::symlink_status(toFsPath(backup), error).type() != std::filesystem::file_type::not_found)
    return refuse("没有转换：{} 已经存在，请先把它移走", "not converted: {} exists already; move it away first");
  try {
    checkReplaceable(findings.file());
  } catch (const FileError&) {
    return refuse("没有转换：这个文件是只读的，写不进去；文件保持原样，也没有写备份",
                  "not converted: the file is read-only and cannot be written; it is left as it is, and no backup "
                  "is written");
  }
  try {
    writeFileAtomically(backup, file.bytes);
  } catch (const FileError&) {
    return refuse("没有转换：写不了备份 {}，文件保持原样",
                  "not converted: the backup {} cannot be written; the file is left as it is");
  }
  try {
    writeFileAtomically(findings.file(), gbk->gbk);
  } catch (const FileError&) {
    std::filesystem::remove(toFsPath(backup), error);  // nothing was converted: no backup of it either
    return refuse("没有转换：写不了这个文件，它保持原样",
                  "not converted: the file cannot be written and is left as it is");
  }
  findings.add(0, 0, Severity::Note, "L060",
               gbk->gbkLines
                   ? say(lang, "已把第 {} 行从 UTF-8 转成 GBK，其余的行本来就是 GBK，没有动；原文件保存为 {}",
                         "converted line {} from UTF-8 to GBK, leaving the other lines, which were GBK already; the "
                         "original is kept as {}",
                         {lineList(gbk->utf8Lines), backupName})
                   : say(lang, "已从 UTF-8 转成 GBK，原文件保存为 {}",
                         "converted from UTF-8 to GBK; the original is kept as {}", {backupName}));
}

}  // namespace

void convertUtf8Libraries(const DataFolder& folder, Language language, CheckReport& report) {
  for (std::string_view file : {trackInfo(Track::Main).libraryFile, trackInfo(Track::Door).libraryFile, kThanksFile}) {
    const std::string_view name = fileNameOf(file);
    FileFindings findings(folder.path(name), language);
    convertFile(folder, name, findings);
    findings.moveInto(report);
  }
}

}  // namespace lumivox
