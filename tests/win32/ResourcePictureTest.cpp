#include <gtest/gtest.h>
#include <windows.h>

#include "win32/ResourcePicture.h"

// The show window's picture, linked into this test as into Lumivox.exe,
// decodes with the system's imaging support at its drawn size.
TEST(ResourcePicture, ShowPictureDecodesAtItsSize) {
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  HBITMAP bitmap = lumivox::loadResourcePicture(GetModuleHandleW(nullptr), lumivox::kShowPictureResource);
  ASSERT_NE(bitmap, nullptr);
  BITMAP info{};
  GetObjectW(bitmap, sizeof info, &info);
  EXPECT_EQ(info.bmWidth, 320);
  EXPECT_EQ(info.bmHeight, 240);
  DeleteObject(bitmap);
  EXPECT_EQ(lumivox::loadResourcePicture(GetModuleHandleW(nullptr), 999), nullptr);
}
