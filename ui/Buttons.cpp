#include "ui/Buttons.h"

#include <algorithm>

#include "rtl/Exceptions.h"
#include "ui/ExtCtrls.h"

void TButton::CreateParams(TCreateParams& params) {
  params.ClassName = "BUTTON";
  params.SystemClass = true;
  params.Style |= BS_PUSHBUTTON | WS_TABSTOP;
}

bool TButton::Command(WORD code) {
  if (code != BN_CLICKED) return false;
  Click();
  return true;
}

void TSpeedButton::SetGlyph(TGdiObject glyph, int numGlyphs) {
  FGlyph = std::move(glyph);
  FNumGlyphs = numGlyphs < 1 ? 1 : numGlyphs;
  Invalidate();
}

void TSpeedButton::LoadGlyph(HINSTANCE instance, int resourceId, int numGlyphs) {
  TGdiObject glyph(LoadImageA(instance, MAKEINTRESOURCEA(resourceId), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
  if (!glyph.Get()) throw Exception(Format("Bitmap resource %d not found", resourceId));
  SetGlyph(std::move(glyph), numGlyphs);
}

void TSpeedButton::CreateParams(TCreateParams& params) { params.ClassName = "TSpeedButton"; }

void TSpeedButton::DrawGlyph(TCanvas& canvas, int x, int y) {
  BITMAP info{};
  if (!FGlyph.Get() || !GetObjectA(FGlyph.Get(), sizeof info, &info)) return;
  int width = info.bmWidth / FNumGlyphs;
  int source = (!Enabled() && FNumGlyphs > 1) ? width : 0;
  HDC memory = CreateCompatibleDC(canvas.Handle());
  HGDIOBJ old = SelectObject(memory, FGlyph.Get());
  TransparentBlt(canvas.Handle(), x, y, width, info.bmHeight, memory, source, 0, width, info.bmHeight,
                 ColorToRGB(clFuchsia));
  SelectObject(memory, old);
  DeleteDC(memory);
}

void TSpeedButton::Paint(TCanvas& canvas) {
  RECT r{0, 0, Width(), Height()};
  canvas.FillRect(r, Color());
  if (Enabled() && (FDown || FHot || !Flat)) {
    RECT edge = r;
    DrawBevel(canvas, edge, FDown && FHot ? bvLowered : bvRaised);
  }
  BITMAP info{};
  int gw = 0, gh = 0;
  if (FGlyph.Get() && GetObjectA(FGlyph.Get(), sizeof info, &info)) {
    gw = info.bmWidth / FNumGlyphs;
    gh = info.bmHeight;
  }
  SIZE text{};
  const std::string& caption = Caption();
  if (!caption.empty()) GetTextExtentPoint32A(canvas.Handle(), caption.c_str(), static_cast<int>(caption.size()), &text);
  int gap = (gw && !caption.empty()) ? 4 : 0;
  bool horizontal = Layout == blGlyphLeft || Layout == blGlyphRight;
  int totalW = horizontal ? gw + gap + text.cx : std::max<int>(gw, text.cx);
  int totalH = horizontal ? std::max<int>(gh, text.cy) : gh + gap + text.cy;
  int x = (Width() - totalW) / 2, y = (Height() - totalH) / 2;
  int shift = FDown && FHot ? 1 : 0;
  int gx = x, gy = y, tx = x, ty = y;
  switch (Layout) {
    case blGlyphLeft: gy = y + (totalH - gh) / 2; tx = x + gw + gap; ty = y + (totalH - text.cy) / 2; break;
    case blGlyphRight: gx = x + text.cx + gap; gy = y + (totalH - gh) / 2; ty = y + (totalH - text.cy) / 2; break;
    case blGlyphTop: gx = x + (totalW - gw) / 2; tx = x + (totalW - text.cx) / 2; ty = y + gh + gap; break;
    case blGlyphBottom: gx = x + (totalW - gw) / 2; gy = y + text.cy + gap; tx = x + (totalW - text.cx) / 2; break;
  }
  DrawGlyph(canvas, gx + shift, gy + shift);
  if (!caption.empty()) canvas.TextOut(tx + shift, ty + shift, caption, Enabled() ? Font().Color : clGrayText);
}

LRESULT TSpeedButton::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_MOUSEMOVE:
      if (!FHot) {
        FHot = true;
        TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, Handle(), 0};
        TrackMouseEvent(&track);
        Invalidate();
      }
      break;
    case WM_MOUSELEAVE:
      FHot = false;
      Invalidate();
      break;
    case WM_LBUTTONDOWN:
      FDown = true;
      SetCapture(Handle());
      Invalidate();
      break;
    case WM_LBUTTONUP:
      if (FDown) {
        FDown = false;
        ReleaseCapture();
        Invalidate();
        POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        if (at.x >= 0 && at.y >= 0 && at.x < Width() && at.y < Height()) Click();
      }
      return 0;
    default:
      break;
  }
  return TControl::WndProc(message, wParam, lParam);
}
