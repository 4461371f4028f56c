#pragma once
// Main and pop-up menus built with the Win32 menu API. Items keep their caption (with "&" hot
// keys) in the menu even when owner-drawn. Hidden items are left out of the real menu, and
// separators that would come first, last or after another one are not shown. While a menu's
// OwnerDraw is on, every item of it is drawn by its OnAdvancedDrawItem handler and, unless it has
// an OnMeasureItem handler, measured to fit its caption and its image.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "rtl/ShortCut.h"
#include "ui/Component.h"
#include "ui/Graphics.h"

class TImageList;
class TMenu;

using TMenuDrawItemEvent = std::function<void(TObject* sender, TCanvas& canvas, RECT rect, UINT state)>;
using TMenuMeasureItemEvent = std::function<void(TObject* sender, TCanvas& canvas, int& width, int& height)>;

class TMenuItem : public TComponent {
public:
  explicit TMenuItem(TComponent* owner);
  ~TMenuItem() override;

  // Routing of the menu messages of any window of the library; true when an item took it.
  static bool DispatchCommand(UINT id);
  static bool DispatchDraw(const DRAWITEMSTRUCT& draw);
  static bool DispatchMeasure(MEASUREITEMSTRUCT& measure);

  void Add(TMenuItem* item);
  void Insert(int index, TMenuItem* item);
  void Remove(TMenuItem* item);
  int Count() const { return static_cast<int>(FItems.size()); }
  TMenuItem* Items(int index) const { return FItems.at(static_cast<size_t>(index)); }
  int IndexOf(const TMenuItem* item) const;
  TMenuItem* Parent() const { return FParent; }
  // The submenu of this item; made on first use.
  HMENU Handle();
  UINT Command() const { return FCommand; }

  const std::string& Caption() const { return FCaption; }
  void SetCaption(const std::string& caption);
  bool IsLine() const { return FCaption == "-"; }
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int index);
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool enabled);
  bool Visible() const { return FVisible; }
  void SetVisible(bool visible);
  bool Checked() const { return FChecked; }
  void SetChecked(bool checked);
  bool Default() const { return FDefault; }
  void SetDefault(bool isDefault);
  // Shown after the caption; the item is not bound to the keys here.
  TShortCut ShortCut = 0;
  // Images for this item's children, in place of the menu's.
  TImageList* SubMenuImages = nullptr;
  // The menu this item belongs to, or null while detached.
  TMenu* Menu() const;

  // Clicking toggles the mark first.
  bool AutoCheck = false;
  TNotifyEvent OnClick;
  TMenuDrawItemEvent OnAdvancedDrawItem;
  TMenuMeasureItemEvent OnMeasureItem;
  // Does nothing while disabled. The handler may destroy this item: nothing of it is touched
  // after the handler returns.
  virtual void Click();

protected:
  // Brings the real menu in line with the items; on the root it also redraws the menu bar.
  virtual void Rebuild();
  void Changed();

private:
  friend class TMenu;
  void AppendTo(HMENU menu);
  void RebuildAll();
  void DefaultMeasure(MEASUREITEMSTRUCT& measure) const;

  std::string FCaption;
  int FImageIndex = -1;
  bool FEnabled = true;
  bool FVisible = true;
  bool FChecked = false;
  bool FDefault = false;
  UINT FCommand;
  HMENU FHandle = nullptr;
  TMenuItem* FParent = nullptr;
  TMenu* FMenu = nullptr;
  std::vector<TMenuItem*> FItems;
  TGdiObject FBitmap;
};

class TMenu : public TComponent {
public:
  TMenu(TComponent* owner, bool popup);
  ~TMenu() override;
  HMENU Handle() { return FItems.Handle(); }
  TMenuItem& Items() { return FItems; }
  TImageList* Images = nullptr;
  bool RightToLeft = false;
  bool OwnerDraw() const { return FOwnerDraw; }
  // Rebuilds every submenu so that each item takes the new drawing mode.
  void SetOwnerDraw(bool ownerDraw);
  // The window whose menu bar this is; redrawn when the items change.
  HWND Window = nullptr;

private:
  class TRootItem : public TMenuItem {
  public:
    TRootItem(TMenu& menu, bool popup);
  protected:
    void Rebuild() override;
  private:
    TMenu& FOwnerMenu;
  };
  TRootItem FItems;
  bool FOwnerDraw = false;
};

class TMainMenu : public TMenu {
public:
  explicit TMainMenu(TComponent* owner) : TMenu(owner, false) {}
};

class TPopupMenu : public TMenu {
public:
  explicit TPopupMenu(TComponent* owner) : TMenu(owner, true) {}
  // Shows the menu at a screen point; the chosen item's click runs before this returns.
  void Popup(int x, int y, HWND window);
};
