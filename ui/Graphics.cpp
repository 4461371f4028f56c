#include "ui/Graphics.h"

COLORREF ColorToRGB(TColor color) {
  if (color & clSystemColor) return GetSysColor(static_cast<int>(color & 0xFF));
  return static_cast<COLORREF>(color);
}

TGdiObject& TGdiObject::operator=(TGdiObject&& other) noexcept {
  if (this != &other) {
    Reset(other.FHandle);
    other.FHandle = nullptr;
  }
  return *this;
}

void TGdiObject::Reset(HGDIOBJ handle) {
  if (FHandle) DeleteObject(FHandle);
  FHandle = handle;
}

void TFont::Assign(const std::string& name, int height, BYTE charset, TColor color) {
  Name = name;
  Height = height;
  Charset = charset;
  Color = color;
}

HFONT TFont::Handle() {
  if (!FHandle.Get() || FMadeName != Name || FMadeHeight != Height || FMadeCharset != Charset) {
    LOGFONTA lf{};
    lf.lfHeight = Height;
    lf.lfWeight = FW_NORMAL;
    lf.lfCharSet = Charset;
    lstrcpynA(lf.lfFaceName, Name.c_str(), LF_FACESIZE);
    FHandle.Reset(CreateFontIndirectA(&lf));
    FMadeName = Name;
    FMadeHeight = Height;
    FMadeCharset = Charset;
  }
  return static_cast<HFONT>(FHandle.Get());
}

TCanvas::TCanvas(HDC dc) : FDC(dc), FSaved(SaveDC(dc)) {}

TCanvas::~TCanvas() { RestoreDC(FDC, FSaved); }

void TCanvas::FillRect(const RECT& r, TColor color) {
  TGdiObject brush(CreateSolidBrush(ColorToRGB(color)));
  ::FillRect(FDC, &r, static_cast<HBRUSH>(brush.Get()));
}

void TCanvas::FrameRect(const RECT& r, TColor color) {
  TGdiObject brush(CreateSolidBrush(ColorToRGB(color)));
  ::FrameRect(FDC, &r, static_cast<HBRUSH>(brush.Get()));
}

void TCanvas::Line(int x1, int y1, int x2, int y2, TColor color) {
  TGdiObject pen(CreatePen(PS_SOLID, 1, ColorToRGB(color)));
  HGDIOBJ old = SelectObject(FDC, pen.Get());
  MoveToEx(FDC, x1, y1, nullptr);
  LineTo(FDC, x2, y2);
  SelectObject(FDC, old);
}

void TCanvas::RoundFrame(const RECT& r, int ellipseWidth, int ellipseHeight, TColor color) {
  TGdiObject pen(CreatePen(PS_SOLID, 1, ColorToRGB(color)));
  HGDIOBJ oldPen = SelectObject(FDC, pen.Get());
  HGDIOBJ oldBrush = SelectObject(FDC, GetStockObject(NULL_BRUSH));
  RoundRect(FDC, r.left, r.top, r.right, r.bottom, ellipseWidth, ellipseHeight);
  SelectObject(FDC, oldBrush);
  SelectObject(FDC, oldPen);
}

void TCanvas::SetFont(TFont& font) { SelectObject(FDC, font.Handle()); }

void TCanvas::TextOut(int x, int y, const std::string& text, TColor color) {
  SetBkMode(FDC, TRANSPARENT);
  SetTextColor(FDC, ColorToRGB(color));
  ::TextOutA(FDC, x, y, text.c_str(), static_cast<int>(text.size()));
}

void TCanvas::DrawText(RECT r, const std::string& text, UINT format, TColor color) {
  SetBkMode(FDC, TRANSPARENT);
  SetTextColor(FDC, ColorToRGB(color));
  ::DrawTextA(FDC, text.c_str(), static_cast<int>(text.size()), &r, format);
}

void TCanvas::Draw(int x, int y, HBITMAP bitmap) {
  BITMAP info{};
  if (!GetObjectA(bitmap, sizeof info, &info)) return;
  HDC source = CreateCompatibleDC(FDC);
  HGDIOBJ old = SelectObject(source, bitmap);
  BitBlt(FDC, x, y, info.bmWidth, info.bmHeight, source, 0, 0, SRCCOPY);
  SelectObject(source, old);
  DeleteDC(source);
}
