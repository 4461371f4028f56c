#include "ui/StdCtrls.h"

#include <commctrl.h>

TEdit::TEdit(TComponent* owner) : TControl(owner) { SetColor(clWindow); }

void TEdit::CreateParams(TCreateParams& params) {
  params.ClassName = "EDIT";
  params.SystemClass = true;
  params.Style |= ES_AUTOHSCROLL | WS_TABSTOP;
  if (ReadOnly) params.Style |= ES_READONLY;
  if (!BorderNone) params.ExStyle |= WS_EX_CLIENTEDGE;
}

std::string TEdit::Text() {
  int length = GetWindowTextLengthA(Handle());
  std::string text(static_cast<size_t>(length) + 1, '\0');
  GetWindowTextA(Handle(), &text[0], length + 1);
  text.resize(static_cast<size_t>(length));
  return text;
}

void TEdit::SetText(const std::string& text) { SetCaption(text); }

void TEdit::SetMaxLength(int length) { SendMessageA(Handle(), EM_LIMITTEXT, static_cast<WPARAM>(length), 0); }

TStatusBar::TStatusBar(TComponent* owner) : TControl(owner) { SetAlign(alBottom); }

void TStatusBar::CreateParams(TCreateParams& params) {
  params.ClassName = STATUSCLASSNAMEA;
  params.SystemClass = true;
  params.Style |= CCS_NORESIZE | CCS_NOPARENTALIGN | SBARS_SIZEGRIP;
}
