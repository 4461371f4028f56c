#include "ui/Form.h"

#include "ui/Application.h"
#include "ui/Menus.h"
#include "ui/Screen.h"

namespace {

const UINT WM_RELEASE = WM_APP + 0x100;

// The application's active form: changes only when another form takes the focus.
TForm* ActiveForm = nullptr;

}  // namespace

TForm::TForm(TComponent* owner, const std::string& className) : TControl(owner), FClassName(className) {
  TControl::SetVisible(false);
  SetBounds(0, 0, 320, 240);
  CreateHandle();
}

TForm::~TForm() {
  if (ActiveForm == this) ActiveForm = nullptr;
}

void TForm::CreateParams(TCreateParams& params) {
  params.ClassName = FClassName;
  params.Style = FStyle;
  params.ClassStyle = CS_DBLCLKS;
}

void TForm::DoCreate() {
  try {
    Fire(OnCreate, this);
  } catch (...) {
    Application->HandleException();
  }
}

void TForm::BeforeDestruction() {
  try {
    Fire(OnDestroy, this);
  } catch (...) {
    Application->HandleException();
  }
}

void TForm::SetVisible(bool visible) {
  if (!visible) {
    TControl::SetVisible(false);
    return;
  }
  if (!Visible()) {
    try {
      Fire(OnShow, this);
    } catch (...) {
      Application->HandleException();
    }
    PlaceOnFirstShow();
  }
  int command = FWindowState == wsMaximized ? SW_SHOWMAXIMIZED : FWindowState == wsMinimized ? SW_SHOWMINIMIZED : SW_SHOWNORMAL;
  ShowWindow(Handle(), command);
  TControl::SetVisible(true);
  SetForegroundWindow(Handle());
}

void TForm::PlaceOnFirstShow() {
  if (FShownOnce) return;
  FShownOnce = true;
  if (Position == poScreenCenter)
    SetBounds((Screen.Width() - Width()) / 2, (Screen.Height() - Height()) / 2, Width(), Height());
}

void TForm::Close() {
  if (FClosing) return;
  FClosing = true;
  struct Reset {
    bool& flag;
    ~Reset() { flag = false; }
  } reset{FClosing};
  TCloseAction action = caHide;
  Fire(OnClose, this, action);
  if (action == caNone) return;
  if (Application->MainForm() == this) {
    Application->Terminate();
    return;
  }
  if (action == caHide)
    Hide();
  else if (action == caMinimize)
    ShowWindow(Handle(), SW_MINIMIZE);
  else
    Release();
}

void TForm::Release() { PostMessageA(Handle(), WM_RELEASE, 0, 0); }

void TForm::SetClientSize(int width, int height) {
  RECT r{0, 0, width, height};
  AdjustWindowRectEx(&r, FStyle, FMenu != nullptr, 0);
  SetBounds(Left(), Top(), r.right - r.left, r.bottom - r.top);
}

void TForm::SetMenu(TMainMenu* menu) {
  if (FMenu) FMenu->Window = nullptr;
  FMenu = menu;
  if (menu) menu->Window = Handle();
  ::SetMenu(Handle(), menu ? menu->Handle() : nullptr);
}

void TForm::SetIcon(HICON icon) {
  SendMessageA(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
  SendMessageA(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
}

void TForm::SetBorderStyle(TFormBorderStyle style, unsigned icons) {
  FStyle = WS_CAPTION | WS_CLIPCHILDREN;
  if (style == bsSizeable) FStyle |= WS_THICKFRAME;
  if (icons & biSystemMenu) FStyle |= WS_SYSMENU;
  if (icons & biMinimize) FStyle |= WS_MINIMIZEBOX;
  if (icons & biMaximize) FStyle |= WS_MAXIMIZEBOX;
  SetWindowLongPtrA(Handle(), GWL_STYLE, FStyle);
  // Restyling must not activate a window that is not shown yet.
  SetWindowPos(Handle(), nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void TForm::SetWindowState(TWindowState state) {
  FWindowState = state;
  if (!Visible()) return;
  ShowWindow(Handle(), state == wsMaximized ? SW_MAXIMIZE : state == wsMinimized ? SW_MINIMIZE : SW_RESTORE);
}

void TForm::Activated() {
  if (ActiveForm == this) return;
  ActiveForm = this;
  Fire(OnActivate, this);
}

LRESULT TForm::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CLOSE:
      Close();
      return 0;
    case WM_RELEASE:
      Free(this);
      return 0;
    case WM_ACTIVATE:
      if (LOWORD(wParam) != WA_INACTIVE) {
        LRESULT result = TControl::WndProc(message, wParam, lParam);
        if (!HIWORD(wParam)) {
          if (GetFocus() == Handle() || !GetFocus()) {
            if (HWND first = GetNextDlgTabItem(Handle(), nullptr, FALSE)) SetFocus(first);
          }
        }
        Activated();
        return result;
      }
      break;
    case WM_SIZE:
      // While hidden the size changes come from the program, not from the user.
      if (!IsWindowVisible(Handle())) break;
      if (wParam == SIZE_MAXIMIZED) FWindowState = wsMaximized;
      else if (wParam == SIZE_MINIMIZED) FWindowState = wsMinimized;
      else if (wParam == SIZE_RESTORED) FWindowState = wsNormal;
      break;
    case WM_GETMINMAXINFO: {
      auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
      if (Constraints.MinWidth) info->ptMinTrackSize.x = Constraints.MinWidth;
      if (Constraints.MinHeight) info->ptMinTrackSize.y = Constraints.MinHeight;
      if (Constraints.MaxWidth) info->ptMaxTrackSize.x = Constraints.MaxWidth;
      if (Constraints.MaxHeight) info->ptMaxTrackSize.y = Constraints.MaxHeight;
      return 0;
    }
    default:
      break;
  }
  return TControl::WndProc(message, wParam, lParam);
}
