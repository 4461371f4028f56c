#include "ui/ImgList.h"

#include "rtl/Exceptions.h"

TImageList::TImageList(TComponent* owner, int width, int height)
    : TComponent(owner), FHandle(ImageList_Create(width, height, ILC_COLOR24 | ILC_MASK, 4, 4)),
      FWidth(width), FHeight(height) {
  if (!FHandle) throw Exception("Error creating image list");
}

TImageList::~TImageList() { ImageList_Destroy(FHandle); }

void TImageList::AddStrip(HINSTANCE instance, int resourceId, TColor transparent) {
  TGdiObject strip(LoadImageA(instance, MAKEINTRESOURCEA(resourceId), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
  if (!strip.Get()) throw Exception(Format("Bitmap resource %d not found", resourceId));
  ImageList_AddMasked(FHandle, static_cast<HBITMAP>(strip.Get()), ColorToRGB(transparent));
}

void TImageList::Draw(HDC dc, int x, int y, int index, bool enabled) const {
  UINT style = ILD_TRANSPARENT | (enabled ? 0 : ILD_BLEND50);
  ImageList_Draw(FHandle, index, dc, x, y, style);
}

TGdiObject TImageList::GetBitmap(int index, TColor background) const {
  HDC screen = GetDC(nullptr);
  TGdiObject bitmap(CreateCompatibleBitmap(screen, FWidth, FHeight));
  HDC memory = CreateCompatibleDC(screen);
  HGDIOBJ old = SelectObject(memory, bitmap.Get());
  {
    TCanvas canvas(memory);
    canvas.FillRect(RECT{0, 0, FWidth, FHeight}, background);
    Draw(memory, 0, 0, index);
  }
  SelectObject(memory, old);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return bitmap;
}
