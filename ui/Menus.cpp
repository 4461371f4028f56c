#include "ui/Menus.h"

#include <algorithm>
#include <map>

#include "ui/ImgList.h"

namespace {

std::map<UINT, TMenuItem*>& ItemsByCommand() {
  static std::map<UINT, TMenuItem*> items;
  return items;
}

TMenuItem* ItemOf(UINT command) {
  auto found = ItemsByCommand().find(command);
  return found == ItemsByCommand().end() ? nullptr : found->second;
}

UINT NextCommand() {
  static UINT next = 100;
  return next++;
}

}  // namespace

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner), FCommand(NextCommand()) {
  ItemsByCommand()[FCommand] = this;
}

TMenuItem::~TMenuItem() {
  ItemsByCommand().erase(FCommand);
  for (TMenuItem* child : FItems) child->FParent = nullptr;
  if (FParent) FParent->Remove(this);
  if (FHandle) {
    // Submenus belong to their own items: take them out before the menu goes.
    while (GetMenuItemCount(FHandle) > 0) RemoveMenu(FHandle, 0, MF_BYPOSITION);
    DestroyMenu(FHandle);
  }
}

bool TMenuItem::DispatchCommand(UINT id) {
  TMenuItem* item = ItemOf(id);
  if (!item) return false;
  item->Click();
  return true;
}

bool TMenuItem::DispatchDraw(const DRAWITEMSTRUCT& draw) {
  if (draw.CtlType != ODT_MENU) return false;
  TMenuItem* item = ItemOf(static_cast<UINT>(draw.itemData));
  if (!item || !item->OnAdvancedDrawItem) return false;
  TCanvas canvas(draw.hDC);
  item->OnAdvancedDrawItem(item, canvas, draw.rcItem, draw.itemState);
  return true;
}

bool TMenuItem::DispatchMeasure(MEASUREITEMSTRUCT& measure) {
  if (measure.CtlType != ODT_MENU) return false;
  TMenuItem* item = ItemOf(static_cast<UINT>(measure.itemData));
  if (!item) return false;
  if (!item->OnMeasureItem) {
    item->DefaultMeasure(measure);
    return true;
  }
  HDC dc = GetDC(nullptr);
  int width = static_cast<int>(measure.itemWidth), height = static_cast<int>(measure.itemHeight);
  {
    TCanvas canvas(dc);
    item->OnMeasureItem(item, canvas, width, height);
  }
  ReleaseDC(nullptr, dc);
  measure.itemWidth = static_cast<UINT>(width);
  measure.itemHeight = static_cast<UINT>(height);
  return true;
}

void TMenuItem::DefaultMeasure(MEASUREITEMSTRUCT& measure) const {
  // Room for the 20-pixel image column, the caption after a blank, the shortcut and a margin.
  constexpr int imageColumn = 20, margin = 8, separatorHeight = 9;
  if (IsLine()) {
    measure.itemWidth = 0;
    measure.itemHeight = separatorHeight;
    return;
  }
  NONCLIENTMETRICSA metrics{};
  metrics.cbSize = sizeof metrics;
  SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
  TGdiObject font(CreateFontIndirectA(&metrics.lfMenuFont));
  HDC dc = GetDC(nullptr);
  RECT text{}, shortCut{};
  {
    TCanvas canvas(dc);
    SelectObject(dc, font.Get());
    std::string shown = " " + FCaption, keys = ShortCutToText(ShortCut) + " ";
    ::DrawTextA(dc, shown.c_str(), static_cast<int>(shown.size()), &text, DT_SINGLELINE | DT_CALCRECT);
    ::DrawTextA(dc, keys.c_str(), static_cast<int>(keys.size()), &shortCut, DT_SINGLELINE | DT_CALCRECT);
  }
  ReleaseDC(nullptr, dc);
  int imageHeight = 0;
  TMenu* owner = Menu();
  TImageList* images = FParent && FParent->SubMenuImages ? FParent->SubMenuImages : owner ? owner->Images : nullptr;
  if (images && FImageIndex >= 0) imageHeight = images->Height() + 2;
  // A menu-bar item without an image draws its caption over the whole of its place.
  bool barItem = FParent && !FParent->FParent && dynamic_cast<TMainMenu*>(owner);
  int column = barItem && FImageIndex < 0 ? 0 : imageColumn;
  measure.itemWidth = static_cast<UINT>(column + text.right + shortCut.right + margin);
  measure.itemHeight = static_cast<UINT>(std::max<LONG>(text.bottom + 4, imageHeight));
}

void TMenuItem::Add(TMenuItem* item) { Insert(Count(), item); }

void TMenuItem::Insert(int index, TMenuItem* item) {
  if (item->FParent) item->FParent->Remove(item);
  index = std::max(0, std::min(index, Count()));
  FItems.insert(FItems.begin() + index, item);
  item->FParent = this;
  Rebuild();
  Changed();
}

void TMenuItem::Remove(TMenuItem* item) {
  auto found = std::find(FItems.begin(), FItems.end(), item);
  if (found == FItems.end()) return;
  FItems.erase(found);
  item->FParent = nullptr;
  Rebuild();
  Changed();
}

int TMenuItem::IndexOf(const TMenuItem* item) const {
  auto found = std::find(FItems.begin(), FItems.end(), item);
  return found == FItems.end() ? -1 : static_cast<int>(found - FItems.begin());
}

HMENU TMenuItem::Handle() {
  if (!FHandle) FHandle = CreatePopupMenu();
  return FHandle;
}

TMenu* TMenuItem::Menu() const {
  const TMenuItem* item = this;
  while (item->FParent) item = item->FParent;
  return item->FMenu;
}

void TMenuItem::SetCaption(const std::string& caption) {
  FCaption = caption;
  Changed();
}

void TMenuItem::SetImageIndex(int index) {
  FImageIndex = index;
  Changed();
}

void TMenuItem::SetEnabled(bool enabled) {
  FEnabled = enabled;
  Changed();
}

void TMenuItem::SetVisible(bool visible) {
  FVisible = visible;
  Changed();
}

void TMenuItem::SetChecked(bool checked) {
  FChecked = checked;
  Changed();
}

void TMenuItem::SetDefault(bool isDefault) {
  FDefault = isDefault;
  Changed();
}

void TMenuItem::Click() {
  if (!FEnabled) return;
  if (AutoCheck) SetChecked(!FChecked);
  TNotifyEvent handler = OnClick;
  Fire(handler, this);
}

void TMenuItem::Changed() {
  if (FParent) FParent->Rebuild();
}

void TMenuItem::Rebuild() {
  if (!FHandle && FItems.empty()) return;
  HMENU menu = Handle();
  while (GetMenuItemCount(menu) > 0) RemoveMenu(menu, 0, MF_BYPOSITION);
  std::vector<TMenuItem*> shown;
  for (TMenuItem* item : FItems) {
    if (!item->FVisible) continue;
    if (item->IsLine() && (shown.empty() || shown.back()->IsLine())) continue;
    shown.push_back(item);
  }
  while (!shown.empty() && shown.back()->IsLine()) shown.pop_back();
  for (TMenuItem* item : shown) item->AppendTo(menu);
}

void TMenuItem::RebuildAll() {
  for (TMenuItem* item : FItems) item->RebuildAll();
  Rebuild();
}

void TMenuItem::AppendTo(HMENU menu) {
  MENUITEMINFOA info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_DATA;
  info.wID = FCommand;
  info.dwItemData = FCommand;
  TMenu* owner = Menu();
  bool ownerDraw = owner && owner->OwnerDraw();
  // The menu's own text carries the shortcut after a tab, as menus show it.
  std::string shortCut = ShortCutToText(ShortCut);
  std::string text = shortCut.empty() ? FCaption : FCaption + "\t" + shortCut;
  if (IsLine()) {
    info.fType = MFT_SEPARATOR | (ownerDraw ? MFT_OWNERDRAW : 0);
  } else {
    info.fMask |= MIIM_STRING | MIIM_STATE;
    info.fType = ownerDraw ? MFT_OWNERDRAW : MFT_STRING;
    info.dwTypeData = const_cast<char*>(text.c_str());
    info.fState = (FEnabled ? MFS_ENABLED : MFS_DISABLED) | (FChecked ? MFS_CHECKED : 0) |
                  (FDefault ? MFS_DEFAULT : 0);
    if (!FItems.empty()) {
      info.fMask |= MIIM_SUBMENU;
      info.hSubMenu = Handle();
    }
    if (FImageIndex >= 0 && owner && owner->Images && !ownerDraw) {
      FBitmap = owner->Images->GetBitmap(FImageIndex, clSystemColor | COLOR_MENU);
      info.fMask |= MIIM_BITMAP;
      info.hbmpItem = static_cast<HBITMAP>(FBitmap.Get());
    }
  }
  InsertMenuItemA(menu, static_cast<UINT>(GetMenuItemCount(menu)), TRUE, &info);
}

TMenu::TRootItem::TRootItem(TMenu& menu, bool popup) : TMenuItem(nullptr), FOwnerMenu(menu) {
  FMenu = &menu;
  FHandle = popup ? CreatePopupMenu() : CreateMenu();
}

void TMenu::TRootItem::Rebuild() {
  TMenuItem::Rebuild();
  if (FOwnerMenu.Window) DrawMenuBar(FOwnerMenu.Window);
}

TMenu::TMenu(TComponent* owner, bool popup) : TComponent(owner), FItems(*this, popup) {}

void TMenu::SetOwnerDraw(bool ownerDraw) {
  if (FOwnerDraw == ownerDraw) return;
  FOwnerDraw = ownerDraw;
  FItems.RebuildAll();
}

TMenu::~TMenu() {
  if (Window) SetMenu(Window, nullptr);
}

void TPopupMenu::Popup(int x, int y, HWND window) {
  UINT command = static_cast<UINT>(
      TrackPopupMenu(Handle(), TPM_RETURNCMD | TPM_RIGHTBUTTON, x, y, 0, window, nullptr));
  if (command) TMenuItem::DispatchCommand(command);
}
