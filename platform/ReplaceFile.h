#pragma once
#include <filesystem>
#include <string>
#include <string_view>

#include "platform/AtomicFile.h"

namespace lumivox {

// The system's part of writeFileAtomically, one file per platform
// (ReplaceFilePosix.cpp, ReplaceFileWin.cpp): the file at `target`, reached
// through any links already, replaced by the bytes through a temporary
// beside it. Throws FileError naming `utf8Path`, the path the caller gave.
void replaceFile(std::filesystem::path target, std::string_view bytes, Temporary temporary,
                 const std::string& utf8Path);

// replaceFile's first step: throws FileError when the file at `target` is
// not one to replace (read-only; a pipe, device or folder); a missing one is.
void refuseToReplace(const std::filesystem::path& target, const std::string& utf8Path);

}  // namespace lumivox
