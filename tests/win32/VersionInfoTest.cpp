#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "win32/WideText.h"

namespace {

// One value of the version block's first string table, as Properties ›
// Details shows it.
std::string versionText(const std::vector<char>& block, const wchar_t* name) {
  struct Translation {
    WORD language, codePage;
  }* translation = nullptr;
  UINT size = 0;
  if (!VerQueryValueW(block.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation), &size) ||
      size < sizeof *translation)
    return "(no translation)";
  wchar_t path[128];
  swprintf(path, 128, L"\\StringFileInfo\\%04x%04x\\%ls", translation->language, translation->codePage, name);
  wchar_t* text = nullptr;
  if (!VerQueryValueW(block.data(), path, reinterpret_cast<void**>(&text), &size)) return "(missing)";
  return lumivox::fromWide(text);
}

}  // namespace

// Read back from Lumivox.exe as the system reads it: the project's one
// version in numbers and words, and whose program it is.
TEST(VersionInfo, LumivoxExeNamesItselfItsVersionAndItsAuthors) {
  const std::wstring exe = lumivox::toWide(LUMIVOX_EXE);
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeW(exe.c_str(), &ignored);
  ASSERT_GT(size, 0u) << "no version block in " << LUMIVOX_EXE;
  std::vector<char> block(size);
  ASSERT_TRUE(GetFileVersionInfoW(exe.c_str(), 0, size, block.data()));

  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
  const std::string numbers = std::to_string(HIWORD(fixed->dwFileVersionMS)) + "." +
                              std::to_string(LOWORD(fixed->dwFileVersionMS)) + "." +
                              std::to_string(HIWORD(fixed->dwFileVersionLS)) + "." +
                              std::to_string(LOWORD(fixed->dwFileVersionLS));
  EXPECT_EQ(numbers, LUMIVOX_FILE_VERSION);
  EXPECT_EQ(fixed->dwProductVersionMS, fixed->dwFileVersionMS);
  EXPECT_EQ(fixed->dwProductVersionLS, fixed->dwFileVersionLS);
  EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));

  EXPECT_EQ(versionText(block, L"ProductName"), "Lumivox");
  EXPECT_EQ(versionText(block, L"ProductVersion"), LUMIVOX_VERSION);
  EXPECT_EQ(versionText(block, L"FileVersion"), LUMIVOX_FILE_VERSION);
  EXPECT_EQ(versionText(block, L"OriginalFilename"), "Lumivox.exe");
  EXPECT_EQ(versionText(block, L"FileDescription").rfind("Lumivox：", 0), 0u) << "a description after the name";
  EXPECT_EQ(versionText(block, L"CompanyName"), LUMIVOX_AUTHORS);
  EXPECT_EQ(versionText(block, L"LegalCopyright"), std::string("© ") + LUMIVOX_AUTHORS);
}
