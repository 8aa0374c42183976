#pragma once
#include <cstddef>
#include <optional>
#include <string_view>

namespace lumivox {

class FileFindings;
class LinePlaces;
struct ControlRow;

// The checks of one shown value of a GBK library: a dialogue line or a
// thanks entry. `line` is the whole line's text (without its line end),
// `places` its places as editors show them, `value` the value as the reader
// gives it, a view into that line, and `afterEquals` the offset in the line
// just after its '='.
enum class ValueUse { DialogueLine, ThanksEntry };
void checkShownValue(FileFindings& findings, LinePlaces& places, std::string_view line, std::string_view value,
                     std::size_t afterEquals, ValueUse use);

// The dialogue label's fit, estimated: the label's size and design font from
// the main window's table; a GBK character one em wide and an ASCII one half
// an em; lines broken anywhere, kLinePitchEms em apart. Gives the font size
// the label shrinks to for these shown bytes, or nothing when the line does
// not fit even at the smallest size.
inline constexpr double kLinePitchEms = 1.25;
std::optional<double> dialogueLinePoints(std::string_view shownGbk);
// The dialogue line 对话内容 of the main window's table.
const ControlRow& dialogueLineLabel();

}  // namespace lumivox
