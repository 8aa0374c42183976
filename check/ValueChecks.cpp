#include "check/ValueChecks.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

#include "check/FileFindings.h"
#include "check/TextEncoding.h"
#include "common/ControlTable.h"
#include "dialogue/IndexForm.h"
#include "info/About.h"
#include "library/LookupLine.h"
#include "platform/GbkCodePage.h"

namespace lumivox {
namespace {

bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isQuote(char c) { return c == '"' || c == '\''; }

// Shown as an empty line: blanks, tabs and full-width spaces alone.
bool isBlank(std::string_view shownGbk) {
  for (std::size_t at = 0; at < shownGbk.size();) {
    if (shownGbk[at] == ' ' || shownGbk[at] == '\t') {
      ++at;
    } else if (shownGbk.substr(at, 2) == "\xA1\xA1") {
      at += 2;
    } else {
      return false;
    }
  }
  return true;
}

std::string points(double value) {
  char text[16];
  std::snprintf(text, sizeof text, "%g", value);
  return text;
}

// Where the value first looks like HTML: a tag or a character reference.
// ('<', '&', '>' and ';' are never the second byte of a GBK character.)
std::optional<std::size_t> markupAt(std::string_view value) {
  for (std::size_t at = 0; at + 1 < value.size(); ++at) {
    const char next = value[at + 1];
    if (value[at] == '<' && (isLetter(next) || next == '/' || next == '!') &&
        value.find('>', at + 2) != std::string_view::npos)
      return at;
    if (value[at] != '&') continue;
    std::size_t end = at + 1;
    if (value[end] == '#') {
      ++end;
      if (end < value.size() && (value[end] == 'x' || value[end] == 'X')) ++end;
      const std::size_t digits = end;
      while (end < value.size() && (isDigit(value[end]) || isLetter(value[end]))) ++end;
      if (end > digits && end < value.size() && value[end] == ';') return at;
    } else {
      while (end < value.size() && isLetter(value[end])) ++end;
      if (end > at + 1 && end < value.size() && value[end] == ';') return at;
    }
  }
  return std::nullopt;
}

// Lines the shown bytes take at a font size, broken anywhere.
std::size_t linesAt(std::string_view shownGbk, std::size_t halfEmsPerLine) {
  std::size_t lines = 1, used = 0;
  for (std::size_t at = 0; at < shownGbk.size();) {
    const bool wide = isGbkLead(static_cast<unsigned char>(shownGbk[at])) && at + 1 < shownGbk.size();
    const std::size_t width = wide ? 2 : 1;
    at += width;
    if (used + width > halfEmsPerLine) {
      ++lines;
      used = 0;
    }
    used += width;
  }
  return lines;
}

}  // namespace

const ControlRow& dialogueLineLabel() {
  static const ControlRow label = *indexForm().find("对话内容");
  return label;
}

std::optional<double> dialogueLinePoints(std::string_view shownGbk) {
  const ControlRow& label = dialogueLineLabel();
  for (double size = label.points; size >= kDialogueLineSmallestPoints; size -= kDialogueLineStepPoints) {
    const double emTwips = size * 20;  // a point is 20 twips
    const auto halfEms = static_cast<std::size_t>(std::floor(label.width / (emTwips / 2)));
    const auto rows = static_cast<std::size_t>(std::floor(label.height / (emTwips * kLinePitchEms)));
    // Even with a half em lost at each line's end, it fits.
    if (shownGbk.size() <= (halfEms - 1) * rows || linesAt(shownGbk, halfEms) <= rows) return size;
  }
  return std::nullopt;
}

void checkShownValue(FileFindings& findings, LinePlaces& places, std::string_view line, std::string_view value,
                     std::size_t afterEquals, ValueUse use) {
  const Language lang = findings.language();
  const std::size_t valueAt = static_cast<std::size_t>(value.data() - line.data());
  // The place of a byte of the value, found when a finding there is listed.
  auto at = [&](std::size_t offsetInValue) {
    return [&places, offset = valueAt + offsetInValue] { return places.at(offset); };
  };

  if (value.empty()) {
    findings.add(
        [&] { return places.at(afterEquals); }, Severity::Warning, "L042",
        [&] { return say(lang, "值是空的：玩家看到一个空行", "the value is empty: players see an empty line"); });
    return;
  }
  if (const std::string_view shown = shownBytes(value); !shown.empty() && isBlank(shown)) {
    findings.add(at(0), Severity::Warning, "L042", [&] {
      return say(lang, "值里只有空白：玩家看到一个空行", "the value holds only blanks: players see an empty line");
    });
    return;
  }

  std::string_view shown = value.substr(0, kMaxValueBytes);
  if (const std::size_t nul = shown.find('\0'); nul != std::string_view::npos) {
    findings.add(at(nul), Severity::Warning, "L045", [&] {
      return say(lang, "NUL 字节：这一行只显示到这里为止", "NUL byte: the line is shown only up to here");
    });
    shown = shown.substr(0, nul);
  }

  if (value.size() > kMaxValueBytes) {
    std::size_t kept = 0;
    while (kept < kMaxValueBytes) {
      const std::size_t width = isGbkLead(static_cast<unsigned char>(value[kept])) ? 2 : 1;
      if (kept + width > kMaxValueBytes) break;
      kept += width;
    }
    const bool splits = kept < kMaxValueBytes;
    const std::string size = std::to_string(value.size());
    findings.add(at(kept), Severity::Error, "L040", [&] {
      return splits ? say(lang, "这一行有 {} 字节，只显示前 255 字节：从这里起被截掉，而且截断处把这个字劈成两半",
                          "the line has {} bytes and only the first 255 are shown: it is cut here, in the middle "
                          "of this character",
                          {size})
                    : say(lang, "这一行有 {} 字节，只显示前 255 字节：从这里起被截掉",
                          "the line has {} bytes and only the first 255 are shown: it is cut here", {size});
    });
  }

  if (isQuote(value.front()) && (value.size() == 1 || value.back() != value.front())) {
    findings.add(at(0), Severity::Warning, "L043", [&] {
      return say(lang, "开头的引号没有配对的结尾引号：读取时不会去掉，玩家会看到它",
                 "opening quote without a matching closing one: it is not removed, players see it");
    });
  } else if (isQuote(value.back()) && std::count(value.begin(), value.end(), value.back()) == 1) {
    findings.add(at(value.size() - 1), Severity::Warning, "L043", [&] {
      return say(lang, "结尾的引号没有配对的开头引号：读取时不会去掉，玩家会看到它",
                 "closing quote without a matching opening one: it is not removed, players see it");
    });
  }

  if (const auto markup = markupAt(shown)) {
    findings.add(at(*markup), Severity::Note, "L044", [&] {
      return say(lang, "看起来像 HTML 标记：程序按原样显示这些字符，不当作格式",
                 "looks like HTML markup: the program shows these characters as they are, not as formatting");
    });
  }

  if (use == ValueUse::DialogueLine) {
    const auto size = dialogueLinePoints(shown);
    const double design = dialogueLineLabel().points;
    if (!size) {
      findings.add(at(0), Severity::Warning, "L041", [&] {
        return say(lang, "对话框在最小的 {} 磅字下也放不下这一行：末尾会看不到",
                   "the dialogue box cannot hold this line even at its smallest {} pt font: its end is not seen",
                   {points(kDialogueLineSmallestPoints)});
      });
    } else if (*size < design) {
      findings.add(at(0), Severity::Warning, "L041", [&] {
        return say(lang, "对话框按 {} 磅字放不下这一行，估计缩小到 {} 磅显示",
                   "the dialogue box cannot hold this line at {} pt; it is shown smaller, at about {} pt",
                   {points(design), points(*size)});
      });
    }
  } else if (shownText(shown) == kThanksInvitationText) {
    findings.add(at(0), Severity::Warning, "L053", [&] {
      return say(lang, "与结尾的邀请语相同：鸣谢列表在这里就从头开始，后面的条目不会显示",
                 "same as the closing invitation: the thanks list starts over here and later entries are not shown");
    });
  }
}

}  // namespace lumivox
