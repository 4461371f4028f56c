#include "assets/NebrokResources.h"
#include "assets/TaviskResources.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <map>
#include <set>
#include <vector>

namespace {

const COLORREF kFuchsia = RGB(255, 0, 255);

struct BitmapCase {
  const char* name;
  int id;
  int width, height;
  bool glyphs;  // 16 x 16 cells on a fuchsia ground
};

const BitmapCase kBitmaps[] = {
    {"tree view", IDB_TREEVIEW, 304, 16, true},
    {"bookmark buttons", IDB_BUTTONS, 64, 16, true},
    {"refresh", IDB_GLYPH_REFRESH, 16, 16, true},
    {"add GUID", IDB_GLYPH_ADDGUID, 16, 16, true},
    {"update", IDB_GLYPH_UPDATE, 16, 16, true},
    {"cancel", IDB_GLYPH_CANCEL, 16, 16, true},
    {"side picture", IDB_SIDEPICTURE, 115, 229, false},
};

// A bitmap loaded from this program's resources, selected into a memory DC for reading pixels.
class LoadedBitmap {
 public:
  explicit LoadedBitmap(int id)
      : bitmap_(static_cast<HBITMAP>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id),
                                                IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION))),
        dc_(CreateCompatibleDC(nullptr)),
        old_(bitmap_ ? SelectObject(dc_, bitmap_) : nullptr) {}
  ~LoadedBitmap() {
    if (old_) SelectObject(dc_, old_);
    DeleteDC(dc_);
    if (bitmap_) DeleteObject(bitmap_);
  }
  LoadedBitmap(const LoadedBitmap&) = delete;
  LoadedBitmap& operator=(const LoadedBitmap&) = delete;

  bool Loaded() const { return bitmap_ != nullptr; }
  DIBSECTION Section() const {
    DIBSECTION section{};
    GetObjectA(bitmap_, sizeof section, &section);
    return section;
  }
  COLORREF Pixel(int x, int y) const { return GetPixel(dc_, x, y); }

 private:
  HBITMAP bitmap_;
  HDC dc_;
  HGDIOBJ old_;
};

TEST(Resources, BitmapsHaveTheirSizeAndDepth) {
  for (const BitmapCase& c : kBitmaps) {
    SCOPED_TRACE(c.name);
    LoadedBitmap bitmap(c.id);
    ASSERT_TRUE(bitmap.Loaded());
    DIBSECTION section = bitmap.Section();
    EXPECT_EQ(section.dsBm.bmWidth, c.width);
    EXPECT_EQ(section.dsBm.bmHeight, c.height);
    EXPECT_EQ(section.dsBm.bmBitsPixel, 24);
  }
}

// The transparent colour is fuchsia whether a consumer takes it as given or from a corner pixel,
// and every 16 x 16 cell holds a picture, so a short or misaligned strip shows up.
TEST(Resources, GlyphsAreOnFuchsiaAndNoCellIsEmpty) {
  for (const BitmapCase& c : kBitmaps) {
    if (!c.glyphs) continue;
    SCOPED_TRACE(c.name);
    LoadedBitmap bitmap(c.id);
    ASSERT_TRUE(bitmap.Loaded());
    EXPECT_EQ(bitmap.Pixel(0, 0), kFuchsia);
    EXPECT_EQ(bitmap.Pixel(0, c.height - 1), kFuchsia);
    for (int left = 0; left < c.width; left += 16) {
      int ground = 0;
      for (int y = 0; y < 16; ++y)
        for (int x = left; x < left + 16; ++x) ground += bitmap.Pixel(x, y) == kFuchsia;
      EXPECT_GT(ground, 0) << "cell at " << left;
      EXPECT_LT(ground, 16 * 16 - 16) << "cell at " << left;
    }
  }
}

#pragma pack(push, 2)
struct GroupIconEntry {
  BYTE width, height, colourCount, reserved;
  WORD planes, bitCount;
  DWORD bytes;
  WORD id;
};
#pragma pack(pop)

// The widths of the images stored in an icon group resource (0 stands for 256).
std::set<int> IconWidths(int id) {
  HMODULE module = GetModuleHandleA(nullptr);
  HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(14));  // RT_GROUP_ICON
  if (!found) return {};
  auto* directory = static_cast<const WORD*>(LockResource(LoadResource(module, found)));
  auto* entries = reinterpret_cast<const GroupIconEntry*>(directory + 3);
  std::set<int> widths;
  for (WORD i = 0; i < directory[2]; ++i) widths.insert(entries[i].width);
  return widths;
}

// Both resource sets linked into one module must keep their own icon pictures: icon images
// numbered alike in both would be merged into one and both groups would show it.
TEST(Resources, IconsHoldLargeAndSmallImages) {
  std::map<int, std::vector<char>> large;
  for (int id : {IDI_TAVISK, IDI_NEBROK}) {
    SCOPED_TRACE(id);
    EXPECT_EQ(IconWidths(id), (std::set<int>{16, 32}));
    for (int size : {16, 32}) {
      HICON icon = static_cast<HICON>(
          LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id), IMAGE_ICON, size, size, 0));
      ASSERT_NE(icon, nullptr) << size;
      ICONINFO info{};
      ASSERT_TRUE(GetIconInfo(icon, &info));
      BITMAP colour{};
      GetObjectA(info.hbmColor, sizeof colour, &colour);
      EXPECT_EQ(colour.bmWidth, size);
      EXPECT_EQ(colour.bmHeight, size);
      if (size == 32) {
        std::vector<char>& bits = large[id];
        bits.resize(colour.bmWidthBytes * colour.bmHeight);
        GetBitmapBits(info.hbmColor, static_cast<LONG>(bits.size()), bits.data());
      }
      DeleteObject(info.hbmColor);
      DeleteObject(info.hbmMask);
      DestroyIcon(icon);
    }
  }
  EXPECT_TRUE(large[IDI_TAVISK] != large[IDI_NEBROK]) << "both icons show one picture";
}

}  // namespace
