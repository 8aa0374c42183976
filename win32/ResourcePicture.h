#pragma once
#include <windows.h>

namespace lumivox {

// The show window's picture, a JPEG among the program's resources.
inline constexpr int kShowPictureResource = 101;

// A picture resource (RCDATA holding a JPEG, GIF or BMP) decoded by the
// system's imaging support into a bitmap the caller owns; null when it is
// missing or cannot be decoded.
HBITMAP loadResourcePicture(HMODULE module, int resourceId);

// A copy of the bitmap smoothly stretched to that size, which the caller
// owns; null when the system has no memory for it.
HBITMAP stretchedPicture(HBITMAP picture, int width, int height);

}  // namespace lumivox
