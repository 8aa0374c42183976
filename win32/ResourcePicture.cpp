#include "win32/ResourcePicture.h"

#include <ocidl.h>
#include <olectl.h>

#include <cstring>

namespace lumivox {

HBITMAP loadResourcePicture(HMODULE module, int resourceId) {
  HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(resourceId), MAKEINTRESOURCEW(10));  // RT_RCDATA
  if (!found) return nullptr;
  const DWORD size = SizeofResource(module, found);
  const void* bytes = LockResource(LoadResource(module, found));
  if (!bytes || size == 0) return nullptr;
  // The picture reader wants a stream over memory of its own.
  HGLOBAL copy = GlobalAlloc(GMEM_MOVEABLE, size);
  if (!copy) return nullptr;
  std::memcpy(GlobalLock(copy), bytes, size);
  GlobalUnlock(copy);
  IStream* stream = nullptr;
  if (FAILED(CreateStreamOnHGlobal(copy, TRUE, &stream))) {
    GlobalFree(copy);
    return nullptr;
  }
  IPicture* picture = nullptr;
  HBITMAP bitmap = nullptr;
  if (SUCCEEDED(OleLoadPicture(stream, static_cast<LONG>(size), FALSE, IID_IPicture,
                               reinterpret_cast<void**>(&picture)))) {
    OLE_HANDLE handle = 0;
    short type = 0;
    // The picture object owns its bitmap: the caller gets a copy.
    if (SUCCEEDED(picture->get_Type(&type)) && type == PICTYPE_BITMAP && SUCCEEDED(picture->get_Handle(&handle)))
      bitmap = static_cast<HBITMAP>(
          CopyImage(reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(handle)), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    picture->Release();
  }
  stream->Release();
  return bitmap;
}

HBITMAP stretchedPicture(HBITMAP picture, int width, int height) {
  BITMAP size{};
  if (!GetObjectW(picture, sizeof size, &size)) return nullptr;
  HDC screen = GetDC(nullptr);
  HBITMAP stretched = CreateCompatibleBitmap(screen, width, height);
  HDC source = CreateCompatibleDC(screen), target = CreateCompatibleDC(screen);
  ReleaseDC(nullptr, screen);
  if (stretched && !(source && target)) {
    DeleteObject(stretched);
    stretched = nullptr;
  }
  if (stretched) {
    HGDIOBJ oldSource = SelectObject(source, picture), oldTarget = SelectObject(target, stretched);
    SetStretchBltMode(target, HALFTONE);
    SetBrushOrgEx(target, 0, 0, nullptr);
    StretchBlt(target, 0, 0, width, height, source, 0, 0, size.bmWidth, size.bmHeight, SRCCOPY);
    SelectObject(source, oldSource);
    SelectObject(target, oldTarget);
  }
  if (source) DeleteDC(source);
  if (target) DeleteDC(target);
  return stretched;
}

}  // namespace lumivox
