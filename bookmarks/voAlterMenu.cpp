#include "bookmarks/voAlterMenu.h"

#include <string>

#include "rtl/ShortCut.h"
#include "ui/ImgList.h"

namespace {

constexpr TColor TextBackground = 0xE1E1E1;
constexpr TColor ColumnColor = 0xD1D1D1;
constexpr TColor HighlightFill = 0xDCCFC7;
constexpr TColor HighlightColor = 0x800000;
constexpr TColor GreyColor = 0x808080;
constexpr TColor SeparatorColor = 0xD1D1D1;
constexpr int ImageColumnWidth = 20;

// Selects the DC's own font again, in the given face and character set, for as long as it lives.
class TFaceOverride {
public:
  TFaceOverride(HDC dc, const char* face, BYTE charset, bool setCharset) : FDC(dc) {
    LOGFONTA font{};
    GetObjectA(GetCurrentObject(dc, OBJ_FONT), sizeof font, &font);
    lstrcpynA(font.lfFaceName, face, LF_FACESIZE);
    if (setCharset) font.lfCharSet = charset;
    FFont.Reset(CreateFontIndirectA(&font));
    FOld = SelectObject(dc, FFont.Get());
  }
  ~TFaceOverride() { SelectObject(FDC, FOld); }
  TFaceOverride(const TFaceOverride&) = delete;
  TFaceOverride& operator=(const TFaceOverride&) = delete;

private:
  HDC FDC;
  TGdiObject FFont;
  HGDIOBJ FOld;
};

// The middle row of a height, a half rounded to the even neighbour: 9 gives 4, 11 gives 6.
int MiddleRow(int height) {
  int half = height / 2;
  return height % 2 ? half + half % 2 : half;
}

void DrawTextIn(HDC dc, const std::string& text, RECT r, UINT flags, TColor color) {
  SetTextColor(dc, ColorToRGB(color));
  DrawTextExA(dc, const_cast<char*>(text.c_str()), static_cast<int>(text.size()), &r, flags, nullptr);
}

bool IsMenuBarItem(TMenu* menu, TMenuItem* item) {
  return dynamic_cast<TMainMenu*>(menu) && item->Parent() == &menu->Items();
}

TImageList* ImagesOf(TMenu* menu, TMenuItem* item) {
  if (item->Parent() && item->Parent()->SubMenuImages) return item->Parent()->SubMenuImages;
  return menu->Images;
}

}  // namespace

TvoAlterMenu::TvoAlterMenu(TComponent* owner) : FOwner(owner) { SetActive(true); }

void TvoAlterMenu::SetActive(bool value) {
  if (value == FActive) return;
  FActive = value;
  HookItems();
  for (TComponent* component : FOwner->Components()) {
    auto* menu = dynamic_cast<TMenu*>(component);
    if (!menu) continue;
    menu->SetOwnerDraw(FActive);
    if (!dynamic_cast<TMainMenu*>(menu)) continue;
    // Hiding and showing each bar item makes the menu bar measure its items again.
    TMenuItem& bar = menu->Items();
    for (int i = 0; i < bar.Count(); ++i) {
      TMenuItem* item = bar.Items(i);
      if (!item->Visible()) continue;
      item->SetVisible(false);
      item->SetVisible(true);
    }
  }
}

void TvoAlterMenu::HookItems() {
  for (TComponent* component : FOwner->Components()) {
    auto* menu = dynamic_cast<TMenu*>(component);
    if (!menu) continue;
    TMenuItem& top = menu->Items();
    for (int i = 0; i < top.Count(); ++i) HookItem(top.Items(i));
  }
}

void TvoAlterMenu::HookItem(TMenuItem* item) {
  if (FActive) {
    item->OnAdvancedDrawItem = [this](TObject* sender, TCanvas& canvas, RECT rect, UINT state) {
      DrawItem(sender, canvas, rect, state);
    };
  } else {
    item->OnAdvancedDrawItem = nullptr;
  }
  for (int i = 0; i < item->Count(); ++i) HookItem(item->Items(i));
}

void TvoAlterMenu::DrawItem(TObject* sender, TCanvas& canvas, RECT rect, UINT state) {
  auto* item = dynamic_cast<TMenuItem*>(sender);
  TMenu* menu = item ? item->Menu() : nullptr;
  if (!menu) return;
  HDC dc = canvas.Handle();
  bool rightToLeft = menu->RightToLeft;
  RECT column = rect, text = rect;
  if (rightToLeft) {
    column.left = rect.right - ImageColumnWidth;
    text.right = rect.right - ImageColumnWidth;
  } else {
    column.right = rect.left + ImageColumnWidth;
    text.left = rect.left + ImageColumnWidth;
  }
  std::string caption = " " + item->Caption();
  TImageList* images = ImagesOf(menu, item);
  bool hasImage = images && item->ImageIndex() != -1;

  canvas.FillRect(text, TextBackground);
  if (IsMenuBarItem(menu, item)) {
    canvas.FillRect(rect, ColumnColor);
    if (item->ImageIndex() == -1) text = rect;
  }
  canvas.FillRect(column, ColumnColor);
  TColor fontColor = item->Enabled() ? clBlack : GreyColor;
  if (state & (ODS_SELECTED | ODS_HOTLIGHT)) {
    canvas.FillRect(text, HighlightFill);
    canvas.RoundFrame(text, 6, 6, HighlightColor);
    if (item->Enabled()) fontColor = HighlightColor;
  }
  if (hasImage) images->Draw(dc, column.left + 2, column.top + 1, item->ImageIndex());
  if (item->Checked()) canvas.RoundFrame(column, 3, 3, GreyColor);
  if (item->IsLine()) {
    int y = rect.top + MiddleRow(rect.bottom - rect.top);
    canvas.Line(rect.left + 10, y, rect.right - 2, y, SeparatorColor);
    return;
  }

  SetBkMode(dc, TRANSPARENT);
  TFaceOverride face(dc, "Tahoma", ARABIC_CHARSET, rightToLeft);
  UINT flags = rightToLeft ? DT_RIGHT | DT_RTLREADING : DT_LEFT | DT_TOP;
  if (item->Default()) {
    // A grey copy one pixel up and towards the start, under text that stays black.
    RECT shadow{text.left + 1, text.top + 1, text.right + 1, text.bottom};
    DrawTextIn(dc, caption, shadow, flags, GreyColor);
    fontColor = clBlack;
  }
  text.left += 2;
  text.top += 2;
  DrawTextIn(dc, caption, text, flags, fontColor);
  DrawTextIn(dc, ShortCutToText(item->ShortCut) + " ", text, rightToLeft ? 0 : DT_RIGHT, fontColor);
}
