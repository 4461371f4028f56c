#pragma once
// Push buttons (system buttons) and flat speed buttons with a two-glyph picture.
#include <windows.h>

#include "ui/Control.h"

class TButton : public TControl {
public:
  using TControl::TControl;

protected:
  void CreateParams(TCreateParams& params) override;
  bool Command(WORD code) override;
};

// A button with a bitmap is drawn the same way here: the updater's buttons carry no glyph.
using TBitBtn = TButton;

enum TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

class TSpeedButton : public TControl {
public:
  using TControl::TControl;

  // The glyph strip: NumGlyphs pictures side by side (normal, then greyed); fuchsia is transparent.
  void SetGlyph(TGdiObject glyph, int numGlyphs);
  void LoadGlyph(HINSTANCE instance, int resourceId, int numGlyphs);
  bool Flat = false;
  TButtonLayout Layout = blGlyphLeft;

protected:
  void CreateParams(TCreateParams& params) override;
  void Paint(TCanvas& canvas) override;
  LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
  void DrawGlyph(TCanvas& canvas, int x, int y);
  TGdiObject FGlyph;
  int FNumGlyphs = 1;
  bool FHot = false;
  bool FDown = false;
};
