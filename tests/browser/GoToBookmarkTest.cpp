// The GoToBookmark export of the real Tavisk.dll: nothing before the first window, a hidden
// window is navigated while it stays hidden, and only the newest of two windows moves.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

namespace {

using TExport = void(__stdcall*)(const char*);

TExport Export(const char* name) {
  static HMODULE library = LoadLibraryA("Tavisk.dll");
  return reinterpret_cast<TExport>(reinterpret_cast<void*>(GetProcAddress(library, name)));
}

BOOL CALLBACK CollectWindow(HWND window, LPARAM list) {
  reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
  return TRUE;
}

std::vector<HWND> Browsers() {
  std::vector<HWND> all, browsers;
  EnumThreadWindows(GetCurrentThreadId(), CollectWindow, reinterpret_cast<LPARAM>(&all));
  for (HWND window : all) {
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    if (std::string(name) == "TfrmTavisk") browsers.push_back(window);
  }
  return browsers;
}

HWND ChildOfClass(HWND form, const char* className) {
  std::vector<HWND> all;
  EnumChildWindows(form, CollectWindow, reinterpret_cast<LPARAM>(&all));
  for (HWND window : all) {
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    if (std::string(name) == className) return window;
  }
  return nullptr;
}

// The text of the tree's selected node, or empty when none is selected.
std::string SelectedText(HWND form) {
  HWND tree = ChildOfClass(form, WC_TREEVIEWA);
  auto item = reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_GETNEXTITEM, TVGN_CARET, 0));
  if (!item) return {};
  char text[256] = {};
  TVITEMA info{};
  info.mask = TVIF_TEXT;
  info.hItem = item;
  info.pszText = text;
  info.cchTextMax = sizeof text;
  SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&info));
  return text;
}

// One program, in this order: the first test runs before any window exists.
TEST(GoToBookmark, BeforeAnyWindowAndWithNullDoesNothing) {
  ASSERT_NE(nullptr, Export("GoToBookmark"));
  Export("GoToBookmark")("HKEY_CURRENT_USER\\Software");
  Export("GoToBookmark")(nullptr);
  EXPECT_TRUE(Browsers().empty());
}

TEST(GoToBookmark, NavigatesAHiddenWindowAndOnlyTheNewestOfTwo) {
  Export("ShowRegForm")("X64");
  ASSERT_EQ(1u, Browsers().size());
  HWND first = Browsers()[0];
  ShowWindow(first, SW_HIDE);
  Export("GoToBookmark")("HKEY_CURRENT_USER\\Software");
  EXPECT_EQ("Software", SelectedText(first));
  EXPECT_FALSE(IsWindowVisible(first)) << "the window is not shown";
  Export("GoToBookmark")(nullptr);
  EXPECT_EQ("Software", SelectedText(first));

  Export("ShowRegForm")("X64");
  std::vector<HWND> both = Browsers();
  ASSERT_EQ(2u, both.size());
  HWND second = both[0] == first ? both[1] : both[0];
  Export("GoToBookmark")("HKEY_USERS");
  EXPECT_EQ("HKEY_USERS", SelectedText(second));
  EXPECT_EQ("Software", SelectedText(first));
}

}  // namespace
