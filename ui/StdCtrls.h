#pragma once
// The one-line edit and the status bar.
#include <windows.h>

#include <string>

#include "ui/Control.h"

class TEdit : public TControl {
public:
  explicit TEdit(TComponent* owner);
  std::string Text();
  void SetText(const std::string& text);
  void SetMaxLength(int length);
  // Window settings, read when the window is made.
  bool BorderNone = false;
  bool ReadOnly = false;

protected:
  void CreateParams(TCreateParams& params) override;
};

// A status bar placed by its alignment, without panels.
class TStatusBar : public TControl {
public:
  explicit TStatusBar(TComponent* owner);

protected:
  void CreateParams(TCreateParams& params) override;
};
