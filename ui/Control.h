#pragma once
// Controls: each one is a real window with parent, bounds, alignment, anchors, visibility,
// enabled state, tag and hint. Our own window classes share one static window procedure;
// system controls are subclassed into the same dispatch. No exception leaves either.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "ui/Component.h"
#include "ui/Graphics.h"

enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };
enum TAnchorKind : unsigned { akLeft = 1, akTop = 2, akRight = 4, akBottom = 8 };
using TAnchors = unsigned;
enum TMouseButton { mbLeft, mbRight, mbMiddle };
using TShiftState = unsigned;  // the MK_ flags of the mouse message

using TMouseEvent = std::function<void(TObject* sender, TMouseButton button, TShiftState shift, int x, int y)>;

class TPopupMenu;

// What the real window of a control is made of; each kind fills its part.
struct TCreateParams {
  std::string ClassName;
  bool SystemClass = false;  // a class of the system, subclassed rather than registered
  DWORD Style = WS_CHILD | WS_CLIPSIBLINGS;
  DWORD ExStyle = 0;
  UINT ClassStyle = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
};

class TControl : public TComponent {
public:
  explicit TControl(TComponent* owner);
  ~TControl() override;

  // The object of a window made by this library, or null.
  static TControl* FromHandle(HWND window);

  HWND Handle();
  bool HandleAllocated() const { return FHandle != nullptr; }
  TControl* Parent() const { return FParent; }
  void SetParent(TControl* parent);
  const std::vector<TControl*>& Controls() const { return FControls; }

  int Left() const { return FLeft; }
  int Top() const { return FTop; }
  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  void SetBounds(int left, int top, int width, int height);
  void SetLeft(int left) { SetBounds(left, FTop, FWidth, FHeight); }
  void SetTop(int top) { SetBounds(FLeft, top, FWidth, FHeight); }
  void SetWidth(int width) { SetBounds(FLeft, FTop, width, FHeight); }
  void SetHeight(int height) { SetBounds(FLeft, FTop, FWidth, height); }
  int ClientWidth();
  int ClientHeight();

  TAlign Align() const { return FAlign; }
  void SetAlign(TAlign align);
  TAnchors Anchors() const { return FAnchors; }
  void SetAnchors(TAnchors anchors);

  bool Visible() const { return FVisible; }
  virtual void SetVisible(bool visible);
  void Show() { SetVisible(true); }
  void Hide() { SetVisible(false); }
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool enabled);
  const std::string& Caption() const { return FCaption; }
  void SetCaption(const std::string& caption);

  TColor Color() const { return FColor; }
  void SetColor(TColor color);
  TFont& Font() { return FFont; }
  // Applies a changed Font to the window.
  void FontChanged();
  bool DoubleBuffered = false;

  std::string Hint;
  bool ShowHint = false;
  TPopupMenu* PopupMenu = nullptr;

  TNotifyEvent OnClick;
  TMouseEvent OnMouseDown;

  void Invalidate();
  void BringToFront();

protected:
  virtual void CreateParams(TCreateParams& params) = 0;
  // Called once the window exists, to send it the settings kept until then.
  virtual void HandleCreated() {}
  virtual LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT DefaultProc(UINT message, WPARAM wParam, LPARAM lParam);
  // Notifications and commands reflected from the parent; return true when handled.
  virtual bool Notify(NMHDR& header, LRESULT& result);
  virtual bool Command(WORD code);
  // Colours of a system control, asked of its parent.
  virtual HBRUSH ControlColor(HDC dc);
  virtual void Paint(TCanvas& canvas);
  virtual void Click();
  // The area children are aligned in, in client coordinates.
  virtual RECT AlignRect();
  void CreateHandle();
  void Realign();

private:
  static LRESULT CALLBACK StaticProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                       UINT_PTR id, DWORD_PTR data);
  static LRESULT Dispatch(TControl* control, UINT message, WPARAM wParam, LPARAM lParam);
  void RegisterOwnClass(const TCreateParams& params);
  void Attach(HWND window);
  void ApplyBounds();
  void RememberAnchors();
  void AnchorTo(int parentWidth, int parentHeight);
  void PaintWindow();
  void AddToolTip();
  LRESULT ReflectToChild(UINT message, WPARAM wParam, LPARAM lParam, bool& handled);

  HWND FHandle = nullptr;
  bool FSubclassed = false;
  TControl* FParent = nullptr;
  std::vector<TControl*> FControls;
  int FLeft = 0, FTop = 0, FWidth = 0, FHeight = 0;
  int FRightMargin = 0, FBottomMargin = 0;
  TAlign FAlign = alNone;
  TAnchors FAnchors = akLeft | akTop;
  bool FVisible = true;
  bool FEnabled = true;
  bool FAligning = false;
  std::string FCaption;
  TColor FColor = clBtnFace;
  TFont FFont;
  HWND FToolTip = nullptr;
  TGdiObject FBrushObject;
};
