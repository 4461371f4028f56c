#pragma once
// Colours, fonts and a canvas over a device context.
#include <windows.h>

#include <string>

// A colour is an RGB value, or a system colour index with the top bit set.
using TColor = unsigned int;
constexpr TColor clSystemColor = 0x80000000u;
constexpr TColor clBtnFace = clSystemColor | COLOR_BTNFACE;
constexpr TColor clWindow = clSystemColor | COLOR_WINDOW;
constexpr TColor clWindowText = clSystemColor | COLOR_WINDOWTEXT;
constexpr TColor clBtnShadow = clSystemColor | COLOR_BTNSHADOW;
constexpr TColor clBtnHighlight = clSystemColor | COLOR_BTNHIGHLIGHT;
constexpr TColor clGrayText = clSystemColor | COLOR_GRAYTEXT;
constexpr TColor clMaroon = 0x000080;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clBlack = 0x000000;
constexpr TColor clFuchsia = 0xFF00FF;

COLORREF ColorToRGB(TColor color);

// A GDI object that is owned: deleted once, move-only.
class TGdiObject {
public:
  TGdiObject() = default;
  explicit TGdiObject(HGDIOBJ handle) : FHandle(handle) {}
  ~TGdiObject() { Reset(); }
  TGdiObject(TGdiObject&& other) noexcept : FHandle(other.FHandle) { other.FHandle = nullptr; }
  TGdiObject& operator=(TGdiObject&& other) noexcept;
  TGdiObject(const TGdiObject&) = delete;
  TGdiObject& operator=(const TGdiObject&) = delete;
  void Reset(HGDIOBJ handle = nullptr);
  HGDIOBJ Get() const { return FHandle; }

private:
  HGDIOBJ FHandle = nullptr;
};

class TFont {
public:
  void Assign(const std::string& name, int height, BYTE charset, TColor color);
  // Created on first use and again after any change.
  HFONT Handle();

  std::string Name = "MS Sans Serif";
  int Height = -11;
  BYTE Charset = DEFAULT_CHARSET;
  TColor Color = clWindowText;

private:
  TGdiObject FHandle;
  std::string FMadeName;
  int FMadeHeight = 0;
  BYTE FMadeCharset = 0;
};

// Draws on a device context it borrows; every object it selects is deselected on the way out.
class TCanvas {
public:
  explicit TCanvas(HDC dc);
  ~TCanvas();
  TCanvas(const TCanvas&) = delete;
  TCanvas& operator=(const TCanvas&) = delete;

  HDC Handle() const { return FDC; }
  void FillRect(const RECT& r, TColor color);
  void FrameRect(const RECT& r, TColor color);
  void Line(int x1, int y1, int x2, int y2, TColor color);
  // The outline only: a rectangle with corners rounded by ellipses of the given size.
  void RoundFrame(const RECT& r, int ellipseWidth, int ellipseHeight, TColor color);
  void SetFont(TFont& font);
  void TextOut(int x, int y, const std::string& text, TColor color);
  void DrawText(RECT r, const std::string& text, UINT format, TColor color);
  void Draw(int x, int y, HBITMAP bitmap);

private:
  HDC FDC;
  int FSaved;
};
