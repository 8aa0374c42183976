#include "library/IniDocument.h"

#include "common/AsciiCase.h"
#include "common/Blanks.h"
#include "library/IniLines.h"
#include "library/IniSectionIndex.h"

namespace lumivox {
namespace {

// The program asks about a handful of sections; past this many the oldest
// answers are dropped rather than kept for ever.
constexpr std::size_t kMaxSectionsKept = 16;


}  // namespace

IniDocument::IniDocument(std::string bytes) : bytes_(std::move(bytes)) {}
IniDocument::~IniDocument() = default;

std::string IniDocument::releaseBytes() {
  sections_.clear();
  return std::move(bytes_);
}

// Where the body of the first section of that name starts. Only a '[' that
// starts its line (after blanks) can open a section, so the search goes from
// bracket to bracket.
std::optional<std::size_t> IniDocument::bodyOf(std::string_view name) const {
  const std::string_view bytes = bytes_;
  for (std::size_t bracket = bytes.find('['); bracket != std::string_view::npos; bracket = bytes.find('[', bracket + 1)) {
    std::size_t lineStart = bracket;
    while (lineStart > 0 && isSpaceOrTab(bytes[lineStart - 1])) --lineStart;
    if (lineStart > 0 && bytes[lineStart - 1] != '\n') continue;
    const IniLine line = lineAt(bytes, lineStart);
    if (line.kind == IniLine::Kind::Section && equalsIgnoringAsciiCase(line.name, name)) return line.next;
  }
  return std::nullopt;
}

const IniSectionIndex* IniDocument::section(std::string_view name) const {
  for (const Section& known : sections_)
    if (equalsIgnoringAsciiCase(known.name, name)) return known.index.get();
  if (sections_.size() >= kMaxSectionsKept) sections_.clear();
  Section& added = sections_.emplace_back();
  added.name = std::string(name);
  if (const auto body = bodyOf(name)) added.index = std::make_unique<IniSectionIndex>(bytes_, *body);
  return added.index.get();
}

std::optional<IniLine> IniDocument::findLine(std::string_view sectionName, std::string_view key) const {
  const IniSectionIndex* index = section(sectionName);
  if (!index) return std::nullopt;
  return index->find(bytes_, key);
}

std::optional<std::string_view> IniDocument::find(std::string_view sectionName, std::string_view key) const {
  const auto line = findLine(sectionName, key);
  if (!line) return std::nullopt;
  return line->value;
}

std::size_t IniDocument::indexMemoryBytes() const {
  std::size_t total = sizeof(*this) + sections_.capacity() * sizeof(Section);
  for (const Section& known : sections_) {
    total += known.name.capacity();
    if (known.index) total += known.index->memoryBytes();
  }
  return total;
}

}  // namespace lumivox
