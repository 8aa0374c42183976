#include "progress/ProgressFile.h"

#include <filesystem>

#include "common/AtomicFile.h"
#include "common/FieldReader.h"
#include "common/FileRead.h"
#include "common/NumberConversion.h"
#include "common/Paths.h"
#include "core/IndexView.h"
#include "core/LookupLine.h"
#include "platform/TextCodec.h"
#include "progress/ProgressTracks.h"

#ifndef _WIN32
#include <unistd.h>
#endif

namespace lumivox {
namespace {

// The writer renames a new file into place, which a read-only file does not
// stop the way writing into it would. A user who made a save read-only meant
// it to stay as it is.
void refuseUnwritable(const std::string& path) {
  namespace fs = std::filesystem;
  std::error_code ec;
  const fs::file_status status = fs::status(toFsPath(path), ec);
  if (ec || status.type() != fs::file_type::regular) return;  // created, or refused by the writer
  const auto writeBits = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
  bool readOnly = (status.permissions() & writeBits) == fs::perms::none;
#ifndef _WIN32
  readOnly = readOnly || ::access(path.c_str(), W_OK) != 0;  // someone else's file
#endif
  if (readOnly) throw FileError(path + " is read-only");
}

}  // namespace

std::string progressFileBytes(std::string_view key) {
  // Keys are decimal numbers: ASCII, the same in the file's code page.
  return std::string(key) + "\r\n";
}

void SaveProgress(DialogueState& state, Track track, std::string_view relativePath) {
  const std::string path = pathInCurrentDirectory(relativePath);
  refuseUnwritable(path);
  writeFileAtomically(path, progressFileBytes(state.key(track)));
}

void LoadProgress(DialogueState& state, Track track, std::string_view relativePath, IndexView& view) {
  const std::string value = gbkToUtf8(readLastField(pathInCurrentDirectory(relativePath)));
  view.setLoadedText(track, value);
  view.setDialogueText(LookupLine(libraryPathOf(view, track), trackInfo(track).section, value, kLoadFallbackText));
  const auto counter = toInt32(value);
  if (!counter) throw ProgressValueError("no line number in " + std::string(relativePath));
  state.counter(track) = *counter;
  view.setStatusText(kLoadedStatusText);
}

}  // namespace lumivox
