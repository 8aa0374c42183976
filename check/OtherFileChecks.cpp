#include "check/OtherFileChecks.h"

#include <algorithm>
#include <string>

#include "check/DataFile.h"
#include "check/FileFindings.h"
#include "check/NumberedLines.h"
#include "check/TextEncoding.h"
#include "common/AsciiCase.h"
#include "common/FieldReader.h"
#include "common/NumberConversion.h"
#include "dialogue/DataFiles.h"
#include "dialogue/Hotkeys.h"
#include "info/CounterPage.h"
#include "platform/TextCodec.h"
#include "progress/ProgressFile.h"

namespace lumivox {
namespace {

bool isLineEnd(char c) { return c == '\r' || c == '\n'; }

// The line (from 1) and column of a place in a field file, whose lines end
// in CR LF, LF or CR alike.
std::pair<std::size_t, std::size_t> placeOf(std::string_view content, std::size_t offset) {
  std::size_t line = 1, lineStart = 0;
  for (std::size_t at = 0; at < offset; ++at) {
    if (!isLineEnd(content[at])) continue;
    if (content[at] == '\r' && at + 1 < content.size() && content[at + 1] == '\n') ++at;
    ++line;
    lineStart = at + 1;
  }
  return {line, columnAt(content.substr(lineStart), offset - lineStart, false)};
}

bool isUtf8Charset(const std::string& charset) {
  return charset == "utf-8" || charset == "utf8" || charset == "unicode-1-1-utf-8";
}
bool isGbkCharset(const std::string& charset) {
  return charset == "gbk" || charset == "gb2312" || charset == "gb18030" || charset == "cp936" || charset == "x-gbk" ||
         charset == "windows-936";
}

}  // namespace

void checkHotkeyFile(const DataFolder& folder, FileFindings& findings) {
  const Language lang = findings.language();
  const std::string atStart =
      say(lang, "每次启动都会弹出出错提示，对话键只能用空格，计数页面也不会载入",
          "every start shows an error message, the dialogue key is Space and the counter page is not loaded");
  const auto bytes = readChecked(folder, fileNameOf(kHotkeyFile), findings, kMaxFieldFileBytes,
                                 {Severity::Error, Severity::Error, atStart});
  if (!bytes) return;
  const std::vector<PlacedField> fields = placedFields(*bytes);
  if (fields.empty()) {
    findings.add(0, 0, Severity::Warning, "L050",
                 say(lang, "文件是空的：对话键用空格", "the file is empty: the dialogue key is Space"));
    return;
  }
  const PlacedField& token = fields.back();
  const auto& choices = hotkeyChoices();
  if (std::any_of(choices.begin(), choices.end(), [&](const HotkeyChoice& c) { return c.token == token.text; })) return;

  std::string why;
  const std::string trimmed(token.text.substr(0, token.text.find_last_not_of(" \t") + 1));
  if (token.text.empty()) {
    why = say(lang, "最后一个字段是空的（文件末尾多了空行或逗号？）",
              "the last field is empty (a blank line or a comma at the end?)");
  } else if (std::any_of(choices.begin(), choices.end(), [&](const HotkeyChoice& c) { return c.token == trimmed; })) {
    why = say(lang, "按键记号后面有多余的空格", "the key's token has blanks after it");
  } else if (std::any_of(choices.begin(), choices.end(),
                         [&](const HotkeyChoice& c) { return equalsIgnoringAsciiCase(c.token, token.text); })) {
    why = say(lang, "按键记号的大小写不对", "the key's token is in the wrong case");
  } else {
    why = say(lang, "「{}」不是七个按键记号之一", "\"{}\" is not one of the seven key tokens",
              {excerpt(gbkToUtf8(token.text))});
  }
  const auto [line, column] = placeOf(*bytes, token.start);
  findings.add(line, column, Severity::Warning, "L050",
               say(lang, "{}：对话键用空格", "{}: the dialogue key is Space", {why}));
}

void checkProgressFile(const DataFolder& folder, FileFindings& findings, const NumberedLines* lines) {
  const Language lang = findings.language();
  const std::string loadFails = say(lang, "载入这个存档会失败并弹出出错提示", "loading it fails with an error message");
  const auto bytes = readChecked(folder, fileNameOf(findings.file()), findings, kMaxFieldFileBytes,
                                 {std::nullopt, Severity::Error, loadFails});
  if (!bytes) return;
  const std::vector<PlacedField> fields = placedFields(*bytes);
  const std::string value = fields.empty() ? std::string() : gbkToUtf8(fields.back().text);
  std::size_t line = 0, column = 0;
  if (!fields.empty()) std::tie(line, column) = placeOf(*bytes, fields.back().start);
  const auto counter = toInt32(value);
  if (!counter) {
    findings.add(line, column, Severity::Error, "L051",
                 say(lang, "「{}」不是行号：{}", "\"{}\" is no line number: {}", {excerpt(value), loadFails}));
  } else if (std::to_string(*counter) != value) {
    findings.add(line, column, Severity::Warning, "L051",
                 say(lang, "「{}」读作第 {} 行，但载入时先显示「{}」",
                     "\"{}\" loads as line {}, but the load first shows \"{}\"",
                     {excerpt(value), std::to_string(*counter), kLoadFallbackText}));
  } else if (lines && (*counter < 0 || !lines->has(static_cast<std::uint32_t>(*counter)))) {
    findings.add(line, column, Severity::Note, "L051",
                 say(lang, "词库里没有第 {} 行：载入时显示「{}」", "the library has no line {}: the load shows \"{}\"",
                     {value, kLoadFallbackText}));
  }
}

void checkCounterPage(const DataFolder& folder, FileFindings& findings) {
  const Language lang = findings.language();
  const std::string empty = say(lang, "主窗口的计数处是空的", "the main window's counter area stays empty");
  DataFile page = readDataFile(findings.file(), kMaxCounterPageBytes, lang);
  if (page.state == DataFile::State::TooLarge) {
    findings.add(0, 0, Severity::Warning, "L054",
                 say(lang, "页面太大（{}）：{}", "the page is too large ({}): {}", {page.why, empty}));
    return;
  }
  if (page.state != DataFile::State::Read) {
    // Missing and unreadable are said the usual way.
    readChecked(folder, fileNameOf(kCounterPageFile), findings, kMaxCounterPageBytes,
                {Severity::Note, Severity::Warning, empty});
    return;
  }
  const std::string_view bytes = page.bytes;
  if (bytes.starts_with("\xEF\xBB\xBF")) return;  // read as UTF-8
  const std::string charset = declaredCharset(bytes);
  if (isUtf8Charset(charset)) {
    if (!isUtf8(bytes))
      findings.add(
          0, 0, Severity::Warning, "L055",
          say(lang, "页面声明是 UTF-8，其实不是：会显示乱码", "the page declares UTF-8 but is not: it shows garbled"));
    return;
  }
  // Read as GBK from here on.
  const std::string declared = charset.empty() ? say(lang, "没有声明字符集", "declares no character set")
                                               : say(lang, "声明的字符集是 {}", "declares {}", {excerpt(charset)});
  if (!isGbkCharset(charset) && !isAscii(bytes) && isUtf8(bytes)) {
    findings.add(0, 0, Severity::Warning, "L055",
                 say(lang, "页面是 UTF-8，却{}：程序按 GBK 读，会显示乱码。请加上 <meta charset=\"utf-8\">",
                     "the page is UTF-8 but {}: the program reads it as GBK and shows garbled text; add "
                     "<meta charset=\"utf-8\">",
                     {declared}));
    return;
  }
  std::optional<std::size_t> broken;
  forEachGbkFault(bytes, [&](std::size_t offset, const GbkUnit&) {
    if (!broken) broken = offset;
  });
  if (!broken) return;
  const auto [line, column] = placeOf(bytes, *broken);
  findings.add(line, column, Severity::Warning, "L055",
               say(lang, "页面{}，又不是 GBK：程序按 GBK 读，这里会显示乱码",
                   "the page {} and is not GBK: the program reads it as GBK, and this shows garbled", {declared}));
}

}  // namespace lumivox
