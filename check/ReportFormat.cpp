#include "check/ReportFormat.h"

#include <cstdio>

#include "check/FileFindings.h"
#include "check/ValueChecks.h"
#include "common/ControlTable.h"
#include "common/Unicode.h"

namespace lumivox {
namespace {

const char* severityName(Severity severity) {
  switch (severity) {
    case Severity::Error:
      return "error";
    case Severity::Warning:
      return "warning";
    case Severity::Note:
      return "note";
  }
  return "error";
}

void appendJsonString(std::string& out, std::string_view text) {
  out += '"';
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t start = at;
    const char32_t c = decodeUtf8At(text, at);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += static_cast<char>(c);
    } else if (c < 0x20) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04X", static_cast<unsigned>(c));
      out += escaped;
    } else if (c == 0xFFFD && at - start == 1) {
      out += "\\uFFFD";  // a broken byte: JSON text is UTF-8 throughout
    } else {
      out.append(text.substr(start, at - start));
    }
  }
  out += '"';
}

std::string countOrDash(const std::optional<std::size_t>& count) { return count ? std::to_string(*count) : "-"; }

struct CodeHelp {
  const char* code;
  const char* severity;
  const char* chinese;
  const char* english;
};

// Every code the checker gives, with its severity ("/" where it depends on
// what players meet).
constexpr CodeHelp kCodes[] = {
    {"L001", "error", "读不了 Data 文件夹（退出码 2）", "the Data folder cannot be read (exit status 2)"},
    {"L002", "error/note", "缺少程序要读的文件（词库、HotKeys.opi 是错误；鸣谢、计数页面是提示）",
     "a file the program reads is missing (libraries and HotKeys.opi: error; thanks and counter page: note)"},
    {"L004", "error/warning", "文件读不了：是文件夹、管道或设备，太大，或没有权限",
     "a file cannot be read: a folder, pipe or device in its place, too large, or no permission"},
    {"L010", "error", "不是 GBK 的字节，或 GBK 自定义区的字（字体里没有）（每行指出第一个）",
     "bytes that are not GBK, or characters of GBK's user-defined area, which fonts lack (the first of each line)"},
    {"L011", "error", "文件（或 GBK 文件里的一行）存成了 UTF-8：玩家看到乱码，用 --convert-utf8 转换",
     "the file (or a line of a GBK file) is saved as UTF-8: players see garbled text; convert it with "
     "--convert-utf8"},
    {"L012", "error", "字节顺序标记（BOM）：第一行因此读错；UTF-16 文件程序读不了",
     "a byte order mark: the first line is then misread; a UTF-16 file cannot be read at all"},
    {"L013", "error", "UTF-8 文本里 GBK 没有的字符：无法转换",
     "a character of UTF-8 text that GBK lacks: it cannot be converted"},
    {"L020", "error/note", "同一节出现两次：只读第一次的，后面那节永远读不到（note 指出第一次）",
     "a section given twice: only the first is read, the later one never (a note points at the first)"},
    {"L021", "error/note", "同一个键出现两次：只读第一次的，后面那行永远读不到（note 指出第一次）",
     "a key given twice: only the first is read, the later line never (a note points at the first)"},
    {"L022", "error/warning/note", "缺少程序要读的节或键，并说明玩家看到的替代内容",
     "a section or key the program reads is missing, and what players see instead"},
    {"L023", "warning", "节里的一行既不是 [节] 也不是 键=值（以 ; 或 # 开头的行算注释）",
     "a line that is neither [section] nor key=value (lines starting with ; or # are comments)"},
    {"L024", "warning", "在所有节之前的 键=值：永远读不到", "a key=value line before any section: never read"},
    {"L025", "warning", "编号节里永远不会被查的键：多余的 0、正负号、空格、超出范围、不是数字",
     "a key of a numbered section that is never looked up: leading zero, sign, blanks, out of range, not a number"},
    {"L026", "note", "程序不读的节（名字写错了？）", "a section the program never reads (a misspelt name?)"},
    {"L027", "error", "单独的回车符（CR）：编辑器在那里换行，程序不换，下一行被读进这一行",
     "a lone carriage return (CR): editors break the line there, the program does not and reads the next line "
     "into it"},
    {"L030", "error", "行号有缺口，或节里一行也没有：玩家在故事中间看到结束语（指出每段缺口的第一个号）",
     "a gap in the line numbers, or a section without a line: players meet the end-of-dialogue text mid-story "
     "(names the first missing number)"},
    {"L031", "error", "TextNumber / TextNumberDoor 与实际行数不符，并说明进度条会怎样",
     "TextNumber / TextNumberDoor disagrees with the lines present, and what the progress bar does"},
    {"L032", "error", "TextNumber / TextNumberDoor 不是大于 0 的数",
     "TextNumber / TextNumberDoor is no number above 0"},
    {"L033", "warning", "永远不会显示的鸣谢：缺号之后的条目，或编号 0；或者鸣谢节是空的",
     "thanks never shown: entries after a gap, or numbered 0; or a thanks section without entries"},
    {"L040", "error", "值超过 255 字节：显示时被截断（指出截断处，是否劈开一个字）",
     "a value over 255 bytes: cut when shown (where, and whether the cut splits a character)"},
    {"L041", "warning", "", ""},  // the estimate's rule, filled in below
    {"L042", "warning", "值是空的，或只有空白", "an empty value, or one of blanks alone"},
    {"L043", "warning", "读取时不会去掉的单个引号", "a quote the reader does not remove"},
    {"L044", "note", "像 HTML 标记的文字：按原样显示", "text that looks like HTML markup: shown as it is"},
    {"L045", "warning", "值里的 NUL 字节：只显示到它为止", "a NUL byte in a value: the line is shown up to it"},
    {"L050", "warning", "HotKeys.opi 不是七个按键记号之一：用空格",
     "HotKeys.opi holds none of the seven key tokens: Space is used"},
    {"L051", "error/warning/note", "存档（Save.sav 等）不是词库里有的行号：载入失败或显示替代内容",
     "a progress file (Save.sav and the others) holds no line number the library has: the load fails or shows a "
     "stand-in"},
    {"L052", "warning/note", "[T] 节的自动保存间隔会被设置窗口拒绝（或没有）",
     "the auto-save interval in section [T] is refused by its settings window (or missing)"},
    {"L053", "warning", "鸣谢条目与邀请语相同：列表在那里重新开始",
     "a thanks entry equals the invitation text: the list starts over there"},
    {"L054", "warning", "计数页面超过程序显示的大小", "the counter page is larger than the program shows"},
    {"L055", "warning", "计数页面没有声明字符集又不是 GBK（或声明不符）",
     "the counter page declares no character set and is not GBK (or is not what it declares)"},
    {"L060", "note", "--convert-utf8 已转换 UTF-8 的行，原文件保存为 <名字>.utf8.bak",
     "--convert-utf8 converted the lines saved as UTF-8, keeping the original as <name>.utf8.bak"},
    {"L061", "error", "--convert-utf8 没有转换：有读作 UTF-8 和 GBK 都像文字的行，有 GBK 没有的字符，或写不进去",
     "--convert-utf8 did not convert: lines that read as text both in UTF-8 and in GBK, characters GBK lacks, or "
     "it could not write"},
};

std::string points(double value) {
  char text[16];
  std::snprintf(text, sizeof text, "%g", value);
  return text;
}

std::string labelFitHelp(Language lang) {
  const ControlRow& label = dialogueLineLabel();
  return say(
      lang,
      "对话框按 {} 磅放不下这一行，会缩小字号（最小 {} 磅）。估算：对话框宽 {} 缇、高 {} 缇，汉字 1 个字宽、ASCII "
      "半个字宽，任意处换行，行距 {} 个字高",
      "the line does not fit the dialogue box at {} pt and is shown smaller (down to {} pt). Estimate: box {} "
      "by {} twips, a Chinese character one em wide and an ASCII one half, lines broken anywhere, {} em apart",
      {points(label.points), points(kDialogueLineSmallestPoints), std::to_string(label.width),
       std::to_string(label.height), points(kLinePitchEms)});
}

}  // namespace

std::string findingLine(const Finding& finding) {
  std::string line = finding.file;
  if (finding.line) line += ':' + std::to_string(finding.line);
  if (finding.line && finding.column) line += ':' + std::to_string(finding.column);
  line += ": ";
  line += severityName(finding.severity);
  line += ": " + finding.message + " [" + finding.code + "]";
  return line;
}

std::string summaryLine(const CheckReport& report, Language language) {
  return say(language, "主线 {} 行，门 {} 行；{} 个错误，{} 个警告，{} 个提示",
             "main story {} lines, doors {} lines; {} errors, {} warnings, {} notes",
             {countOrDash(report.mainLines), countOrDash(report.doorLines), std::to_string(report.errors),
              std::to_string(report.warnings), std::to_string(report.notes)});
}

std::string reportText(const CheckReport& report, Language language) {
  std::string text;
  for (const Finding& finding : report.findings) text += findingLine(finding) + '\n';
  return text + summaryLine(report, language) + '\n';
}

std::string reportJson(const CheckReport& report) {
  std::string json = "[";
  for (const Finding& f : report.findings) {
    json += json.size() > 1 ? ",\n " : "\n ";
    json += "{\"file\": ";
    appendJsonString(json, f.file);
    json += ", \"line\": " + (f.line ? std::to_string(f.line) : "null");
    json += ", \"column\": " + (f.line && f.column ? std::to_string(f.column) : "null");
    json += ", \"severity\": \"" + std::string(severityName(f.severity)) + "\", \"code\": \"" + f.code +
            "\", \"message\": ";
    appendJsonString(json, f.message);
    json += '}';
  }
  return json + (report.findings.empty() ? "]\n" : "\n]\n");
}

std::string codesHelp(Language language) {
  std::string help;
  for (const CodeHelp& code : kCodes) {
    const std::string text = std::string(code.code) == "L041"
                                 ? labelFitHelp(language)
                                 : std::string(language == Language::Chinese ? code.chinese : code.english);
    char head[40];
    std::snprintf(head, sizeof head, "  %s  %-18s ", code.code, code.severity);
    help += head + text + '\n';
  }
  return help;
}

}  // namespace lumivox
