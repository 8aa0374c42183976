// lumivox-check: the translators' library checker on the command line.
// Everything it decides is in check/; this reads the options, prints the
// report and gives the exit status.

#include <string>
#include <vector>

#include "LumivoxVersion.h"
#include "check/DataFolderCheck.h"
#include "check/FileFindings.h"
#include "check/ReportFormat.h"
#include "platform/Console.h"

namespace {

using lumivox::Language;

constexpr int kExitClean = 0, kExitErrors = 1, kExitUnreadable = 2;

struct Options {
  std::string folder = "Data";
  Language language = Language::Chinese;
  bool json = false, convert = false, help = false, version = false;
};

std::string usage(Language lang) {
  using lumivox::say;
  return say(lang,
             "用法：lumivox-check [选项] [DATA文件夹]\n"
             "检查 Lumivox 读取的 Data 文件夹（默认是当前目录下的 Data），每个问题一行：\n"
             "  文件:行:列: error|warning|note: 说明 [代码]\n"
             "最后一行是汇总。每个文件的同一种问题最多列出 50 处，其余的只计数，再用一条 note 说明还有多少。\n"
             "退出码：0 没有错误（可以有警告），1 有错误，2 读不了文件夹或选项不对。\n"
             "\n"
             "选项：\n"
             "  --json          以一个 JSON 数组输出（file、line、column、severity、code、message）\n"
             "  --lang en       用英文说明（默认中文）\n"
             "  --convert-utf8  先把词库里存成 UTF-8 的行转成 GBK，原文件保存为 <名字>.utf8.bak；\n"
             "                  有 GBK 没有的字符、或有分不清是 UTF-8 还是 GBK 的行时不转换；\n"
             "                  GBK 的行不动，已经是 GBK 的文件不动\n"
             "  --version       显示版本\n"
             "  --help          显示本说明\n"
             "\n"
             "代码：\n",
             "usage: lumivox-check [options] [DATA_FOLDER]\n"
             "Checks the Data folder Lumivox reads (by default Data below the current directory), one line a "
             "problem:\n"
             "  file:line:column: error|warning|note: message [code]\n"
             "then a summary line. Each file lists at most 50 problems of one code; the others are counted, and "
             "a note says how many more there are.\n"
             "Exit status: 0 without errors (warnings allowed), 1 with errors, 2 when the folder cannot be read or "
             "an option is wrong.\n"
             "\n"
             "Options:\n"
             "  --json          one JSON array of objects (file, line, column, severity, code, message)\n"
             "  --lang en       messages in English (Chinese by default)\n"
             "  --convert-utf8  first convert the lines of the libraries saved as UTF-8 to GBK, keeping each\n"
             "                  original as <name>.utf8.bak; a file with characters GBK lacks, or with lines\n"
             "                  that could be either, is not converted; GBK lines and GBK files are never\n"
             "                  touched\n"
             "  --version       print the version\n"
             "  --help          print this help\n"
             "\n"
             "Codes:\n");
}

// Reads the options; gives the wrong one when there is one.
std::string readOptions(const std::vector<std::string>& arguments, Options& options) {
  bool folderGiven = false;
  for (std::size_t i = 1; i < arguments.size(); ++i) {
    const std::string& arg = arguments[i];
    if (arg == "--json") {
      options.json = true;
    } else if (arg == "--convert-utf8") {
      options.convert = true;
    } else if (arg == "--help" || arg == "-h") {
      options.help = true;
    } else if (arg == "--version") {
      options.version = true;
    } else if (arg == "--lang" || arg.starts_with("--lang=")) {
      const std::string value = arg == "--lang" ? (i + 1 < arguments.size() ? arguments[++i] : "") : arg.substr(7);
      if (value == "en")
        options.language = Language::English;
      else if (value == "zh")
        options.language = Language::Chinese;
      else
        return arg + " " + value;
    } else if (!arg.starts_with("--") && !folderGiven) {
      options.folder = arg;
      folderGiven = true;
    } else {
      return arg;
    }
  }
  return {};
}

}  // namespace

int main(int argc, char** argv) {
  using namespace lumivox;
  Options options;
  const std::string wrong = readOptions(commandLineArguments(argc, argv), options);
  if (!wrong.empty()) {
    writeConsole(ConsoleStream::Error, say(options.language, "lumivox-check：不明白的选项「{}」\n",
                                           "lumivox-check: unknown option \"{}\"\n", {wrong}) +
                                           usage(options.language) + codesHelp(options.language));
    return kExitUnreadable;
  }
  if (options.help) {
    writeConsole(ConsoleStream::Output, usage(options.language) + codesHelp(options.language));
    return kExitClean;
  }
  if (options.version) {
    writeConsole(ConsoleStream::Output, std::string("lumivox-check ") + LUMIVOX_VERSION + "\n");
    return kExitClean;
  }
  const CheckReport report =
      checkDataFolder(options.folder, options.language, options.convert ? Conversion::Utf8Libraries : Conversion::None);
  writeConsole(ConsoleStream::Output, options.json ? reportJson(report) : reportText(report, options.language));
  if (report.folderUnreadable) return kExitUnreadable;
  return report.errors ? kExitErrors : kExitClean;
}
