#pragma once
// Forms: top-level windows with caption, size constraints, position, window state, menu,
// icon, the close actions, and the events of their life.
#include <windows.h>

#include <functional>
#include <string>

#include "ui/Control.h"

class TMainMenu;

enum TCloseAction { caNone = 0, caHide = 1, caFree = 2, caMinimize = 3 };
enum TPosition { poDesigned, poDefaultPosOnly, poScreenCenter };
enum TWindowState { wsNormal, wsMinimized, wsMaximized };
enum TFormBorderStyle { bsSizeable, bsSingle };
enum TBorderIcon : unsigned { biSystemMenu = 1, biMinimize = 2, biMaximize = 4 };

using TCloseEvent = std::function<void(TObject* sender, TCloseAction& action)>;

struct TSizeConstraints {
  int MinWidth = 0, MinHeight = 0, MaxWidth = 0, MaxHeight = 0;
};

class TForm : public TControl {
public:
  // The window class name lets hosts and tests find a form's windows.
  explicit TForm(TComponent* owner, const std::string& className = "TForm");
  ~TForm() override;

  void SetVisible(bool visible) override;
  // Asks the window to close: OnClose may change the action; the default hides it,
  // and any action but caNone on the application's main form ends the application.
  void Close();
  // Destroys the form once the messages being handled now are done.
  void Release();
  bool Closing() const { return FClosing; }

  void SetClientSize(int width, int height);
  void SetMenu(TMainMenu* menu);
  TMainMenu* Menu() const { return FMenu; }
  void SetIcon(HICON icon);
  void SetBorderStyle(TFormBorderStyle style, unsigned icons);
  void SetWindowState(TWindowState state);
  TWindowState WindowState() const { return FWindowState; }

  TPosition Position = poDesigned;
  TSizeConstraints Constraints;

  TNotifyEvent OnCreate;
  TNotifyEvent OnShow;
  TCloseEvent OnClose;
  TNotifyEvent OnDestroy;
  // When this form becomes the application's active form; message boxes and other programs
  // taking the focus for a while do not count.
  TNotifyEvent OnActivate;

protected:
  void CreateParams(TCreateParams& params) override;
  LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  void BeforeDestruction() override;
  // Derived forms call this at the end of their constructor, after their description.
  void DoCreate();

private:
  void PlaceOnFirstShow();
  void Activated();

  std::string FClassName;
  TMainMenu* FMenu = nullptr;
  TWindowState FWindowState = wsNormal;
  DWORD FStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
  bool FShownOnce = false;
  bool FClosing = false;
};
