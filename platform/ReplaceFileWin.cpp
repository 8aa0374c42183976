#include "platform/ReplaceFile.h"

#include <windows.h>

#include "platform/FileRead.h"

namespace lumivox {

void refuseToReplace(const std::filesystem::path& target, const std::string& utf8Path) {
  // Replacing a read-only file fails on Windows itself but not everywhere
  // its API is offered; refuse it here so the rule holds wherever we run.
  const DWORD attributes = GetFileAttributesW(target.wstring().c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) &&
      !(attributes & FILE_ATTRIBUTE_DIRECTORY))
    throw FileError(utf8Path + " is read-only");
}

void replaceFile(std::filesystem::path targetPath, std::string_view bytes, Temporary, const std::string& utf8Path) {
  const std::wstring target = targetPath.wstring();
  refuseToReplace(targetPath, utf8Path);
  // One name a file: what a killed save left there is overwritten by the next.
  const std::wstring temp = target + L".lumivox-tmp";
  HANDLE file = CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) throw FileError("cannot create " + utf8Path);
  DWORD written = 0;
  const bool ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                  written == bytes.size() && FlushFileBuffers(file);
  CloseHandle(file);
  if (!ok || !MoveFileExW(temp.c_str(), target.c_str(),
                          MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    DeleteFileW(temp.c_str());
    throw FileError("cannot write " + utf8Path);
  }
}

}  // namespace lumivox
