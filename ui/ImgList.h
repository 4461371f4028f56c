#pragma once
// Image lists: masked images of one size, filled from a bitmap strip of the module.
#include <windows.h>
#include <commctrl.h>

#include "ui/Component.h"
#include "ui/Graphics.h"

class TImageList : public TComponent {
public:
  TImageList(TComponent* owner, int width, int height);
  ~TImageList() override;

  HIMAGELIST Handle() const { return FHandle; }
  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  int Count() const { return ImageList_GetImageCount(FHandle); }
  // Adds every image of a bitmap strip; the colour given is transparent.
  void AddStrip(HINSTANCE instance, int resourceId, TColor transparent);
  void Draw(HDC dc, int x, int y, int index, bool enabled = true) const;
  // One image as a bitmap of its own, its transparent parts in the given colour.
  TGdiObject GetBitmap(int index, TColor background = clFuchsia) const;

private:
  HIMAGELIST FHandle;
  int FWidth, FHeight;
};
