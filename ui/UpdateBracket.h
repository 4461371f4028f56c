#pragma once
// Suspends a control's redrawing for its lifetime; every way out resumes it and repaints.
template <typename Control>
class TUpdateBracket {
public:
  explicit TUpdateBracket(Control& control) : FControl(control) { FControl.BeginUpdate(); }
  ~TUpdateBracket() { FControl.EndUpdate(); }
  TUpdateBracket(const TUpdateBracket&) = delete;
  TUpdateBracket& operator=(const TUpdateBracket&) = delete;

private:
  Control& FControl;
};
