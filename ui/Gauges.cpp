#include "ui/Gauges.h"

#include <algorithm>
#include <string>

void TGauge::CreateParams(TCreateParams& params) { params.ClassName = "TGauge"; }

void TGauge::SetMinValue(int value) {
  FMinValue = value;
  SetProgress(FProgress);
}

void TGauge::SetMaxValue(int value) {
  FMaxValue = value;
  SetProgress(FProgress);
}

void TGauge::SetProgress(int value) {
  int clamped = std::max(FMinValue, std::min(value, std::max(FMinValue, FMaxValue)));
  if (clamped == FProgress) return;
  FProgress = clamped;
  Changed();
}

int TGauge::PercentDone() const {
  long long range = static_cast<long long>(FMaxValue) - FMinValue;
  if (range <= 0) return 0;
  return static_cast<int>((static_cast<long long>(FProgress) - FMinValue) * 100 / range);
}

void TGauge::Changed() {
  if (HandleAllocated()) InvalidateRect(Handle(), nullptr, FALSE);
}

void TGauge::Paint(TCanvas& canvas) {
  RECT r{0, 0, Width(), Height()};
  canvas.FrameRect(r, clBlack);
  InflateRect(&r, -1, -1);
  canvas.FillRect(r, BackColor);
  RECT bar = r;
  bar.right = r.left + static_cast<int>(static_cast<long long>(r.right - r.left) * PercentDone() / 100);
  if (bar.right > bar.left) canvas.FillRect(bar, ForeColor);
  if (ShowText) canvas.DrawText(r, std::to_string(PercentDone()) + "%", DT_CENTER | DT_VCENTER | DT_SINGLELINE, clBlack);
}
