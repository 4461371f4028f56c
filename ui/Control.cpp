#include "ui/Control.h"

#include <commctrl.h>

#include <algorithm>
#include <set>

#include "rtl/Exceptions.h"
#include "ui/Application.h"
#include "ui/Menus.h"

namespace {

const char* const ObjectProperty = "uiControl";
const char* const NameProperty = "uiName";

std::set<std::string>& RegisteredClasses() {
  static std::set<std::string> classes;
  return classes;
}

TMouseButton ButtonOf(UINT message) {
  if (message == WM_RBUTTONDOWN) return mbRight;
  if (message == WM_MBUTTONDOWN) return mbMiddle;
  return mbLeft;
}

}  // namespace

TControl::TControl(TComponent* owner) : TComponent(owner) {}

TControl::~TControl() {
  // Owned parts go first, while this control and its window are still whole.
  DestroyComponents();
  for (TControl* child : FControls) child->FParent = nullptr;
  if (FParent) {
    auto& siblings = FParent->FControls;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
  }
  if (FToolTip) DestroyWindow(FToolTip);
  if (FHandle) DestroyWindow(FHandle);
}

TControl* TControl::FromHandle(HWND window) {
  return window ? static_cast<TControl*>(GetPropA(window, ObjectProperty)) : nullptr;
}

HWND TControl::Handle() {
  if (!FHandle) CreateHandle();
  return FHandle;
}

void TControl::RegisterOwnClass(const TCreateParams& params) {
  if (!RegisteredClasses().insert(params.ClassName).second) return;
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof wc;
  wc.style = params.ClassStyle;
  wc.lpfnWndProc = StaticProc;
  wc.hInstance = Application->Instance();
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.lpszClassName = params.ClassName.c_str();
  RegisterClassExA(&wc);
}

void TControl::CreateHandle() {
  TCreateParams params;
  CreateParams(params);
  if (!params.SystemClass) RegisterOwnClass(params);
  HWND parent = FParent ? FParent->Handle() : nullptr;
  HWND window = CreateWindowExA(params.ExStyle, params.ClassName.c_str(), FCaption.c_str(),
                                params.Style & ~WS_VISIBLE, FLeft, FTop, FWidth, FHeight, parent,
                                nullptr, Application->Instance(), this);
  if (!window) throw Exception(Format("Error creating window %s (%lu)", Name.c_str(), GetLastError()));
  if (params.SystemClass) {
    Attach(window);
    SetWindowSubclass(window, SubclassProc, 0, reinterpret_cast<DWORD_PTR>(this));
    FSubclassed = true;
  }
  if (!Name.empty()) SetPropA(window, NameProperty, reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(AddAtomA(Name.c_str()))));
  SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(FFont.Handle()), FALSE);
  EnableWindow(window, FEnabled);
  HandleCreated();
  AddToolTip();
  if (FParent && FVisible) ShowWindow(window, SW_SHOWNA);
}

void TControl::Attach(HWND window) {
  FHandle = window;
  SetPropA(window, ObjectProperty, this);
}

void TControl::AddToolTip() {
  if (!ShowHint || Hint.empty() || !FParent) return;
  FToolTip = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP, 0, 0, 0, 0,
                             FHandle, nullptr, Application->Instance(), nullptr);
  TTTOOLINFOA tool{};
  tool.cbSize = sizeof tool;
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = FHandle;
  tool.uId = reinterpret_cast<UINT_PTR>(FHandle);
  tool.lpszText = const_cast<char*>(Hint.c_str());
  SendMessageA(FToolTip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

void TControl::SetParent(TControl* parent) {
  if (parent == FParent) return;
  if (FParent) {
    auto& siblings = FParent->FControls;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
  }
  FParent = parent;
  if (!FParent) return;
  FParent->FControls.push_back(this);
  if (FHandle)
    ::SetParent(FHandle, FParent->Handle());
  else
    CreateHandle();
  RememberAnchors();
  FParent->Realign();
}

void TControl::SetBounds(int left, int top, int width, int height) {
  FLeft = left;
  FTop = top;
  FWidth = width;
  FHeight = height;
  ApplyBounds();
  if (FAligning) return;
  RememberAnchors();
  if (FAlign != alNone && FParent) FParent->Realign();
}

void TControl::ApplyBounds() {
  if (FHandle) SetWindowPos(FHandle, nullptr, FLeft, FTop, FWidth, FHeight, SWP_NOZORDER | SWP_NOACTIVATE);
}

int TControl::ClientWidth() {
  RECT r{};
  GetClientRect(Handle(), &r);
  return r.right;
}

int TControl::ClientHeight() {
  RECT r{};
  GetClientRect(Handle(), &r);
  return r.bottom;
}

void TControl::RememberAnchors() {
  if (!FParent || !FParent->FHandle) return;
  FRightMargin = FParent->ClientWidth() - (FLeft + FWidth);
  FBottomMargin = FParent->ClientHeight() - (FTop + FHeight);
}

void TControl::AnchorTo(int parentWidth, int parentHeight) {
  int left = FLeft, top = FTop, width = FWidth, height = FHeight;
  if (FAnchors & akRight) {
    if (FAnchors & akLeft)
      width = parentWidth - left - FRightMargin;
    else
      left = parentWidth - width - FRightMargin;
  }
  if (FAnchors & akBottom) {
    if (FAnchors & akTop)
      height = parentHeight - top - FBottomMargin;
    else
      top = parentHeight - height - FBottomMargin;
  }
  FAligning = true;
  SetBounds(left, top, std::max(width, 0), std::max(height, 0));
  FAligning = false;
}

void TControl::SetAlign(TAlign align) {
  FAlign = align;
  if (FParent) FParent->Realign();
}

void TControl::SetAnchors(TAnchors anchors) {
  FAnchors = anchors;
  RememberAnchors();
}

RECT TControl::AlignRect() {
  RECT r{};
  GetClientRect(Handle(), &r);
  return r;
}

void TControl::Realign() {
  if (!FHandle) return;
  RECT r = AlignRect();
  for (TAlign kind : {alTop, alBottom, alLeft, alRight, alClient}) {
    for (TControl* child : FControls) {
      if (child->FAlign != kind || !child->FVisible) continue;
      int l = r.left, t = r.top, w = r.right - r.left, h = r.bottom - r.top;
      switch (kind) {
        case alTop: h = child->FHeight; r.top += h; break;
        case alBottom: h = child->FHeight; t = r.bottom - h; r.bottom -= h; break;
        case alLeft: w = child->FWidth; r.left += w; break;
        case alRight: w = child->FWidth; l = r.right - w; r.right -= w; break;
        default: break;
      }
      child->FAligning = true;
      child->SetBounds(l, t, std::max(w, 0), std::max(h, 0));
      child->FAligning = false;
    }
  }
  int width = ClientWidth(), height = ClientHeight();
  for (TControl* child : FControls)
    if (child->FAlign == alNone) child->AnchorTo(width, height);
}

void TControl::SetVisible(bool visible) {
  FVisible = visible;
  if (FHandle) ShowWindow(FHandle, visible ? SW_SHOWNA : SW_HIDE);
  if (FParent && FAlign != alNone) FParent->Realign();
}

void TControl::SetEnabled(bool enabled) {
  FEnabled = enabled;
  if (FHandle) {
    EnableWindow(FHandle, enabled);
    Invalidate();
  }
}

void TControl::SetCaption(const std::string& caption) {
  FCaption = caption;
  if (FHandle) SetWindowTextA(FHandle, caption.c_str());
  Invalidate();
}

void TControl::SetColor(TColor color) {
  FColor = color;
  FBrushObject.Reset();
  Invalidate();
}

void TControl::FontChanged() {
  if (FHandle) SendMessageA(FHandle, WM_SETFONT, reinterpret_cast<WPARAM>(FFont.Handle()), TRUE);
}

void TControl::Invalidate() {
  if (FHandle) InvalidateRect(FHandle, nullptr, TRUE);
}

void TControl::BringToFront() {
  if (FHandle) SetWindowPos(FHandle, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

LRESULT CALLBACK TControl::StaticProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
    static_cast<TControl*>(create->lpCreateParams)->Attach(window);
  }
  TControl* control = FromHandle(window);
  if (!control) return DefWindowProcA(window, message, wParam, lParam);
  return Dispatch(control, message, wParam, lParam);
}

LRESULT CALLBACK TControl::SubclassProc(HWND, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                        DWORD_PTR data) {
  return Dispatch(reinterpret_cast<TControl*>(data), message, wParam, lParam);
}

LRESULT TControl::Dispatch(TControl* control, UINT message, WPARAM wParam, LPARAM lParam) {
  HWND window = control->FHandle;
  LRESULT result = 0;
  try {
    result = control->WndProc(message, wParam, lParam);
  } catch (...) {
    Application->HandleException();
  }
  if (message == WM_NCDESTROY) {
    RemovePropA(window, ObjectProperty);
    if (auto atom = reinterpret_cast<UINT_PTR>(RemovePropA(window, NameProperty))) DeleteAtom(static_cast<ATOM>(atom));
    control->FHandle = nullptr;
  }
  return result;
}

LRESULT TControl::DefaultProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (FSubclassed) {
    if (message == WM_NCDESTROY) RemoveWindowSubclass(FHandle, SubclassProc, 0);
    return DefSubclassProc(FHandle, message, wParam, lParam);
  }
  return DefWindowProcA(FHandle, message, wParam, lParam);
}

LRESULT TControl::ReflectToChild(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) {
  LRESULT result = 0;
  handled = false;
  if (message == WM_NOTIFY) {
    auto* header = reinterpret_cast<NMHDR*>(lParam);
    TControl* child = FromHandle(header->hwndFrom);
    if (child && child->FParent == this) handled = child->Notify(*header, result);
  } else if (message == WM_COMMAND) {
    TControl* child = FromHandle(reinterpret_cast<HWND>(lParam));
    if (child && child->FParent == this) handled = child->Command(HIWORD(wParam));
  } else {
    TControl* child = FromHandle(reinterpret_cast<HWND>(lParam));
    if (child && child->FParent == this) {
      result = reinterpret_cast<LRESULT>(child->ControlColor(reinterpret_cast<HDC>(wParam)));
      handled = result != 0;
    }
  }
  return result;
}

LRESULT TControl::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_NOTIFY:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN: {
      bool handled;
      LRESULT result = ReflectToChild(message, wParam, lParam, handled);
      if (handled) return result;
      break;
    }
    case WM_COMMAND:
      if (lParam) {
        bool handled;
        LRESULT result = ReflectToChild(message, wParam, lParam, handled);
        if (handled) return result;
      } else if (HIWORD(wParam) == 0 && TMenuItem::DispatchCommand(LOWORD(wParam))) {
        return 0;
      }
      break;
    case WM_DRAWITEM:
      if (wParam == 0 && TMenuItem::DispatchDraw(*reinterpret_cast<DRAWITEMSTRUCT*>(lParam))) return TRUE;
      break;
    case WM_MEASUREITEM:
      if (wParam == 0 && TMenuItem::DispatchMeasure(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam))) return TRUE;
      break;
    case WM_WINDOWPOSCHANGED: {
      auto* pos = reinterpret_cast<WINDOWPOS*>(lParam);
      if (!(pos->flags & SWP_NOMOVE)) {
        FLeft = pos->x;
        FTop = pos->y;
      }
      if (!(pos->flags & SWP_NOSIZE)) {
        FWidth = pos->cx;
        FHeight = pos->cy;
      }
      break;
    }
    case WM_SIZE:
      Realign();
      break;
    case WM_ERASEBKGND:
      if (!FSubclassed) return 1;
      break;
    case WM_PAINT:
      if (!FSubclassed) {
        PaintWindow();
        return 0;
      }
      break;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
      Fire(OnMouseDown, this, ButtonOf(message), static_cast<TShiftState>(wParam),
           static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
      break;
    case WM_CONTEXTMENU:
      if (PopupMenu) {
        POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        if (at.x == -1 && at.y == -1) {
          at = {0, 0};
          ClientToScreen(FHandle, &at);
        }
        PopupMenu->Popup(at.x, at.y, FHandle);
        return 0;
      }
      break;
    default:
      break;
  }
  return DefaultProc(message, wParam, lParam);
}

bool TControl::Notify(NMHDR&, LRESULT&) { return false; }

bool TControl::Command(WORD) { return false; }

HBRUSH TControl::ControlColor(HDC dc) {
  SetTextColor(dc, ColorToRGB(FFont.Color));
  SetBkColor(dc, ColorToRGB(FColor));
  if (!FBrushObject.Get()) FBrushObject.Reset(CreateSolidBrush(ColorToRGB(FColor)));
  return static_cast<HBRUSH>(FBrushObject.Get());
}

void TControl::Paint(TCanvas& canvas) {
  RECT r{0, 0, FWidth, FHeight};
  canvas.FillRect(r, FColor);
}

void TControl::Click() { Fire(OnClick, this); }

void TControl::PaintWindow() {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(FHandle, &ps);
  RECT client{};
  GetClientRect(FHandle, &client);
  if (DoubleBuffered) {
    HDC memory = CreateCompatibleDC(dc);
    TGdiObject bitmap(CreateCompatibleBitmap(dc, client.right, client.bottom));
    HGDIOBJ old = SelectObject(memory, bitmap.Get());
    {
      TCanvas canvas(memory);
      canvas.SetFont(FFont);
      Paint(canvas);
    }
    BitBlt(dc, 0, 0, client.right, client.bottom, memory, 0, 0, SRCCOPY);
    SelectObject(memory, old);
    DeleteDC(memory);
  } else {
    TCanvas canvas(dc);
    canvas.SetFont(FFont);
    Paint(canvas);
  }
  EndPaint(FHandle, &ps);
}
