#pragma once
// A horizontal bar gauge with its percentage drawn as text over the bar.
#include <windows.h>

#include "ui/Control.h"

class TGauge : public TControl {
public:
  using TControl::TControl;

  int MinValue() const { return FMinValue; }
  int MaxValue() const { return FMaxValue; }
  int Progress() const { return FProgress; }
  void SetMinValue(int value);
  void SetMaxValue(int value);
  // Kept between the minimum and the maximum.
  void SetProgress(int value);
  // Whole percent done; 0 while the range is empty.
  int PercentDone() const;

  TColor ForeColor = clBlack;
  TColor BackColor = clWhite;
  bool ShowText = true;

protected:
  void CreateParams(TCreateParams& params) override;
  void Paint(TCanvas& canvas) override;

private:
  void Changed();

  int FMinValue = 0;
  int FMaxValue = 100;
  int FProgress = 0;
};
