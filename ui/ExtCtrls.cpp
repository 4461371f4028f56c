#include "ui/ExtCtrls.h"

#include <algorithm>

void DrawBevel(TCanvas& canvas, RECT& r, TBevelCut cut) {
  if (cut == bvNone) return;
  TColor topLeft = cut == bvRaised ? clBtnHighlight : clBtnShadow;
  TColor bottomRight = cut == bvRaised ? clBtnShadow : clBtnHighlight;
  canvas.Line(r.left, r.bottom - 1, r.left, r.top, topLeft);
  canvas.Line(r.left, r.top, r.right, r.top, topLeft);
  canvas.Line(r.right - 1, r.top, r.right - 1, r.bottom, bottomRight);
  canvas.Line(r.left, r.bottom - 1, r.right - 1, r.bottom - 1, bottomRight);
  InflateRect(&r, -1, -1);
}

void TPanel::CreateParams(TCreateParams& params) {
  params.ClassName = "TPanel";
  params.Style |= WS_CLIPCHILDREN;
}

void TPanel::Paint(TCanvas& canvas) {
  RECT r{0, 0, Width(), Height()};
  canvas.FillRect(r, Color());
  DrawBevel(canvas, r, BevelOuter);
  DrawBevel(canvas, r, BevelInner);
}

RECT TPanel::AlignRect() {
  RECT r = TControl::AlignRect();
  int inset = (BevelOuter != bvNone) + (BevelInner != bvNone);
  InflateRect(&r, -inset, -inset);
  return r;
}

void TBevel::CreateParams(TCreateParams& params) { params.ClassName = "TBevel"; }

void TBevel::Paint(TCanvas& canvas) {
  RECT r{0, 0, Width(), Height()};
  canvas.FillRect(r, Color());
  TColor first = Style == bvLowered ? clBtnShadow : clBtnHighlight;
  TColor second = Style == bvLowered ? clBtnHighlight : clBtnShadow;
  switch (Shape) {
    case bsTopLine:
    case bsBottomLine: {
      int y = Shape == bsTopLine ? 0 : Height() - 2;
      canvas.Line(0, y, Width(), y, first);
      canvas.Line(0, y + 1, Width(), y + 1, second);
      break;
    }
    case bsLeftLine:
    case bsRightLine: {
      int x = Shape == bsLeftLine ? 0 : Width() - 2;
      canvas.Line(x, 0, x, Height(), first);
      canvas.Line(x + 1, 0, x + 1, Height(), second);
      break;
    }
    default:
      DrawBevel(canvas, r, Style);
      break;
  }
}

TSplitter::TSplitter(TComponent* owner) : TControl(owner) { SetAlign(alLeft); }

void TSplitter::CreateParams(TCreateParams& params) { params.ClassName = "TSplitter"; }

void TSplitter::Paint(TCanvas& canvas) {
  RECT r{0, 0, Width(), Height()};
  canvas.FillRect(r, Color());
  if (Beveled) DrawBevel(canvas, r, bvRaised);
}

TControl* TSplitter::Neighbour() {
  if (!Parent()) return nullptr;
  for (TControl* sibling : Parent()->Controls())
    if (sibling != this && sibling->Align() == Align() && sibling->Visible() &&
        sibling->Left() + sibling->Width() == Left())
      return sibling;
  return nullptr;
}

LRESULT TSplitter::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SETCURSOR:
      SetCursor(LoadCursor(nullptr, IDC_SIZEWE));
      return TRUE;
    case WM_LBUTTONDOWN:
      FGrabX = static_cast<short>(LOWORD(lParam));
      SetCapture(Handle());
      return 0;
    case WM_MOUSEMOVE:
      if (FGrabX >= 0) {
        if (TControl* neighbour = Neighbour()) {
          int delta = static_cast<short>(LOWORD(lParam)) - FGrabX;
          int limit = Parent()->ClientWidth() - Width() - MinSize - neighbour->Left();
          neighbour->SetWidth(std::max(MinSize, std::min(neighbour->Width() + delta, limit)));
        }
      }
      return 0;
    case WM_LBUTTONUP:
    case WM_CAPTURECHANGED:
      if (FGrabX >= 0) {
        FGrabX = -1;
        if (message == WM_LBUTTONUP) ReleaseCapture();
      }
      return 0;
    default:
      return TControl::WndProc(message, wParam, lParam);
  }
}

void TImage::LoadBitmap(HINSTANCE instance, int resourceId) {
  FBitmap.Reset(LoadImageA(instance, MAKEINTRESOURCEA(resourceId), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
  Invalidate();
}

void TImage::CreateParams(TCreateParams& params) { params.ClassName = "TImage"; }

void TImage::Paint(TCanvas& canvas) {
  TControl::Paint(canvas);
  if (FBitmap.Get()) canvas.Draw(0, 0, static_cast<HBITMAP>(FBitmap.Get()));
}

void TPaintBox::CreateParams(TCreateParams& params) { params.ClassName = "TPaintBox"; }

void TPaintBox::Paint(TCanvas& canvas) {
  TControl::Paint(canvas);
  Fire(OnPaint, this, canvas);
}
