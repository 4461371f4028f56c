// The menu painter against real menus, drawing into a memory bitmap whose pixels are read back.
#include <gtest/gtest.h>

#include <memory>

#include "bookmarks/voAlterMenu.h"
#include "ui/Form.h"
#include "ui/ImgList.h"

namespace {

constexpr COLORREF TextArea = 0xE1E1E1, Column = 0xD1D1D1, Fill = 0xDCCFC7, Navy = 0x800000,
                   Grey = 0x808080, Black = 0x000000, Red = 0x0000FF;

// A 32-bit top-down bitmap in a memory DC; pixels read as COLORREF.
class TPixels {
public:
  TPixels(int width, int height) : FWidth(width) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    FDC = CreateCompatibleDC(nullptr);
    FBitmap.Reset(CreateDIBSection(FDC, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&FBits), nullptr, 0));
    FOld = SelectObject(FDC, FBitmap.Get());
  }
  ~TPixels() {
    SelectObject(FDC, FOld);
    DeleteDC(FDC);
  }
  HDC DC() const { return FDC; }
  COLORREF At(int x, int y) const {
    GdiFlush();
    DWORD bgr = FBits[y * FWidth + x] & 0xFFFFFF;
    return RGB(GetBValue(bgr), GetGValue(bgr), GetRValue(bgr));
  }
  // How many pixels of the colour lie in [left, right) x [top, bottom).
  int Count(COLORREF color, int left, int top, int right, int bottom) const {
    int n = 0;
    for (int y = top; y < bottom; ++y)
      for (int x = left; x < right; ++x) n += At(x, y) == color;
    return n;
  }

private:
  int FWidth;
  HDC FDC;
  TGdiObject FBitmap;
  HGDIOBJ FOld;
  DWORD* FBits = nullptr;
};

constexpr int W = 160, H = 20;

class AlterMenuTest : public ::testing::Test {
protected:
  AlterMenuTest() {
    Images = new TImageList(&Owner, 16, 16);
    TGdiObject red(CreateBitmap(16, 16, 1, 32, nullptr));
    {
      HDC dc = CreateCompatibleDC(nullptr);
      HGDIOBJ old = SelectObject(dc, red.Get());
      TCanvas(dc).FillRect(RECT{0, 0, 16, 16}, Red);
      SelectObject(dc, old);
      DeleteDC(dc);
    }
    ImageList_Add(Images->Handle(), static_cast<HBITMAP>(red.Get()), nullptr);
    Bar = new TMainMenu(&Owner);
    Bar->Images = Images;
    File = AddItem(Bar->Items(), "&File", 0);
    Exit = AddItem(*File, "E&xit", -1);
    View = AddItem(Bar->Items(), "&View", -1);
    Popup = new TPopupMenu(&Owner);
    PopItem = AddItem(Popup->Items(), "Bookmark", -1);
  }

  TMenuItem* AddItem(TMenuItem& parent, const char* caption, int image) {
    auto* item = new TMenuItem(&Owner);
    item->SetCaption(caption);
    item->SetImageIndex(image);
    parent.Add(item);
    return item;
  }

  std::unique_ptr<TPixels> Draw(TvoAlterMenu& painter, TMenuItem* item, UINT state, int height = H) {
    auto pixels = std::make_unique<TPixels>(W, height);
    TCanvas canvas(pixels->DC());
    painter.DrawItem(item, canvas, RECT{0, 0, W, height}, state);
    return pixels;
  }

  static UINT TypeOf(HMENU menu, int position) {
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE;
    GetMenuItemInfoA(menu, static_cast<UINT>(position), TRUE, &info);
    return info.fType;
  }

  TComponent Owner{nullptr};
  TImageList* Images;
  TMainMenu* Bar;
  TMenuItem *File, *Exit, *View, *PopItem;
  TPopupMenu* Popup;
};

TEST_F(AlterMenuTest, SwitchesEveryMenuToOwnerDrawingAndBack) {
  TvoAlterMenu painter(&Owner);
  EXPECT_TRUE(painter.Active());
  for (TMenuItem* item : {File, Exit, View, PopItem}) EXPECT_TRUE(item->OnAdvancedDrawItem) << item->Caption();
  EXPECT_TRUE(Bar->OwnerDraw());
  EXPECT_TRUE(Popup->OwnerDraw());
  EXPECT_TRUE(TypeOf(Bar->Handle(), 0) & MFT_OWNERDRAW);
  EXPECT_TRUE(TypeOf(File->Handle(), 0) & MFT_OWNERDRAW);
  EXPECT_TRUE(TypeOf(Popup->Handle(), 0) & MFT_OWNERDRAW);

  painter.SetActive(true);
  EXPECT_TRUE(Bar->OwnerDraw());

  painter.SetActive(false);
  for (TMenuItem* item : {File, Exit, View, PopItem}) EXPECT_FALSE(item->OnAdvancedDrawItem) << item->Caption();
  EXPECT_FALSE(Bar->OwnerDraw());
  EXPECT_FALSE(TypeOf(File->Handle(), 0) & MFT_OWNERDRAW);
  EXPECT_FALSE(TypeOf(Popup->Handle(), 0) & MFT_OWNERDRAW);
}

TEST_F(AlterMenuTest, ItemsAddedLaterArePaintedAfterHookItems) {
  TvoAlterMenu painter(&Owner);
  TMenuItem* later = AddItem(*View, "&Later", -1);
  EXPECT_TRUE(TypeOf(View->Handle(), 0) & MFT_OWNERDRAW);
  EXPECT_FALSE(later->OnAdvancedDrawItem);
  painter.HookItems();
  EXPECT_TRUE(later->OnAdvancedDrawItem);
}

TEST_F(AlterMenuTest, PlainItemHasColumnTextAreaAndBlackText) {
  TvoAlterMenu painter(&Owner);
  auto p = Draw(painter, Exit, 0);
  EXPECT_EQ(p->At(3, H - 2), Column);
  EXPECT_EQ(p->At(19, 0), Column);
  EXPECT_EQ(p->At(20, 0), TextArea);
  EXPECT_EQ(p->At(W - 2, H - 2), TextArea);
  EXPECT_GT(p->Count(Black, 20, 0, W, H), 0);
  EXPECT_EQ(p->Count(Black, 0, 0, 22, H), 0) << "text starts after the column and its margin";
}

TEST_F(AlterMenuTest, HighlightAndDisabledLooks) {
  struct Case {
    bool enabled;
    UINT state;
    COLORREF background, text, absent;
  } cases[] = {
      {true, ODS_SELECTED, Fill, Navy, Black},
      {true, ODS_HOTLIGHT, Fill, Navy, Black},
      {false, ODS_SELECTED, Fill, Grey, Black},
      {false, 0, TextArea, Grey, Black},
      {true, 0, TextArea, Black, Navy},
  };
  TvoAlterMenu painter(&Owner);
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "enabled " << c.enabled << " state " << c.state);
    Exit->SetEnabled(c.enabled);
    auto p = Draw(painter, Exit, c.state);
    EXPECT_EQ(p->At(W - 10, H / 2), c.background);
    EXPECT_GT(p->Count(c.text, 23, 2, W - 2, H - 2), 0);
    EXPECT_EQ(p->Count(c.absent, 21, 1, W - 1, H - 1), 0);
    EXPECT_EQ(p->At(3, 3), Column);
    if (c.state) {
      // The frame's straight edges, away from the rounded corners.
      EXPECT_EQ(p->At(60, 0), Navy);
      EXPECT_EQ(p->At(60, H - 1), Navy);
      EXPECT_EQ(p->At(20, H / 2), Navy);
      EXPECT_EQ(p->At(W - 1, H / 2), Navy);
    }
  }
}

TEST_F(AlterMenuTest, CheckedItemWithoutImageShowsGreyFrameInColumn) {
  TvoAlterMenu painter(&Owner);
  Exit->SetChecked(true);
  auto p = Draw(painter, Exit, 0);
  EXPECT_EQ(p->At(10, 0), Grey);
  EXPECT_EQ(p->At(10, H - 1), Grey);
  EXPECT_EQ(p->At(0, H / 2), Grey);
  EXPECT_EQ(p->At(19, H / 2), Grey);
  EXPECT_EQ(p->At(10, H / 2), Column);
  EXPECT_EQ(p->Count(Grey, 20, 0, W, H), 0);
}

TEST_F(AlterMenuTest, DefaultItemTextStaysBlackOverAGreyCopy) {
  TvoAlterMenu painter(&Owner);
  Exit->SetDefault(true);
  for (bool enabled : {true, false}) {
    for (UINT state : {0u, static_cast<UINT>(ODS_SELECTED)}) {
      SCOPED_TRACE(testing::Message() << "enabled " << enabled << " state " << state);
      Exit->SetEnabled(enabled);
      auto p = Draw(painter, Exit, state);
      EXPECT_GT(p->Count(Black, 22, 1, W - 1, H - 1), 0);
      EXPECT_GT(p->Count(Grey, 21, 1, W - 1, H - 1), 0);
      // The copy lies one pixel up and left of the text: its top-left-most pixel is grey.
      bool found = false;
      for (int y = 1; y < H - 1 && !found; ++y)
        for (int x = 21; x < W - 1 && !found; ++x) {
          COLORREF c = p->At(x, y);
          if (c == Black || c == Grey) {
            EXPECT_EQ(c, Grey) << x << "," << y;
            found = true;
          }
        }
    }
  }
}

TEST_F(AlterMenuTest, SeparatorLineAtTheEvenMiddleRow) {
  TvoAlterMenu painter(&Owner);
  TMenuItem* line = AddItem(*File, "-", -1);
  for (auto [height, row] : {std::pair{9, 4}, {11, 6}, {10, 5}}) {
    SCOPED_TRACE(height);
    auto p = Draw(painter, line, 0, height);
    EXPECT_EQ(p->Count(Column, 20, row, W - 2, row + 1), W - 22);
    EXPECT_EQ(p->At(W - 2, row), TextArea);
    for (int y = 0; y < height; ++y)
      if (y != row) {
        EXPECT_EQ(p->At(60, y), TextArea) << y;
      }
    EXPECT_EQ(p->Count(Black, 0, 0, W, height), 0);
  }
}

TEST_F(AlterMenuTest, MenuBarItemsWithAndWithoutImage) {
  TvoAlterMenu painter(&Owner);
  auto view = Draw(painter, View, 0);
  EXPECT_EQ(view->At(W - 2, H - 2), Column);
  EXPECT_GT(view->Count(Black, 0, 0, 20, H), 0) << "without an image the caption starts at the left";

  auto file = Draw(painter, File, 0);
  EXPECT_EQ(file->At(W - 2, H - 2), Column);
  EXPECT_EQ(file->At(2, 1), Red);
  EXPECT_EQ(file->At(17, 16), Red);
  EXPECT_EQ(file->At(1, 1), Column);
  EXPECT_EQ(file->Count(Black, 0, 0, 22, H), 0);
  EXPECT_GT(file->Count(Black, 22, 0, W, H), 0);
}

TEST_F(AlterMenuTest, SubMenuImagesOfTheParentWinOverTheMenuImages) {
  TvoAlterMenu painter(&Owner);
  Exit->SetImageIndex(0);
  EXPECT_EQ(Draw(painter, Exit, 0)->At(5, 5), Red);
  TImageList empty(nullptr, 16, 16);
  File->SubMenuImages = &empty;
  EXPECT_EQ(Draw(painter, Exit, 0)->At(5, 5), Column);
}

TEST_F(AlterMenuTest, ShortcutStandsAtTheRightOrInRightToLeftMenusAtTheLeft) {
  TvoAlterMenu painter(&Owner);
  PopItem->SetCaption("&B");
  PopItem->ShortCut = 'S' | scCtrl;
  auto p = Draw(painter, PopItem, 0);
  EXPECT_GT(p->Count(Black, W - 30, 0, W, H), 0);
  EXPECT_GT(p->Count(Black, 22, 0, 40, H), 0);
  EXPECT_EQ(p->Count(Black, 50, 0, W - 60, H), 0);
  Popup->RightToLeft = true;
  p = Draw(painter, PopItem, 0);
  EXPECT_GT(p->Count(Black, 0, 0, 40, H), 0);
  EXPECT_GT(p->Count(Black, W - 40, 0, W - 20, H), 0);
  EXPECT_EQ(p->Count(Black, 60, 0, W - 50, H), 0);
}

TEST_F(AlterMenuTest, RightToLeftMirrorsColumnAndText) {
  TvoAlterMenu painter(&Owner);
  Popup->RightToLeft = true;
  auto p = Draw(painter, PopItem, 0);
  EXPECT_EQ(p->At(W - 3, H / 2), Column);
  EXPECT_EQ(p->At(W - 20, 0), Column);
  EXPECT_EQ(p->At(W - 21, 0), TextArea);
  EXPECT_EQ(p->At(2, H / 2), TextArea);
  EXPECT_GT(p->Count(Black, W - 30, 0, W - 20, H), 0) << "the caption ends at the column";
  EXPECT_EQ(p->Count(Black, 0, 0, 40, H), 0) << "the caption is right-aligned";
  EXPECT_EQ(p->Count(Black, W - 20, 0, W, H), 0);
}

TEST(AlterMenuWindowTest, OwnerDrawnMenuIsMeasuredToFitItsCaption) {
  TComponent owner(nullptr);
  TPopupMenu menu(&owner);
  auto* item = new TMenuItem(&owner);
  item->SetCaption("&A long caption for measuring");
  menu.Items().Add(item);
  auto* line = new TMenuItem(&owner);
  line->SetCaption("-");
  menu.Items().Add(line);
  menu.SetOwnerDraw(true);
  MEASUREITEMSTRUCT measure{};
  measure.CtlType = ODT_MENU;
  measure.itemData = item->Command();
  ASSERT_TRUE(TMenuItem::DispatchMeasure(measure));
  EXPECT_GT(measure.itemWidth, 20u + 100u);
  EXPECT_GE(measure.itemHeight, 12u);
  UINT plain = measure.itemWidth;
  item->ShortCut = 'S' | scCtrl;
  ASSERT_TRUE(TMenuItem::DispatchMeasure(measure));
  EXPECT_GT(measure.itemWidth, plain + 20) << "room for the shortcut";
  measure.itemData = line->Command();
  ASSERT_TRUE(TMenuItem::DispatchMeasure(measure));
  EXPECT_EQ(measure.itemHeight, 9u);
}

}  // namespace

namespace {

// Through a real window: the menu bar asks for the items' sizes with WM_MEASUREITEM.
TEST(AlterMenuWindowTest, MenuBarOfAWindowIsMeasuredByTheLibrary) {
  auto* form = new TForm(nullptr);
  auto* bar = new TMainMenu(form);
  auto* view = new TMenuItem(form);
  view->SetCaption("&View with a long caption");
  bar->Items().Add(view);
  auto* other = new TMenuItem(form);
  other->SetCaption("&X");
  bar->Items().Add(other);
  form->SetMenu(bar);
  TvoAlterMenu painter(form);
  form->Show();
  RECT wide{}, narrow{};
  ASSERT_TRUE(GetMenuItemRect(form->Handle(), bar->Handle(), 0, &wide));
  ASSERT_TRUE(GetMenuItemRect(form->Handle(), bar->Handle(), 1, &narrow));
  MEASUREITEMSTRUCT measure{};
  measure.CtlType = ODT_MENU;
  measure.itemData = view->Command();
  TMenuItem::DispatchMeasure(measure);
  EXPECT_GE(wide.right - wide.left, static_cast<LONG>(measure.itemWidth));
  EXPECT_GT(wide.right - wide.left, narrow.right - narrow.left + 60);
  TComponent::Free(form);
}

}  // namespace
