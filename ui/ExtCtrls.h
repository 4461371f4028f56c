#pragma once
// Panels with bevels, bevels, splitters, images and paint boxes: windows of our own classes.
#include <windows.h>

#include "ui/Control.h"

enum TBevelCut { bvNone, bvLowered, bvRaised };
enum TBevelShape { bsBox, bsFrame, bsTopLine, bsBottomLine, bsLeftLine, bsRightLine };

// Draws one bevel edge of the given cut inside r and narrows r by its width.
void DrawBevel(TCanvas& canvas, RECT& r, TBevelCut cut);

class TPanel : public TControl {
public:
  using TControl::TControl;
  TBevelCut BevelInner = bvNone;
  TBevelCut BevelOuter = bvRaised;

protected:
  void CreateParams(TCreateParams& params) override;
  void Paint(TCanvas& canvas) override;
  RECT AlignRect() override;
};

class TBevel : public TControl {
public:
  using TControl::TControl;
  TBevelShape Shape = bsBox;
  TBevelCut Style = bvLowered;

protected:
  void CreateParams(TCreateParams& params) override;
  void Paint(TCanvas& canvas) override;
};

// Drags to resize the control aligned just before it.
class TSplitter : public TControl {
public:
  explicit TSplitter(TComponent* owner);
  bool Beveled = false;
  int MinSize = 30;

protected:
  void CreateParams(TCreateParams& params) override;
  void Paint(TCanvas& canvas) override;
  LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
  TControl* Neighbour();
  int FGrabX = -1;
};

// Shows a bitmap it owns, from its top left corner.
class TImage : public TControl {
public:
  using TControl::TControl;
  void LoadBitmap(HINSTANCE instance, int resourceId);

protected:
  void CreateParams(TCreateParams& params) override;
  void Paint(TCanvas& canvas) override;

private:
  TGdiObject FBitmap;
};

using TPaintEvent = std::function<void(TObject* sender, TCanvas& canvas)>;

// A surface its OnPaint draws.
class TPaintBox : public TControl {
public:
  using TControl::TControl;
  TPaintEvent OnPaint;

protected:
  void CreateParams(TCreateParams& params) override;
  void Paint(TCanvas& canvas) override;
};
