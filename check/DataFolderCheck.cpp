#include "check/DataFolderCheck.h"

#include <cmath>
#include <optional>
#include <vector>

#include "check/ConvertUtf8.h"
#include "check/DataFile.h"
#include "check/FileFindings.h"
#include "check/LibraryCheck.h"
#include "check/OtherFileChecks.h"
#include "check/TextEncoding.h"
#include "common/NumberConversion.h"
#include "dialogue/DataFiles.h"
#include "dialogue/DialogueState.h"
#include "dialogue/KeyPoll.h"
#include "info/About.h"
#include "library/LookupLine.h"
#include "progress/AutoSaveSettings.h"
#include "progress/ProgressTracks.h"

namespace lumivox {
namespace {

// A figure for a message: whole numbers in full ("2147483648", never
// "2.14748365e+09").
std::string number(double value) {
  char text[48];
  if (value == std::floor(value) && std::fabs(value) < 1e18)
    std::snprintf(text, sizeof text, "%.0f", value);
  else
    std::snprintf(text, sizeof text, "%.9g", value);
  return text;
}

// A value the program reads by name, as the reader finds it.
struct NamedValue {
  std::string shown;  // what a lookup gives
  std::size_t line = 0, column = 0;
};

std::optional<NamedValue> namedValue(const LibraryScan& scan, std::string_view section, std::string_view key) {
  const auto line = scan.document->findLine(section, key);
  if (!line) return std::nullopt;
  const auto valueAt = static_cast<std::size_t>(line->value.data() - scan.document->bytes().data());
  const Place place = scan.placeIn(*line, valueAt);
  return NamedValue{shownText(line->value), place.line, place.column};
}

// A library as the checks across files need it.
struct Library {
  std::optional<LibraryScan> scan;  // none: missing or unreadable
  bool hasSection(std::size_t role) const { return scan && !scan->unreadable && scan->sectionLines[role]; }
  // The numbered lines: how many, and the last one's number.
  std::optional<std::size_t> count, highest;
  // The numbered lines themselves; null without the section.
  const NumberedLines* numbered() const { return hasSection(0) ? &scan->numbered : nullptr; }
};

Library readLibrary(const DataFolder& folder, std::string_view name, std::span<const SectionRole> roles,
                    FileFindings& findings, const WhenAbsent& absent) {
  Library library;
  auto bytes = readChecked(folder, name, findings, kMaxIniFileBytes, absent);
  if (!bytes) return library;
  library.scan = scanLibrary(std::move(*bytes), roles, findings);
  if (!library.hasSection(0)) return library;
  library.count = library.scan->numbered.count();
  library.scan->numbered.forEach([&](std::uint32_t n, std::uint32_t) { library.highest = n; });
  return library;
}

class FolderCheck {
 public:
  FolderCheck(const DataFolder& folder, Language lang) : folder_(folder), lang_(lang) {}

  void run(CheckReport& report) {
    const std::string_view mainName = fileNameOf(trackInfo(Track::Main).libraryFile),
                           doorName = fileNameOf(trackInfo(Track::Door).libraryFile);
    FileFindings main(folder_.path(mainName), lang_), door(folder_.path(doorName), lang_);
    const std::string endText = say(lang_, "玩家只会看到「{}」", "players see only \"{}\"", {kEndOfDialogueText});

    const Library doors =
        readLibrary(folder_, doorName, doorLibraryRoles(), door, {Severity::Error, Severity::Error, endText});
    if (doors.scan && !doors.scan->unreadable && !doors.hasSection(0))
      door.add(0, 0, Severity::Error, "L022", missingSection(doorLibraryRoles()[0].name, endText));

    const Library story =
        readLibrary(folder_, mainName, mainLibraryRoles(), main, {Severity::Error, Severity::Error, endText});
    if (story.scan && !story.scan->unreadable) checkMainValues(story, doors, main, endText);

    report.mainLines = story.count;
    report.doorLines = doors.count;
    main.moveInto(report);
    door.moveInto(report);

    FileFindings hotkeys(folder_.path(fileNameOf(kHotkeyFile)), lang_);
    checkHotkeyFile(folder_, hotkeys);
    hotkeys.moveInto(report);

    for (Track track : kTracks) {
      const Library& library = track == Track::Main ? story : doors;
      for (std::string_view file : {progressFiles(track).saveFile, progressFiles(track).autoSaveFile}) {
        FileFindings progress(folder_.path(fileNameOf(file)), lang_);
        checkProgressFile(folder_, progress, library.numbered());
        progress.moveInto(report);
      }
    }

    FileFindings thanks(folder_.path(fileNameOf(kThanksFile)), lang_);
    checkThanks(thanks);
    thanks.moveInto(report);

    FileFindings page(folder_.path(fileNameOf(kCounterPageFile)), lang_);
    checkCounterPage(folder_, page);
    page.moveInto(report);
  }

 private:
  std::string missingSection(std::string_view section, std::string_view consequence) const {
    return say(lang_, "缺少 [{}] 节：{}", "section [{}] is missing: {}", {section, consequence});
  }

  void checkMainValues(const Library& story, const Library& doors, FileFindings& findings, const std::string& endText) {
    const LibraryScan& scan = *story.scan;
    if (!story.hasSection(kStoryRole))
      findings.add(0, 0, Severity::Error, "L022", missingSection(mainLibraryRoles()[kStoryRole].name, endText));

    const std::string unknownSize =
        say(lang_, "关于窗口显示「未知大小」", "the About window shows \"未知大小\" (size unknown)");
    if (!story.hasSection(kLineCountRole)) {
      findings.add(0, 0, Severity::Error, "L022",
                   missingSection("TextNumber", say(lang_, "进度条只按 1 行计算，{}",
                                                    "the progress bar counts 1 line; {}", {unknownSize})));
    } else {
      checkLineCount(scan, Track::Main, story, findings, unknownSize);
      checkLineCount(scan, Track::Door, doors, findings, unknownSize);
    }

    if (!story.hasSection(kBuildRole))
      findings.add(0, 0, Severity::Note, "L022",
                   missingSection("Build", say(lang_, "关于窗口显示「未知版本」",
                                               "the About window shows \"未知版本\" (version unknown)")));

    const auto interval = namedValue(scan, kIntervalSection, kIntervalKey);
    if (!interval) {
      findings.add(0, 0, Severity::Note, "L052",
                   say(lang_, "没有自动保存间隔（[T] 节的 T）：设置窗口显示 {}，原样确定会被拒绝",
                       "no auto-save interval (T in section [T]): the settings window shows {}, which it refuses if "
                       "confirmed as it is",
                       {kIntervalFallback}));
    } else if (!autoSaveIntervalMs(interval->shown)) {
      findings.add(interval->line, interval->column, Severity::Warning, "L052",
                   say(lang_, "自动保存间隔「{}」会被设置窗口拒绝：要填 0 到 65.535 之间的秒数",
                       "the auto-save interval \"{}\" is refused by the settings window: it takes 0 to 65.535 seconds",
                       {excerpt(interval->shown)}));
    }
  }

  // The line count the progress bar runs to, against the lines the library has.
  void checkLineCount(const LibraryScan& scan, Track track, const Library& counted, FileFindings& findings,
                      const std::string& unknownSize) {
    const std::string_view key = trackInfo(track).lineCountKey;
    const std::string story =
        track == Track::Main ? say(lang_, "主线", "the main story") : say(lang_, "门后的故事", "the door stories");
    const auto value = namedValue(scan, "TextNumber", key);
    if (!value) {
      findings.add(
          scan.sectionLines[kLineCountRole], 0, Severity::Error, "L022",
          say(lang_, "[TextNumber] 节里没有 {}：{}的进度条只按 1 行计算，{}",
              "section [TextNumber] has no {}: the progress bar of {} counts 1 line; {}", {key, story, unknownSize}));
      return;
    }
    const auto lines = toSingle(value->shown);
    if (!lines || !(*lines > 0)) {
      findings.add(value->line, value->column, Severity::Error, "L032",
                   say(lang_, "{}「{}」不是大于 0 的数：{}的进度条一直按 100 计算",
                       "{} \"{}\" is no number above 0: the progress bar of {} keeps counting to 100",
                       {key, excerpt(value->shown), story}));
      return;
    }
    if (!counted.highest) return;  // no lines to compare with: said elsewhere
    const double present = static_cast<double>(*counted.highest) + 1;
    if (*lines == present) return;
    // The count as written: the bar takes it as a single-precision number.
    const std::string stated = excerpt(value->shown), real = number(present),
                      lastLine = std::to_string(*counted.highest);
    // The bar takes a line's number as its value only up to its maximum: the
    // percentage of the last line, or the line from which the bar stands still.
    const double lastPercent = roundHalfEven((present - 1) / *lines * 100.0);
    const double stillFrom = std::floor(*lines) + 1;
    std::string effect;
    if (*lines > present) {
      effect = say(lang_, "最后一行只显示 {}%，再往后是「{}」", "the last line shows {}%, and after it comes \"{}\"",
                   {number(lastPercent), kEndOfDialogueText});
    } else if (stillFrom < present) {
      effect = say(lang_, "从第 {} 行起，进度条和百分比就停着不动",
                   "from line {} on, the progress bar and the percentage stand still", {number(stillFrom)});
    } else {
      effect = say(lang_, "最后一行就显示 {}%", "the last line already shows {}%", {number(lastPercent)});
    }
    findings.add(value->line, value->column, Severity::Error, "L031",
                 say(lang_, "{} 是 {}，{}的行号却编到 {}（应为 {}）：{}",
                     "{} is {} but the lines of {} run to line {} (so it should be {}): {}",
                     {key, stated, story, lastLine, real, effect}));
  }

  void checkThanks(FileFindings& findings) {
    const std::string onlyInvitation =
        say(lang_, "关于窗口的鸣谢处只显示邀请语", "the About window's thanks show only the invitation");
    auto bytes = readChecked(folder_, fileNameOf(kThanksFile), findings, kMaxIniFileBytes,
                             {Severity::Note, Severity::Warning, onlyInvitation});
    if (!bytes) return;
    const LibraryScan scan = scanLibrary(std::move(*bytes), thanksListRoles(), findings);
    if (!scan.unreadable && !scan.sectionLines[0])
      findings.add(0, 0, Severity::Warning, "L022", missingSection(kThanksSection, onlyInvitation));
  }

  const DataFolder& folder_;
  Language lang_;
};

}  // namespace

CheckReport checkDataFolder(const std::string& folder, Language language, Conversion conversion) {
  CheckReport report;
  DataFolder data;
  std::string why;
  if (!data.open(folder, language, why)) {
    report.folderUnreadable = true;
    report.findings.push_back({folder, 0, 0, Severity::Error, "L001",
                               say(language, "读不了 Data 文件夹：{}", "the Data folder cannot be read: {}", {why})});
    report.errors = 1;
    return report;
  }
  if (conversion == Conversion::Utf8Libraries) convertUtf8Libraries(data, language, report);
  FolderCheck(data, language).run(report);
  return report;
}

}  // namespace lumivox
