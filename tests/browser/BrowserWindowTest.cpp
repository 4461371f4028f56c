// The real Tavisk.dll, loaded with LoadLibrary: ShowRegForm, the window it opens, its tree,
// menus, toolbar and layout, and the ways of closing it.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

namespace {

using TShowRegForm = void(__stdcall*)(const char*);

TShowRegForm ShowRegForm() {
  static HMODULE library = LoadLibraryA("Tavisk.dll");
  static auto show = reinterpret_cast<TShowRegForm>(reinterpret_cast<void*>(GetProcAddress(library, "ShowRegForm")));
  return show;
}

std::string ComponentName(HWND window) {
  auto atom = static_cast<ATOM>(reinterpret_cast<UINT_PTR>(GetPropA(window, "uiName")));
  char name[128] = {};
  if (atom) GetAtomNameA(atom, name, sizeof name);
  return name;
}

BOOL CALLBACK CollectWindow(HWND window, LPARAM list) {
  reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
  return TRUE;
}

std::vector<HWND> BrowserWindows(bool visibleOnly) {
  std::vector<HWND> all, browsers;
  EnumThreadWindows(GetCurrentThreadId(), CollectWindow, reinterpret_cast<LPARAM>(&all));
  for (HWND window : all) {
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    if (std::string(name) == "TfrmTavisk" && (!visibleOnly || IsWindowVisible(window))) browsers.push_back(window);
  }
  return browsers;
}

std::vector<HWND> Children(HWND parent) {
  std::vector<HWND> all, direct;
  EnumChildWindows(parent, CollectWindow, reinterpret_cast<LPARAM>(&all));
  for (HWND window : all)
    if (GetParent(window) == parent) direct.push_back(window);
  return direct;
}

HWND Child(HWND form, const std::string& name) {
  std::vector<HWND> all;
  EnumChildWindows(form, CollectWindow, reinterpret_cast<LPARAM>(&all));
  for (HWND window : all)
    if (ComponentName(window) == name) return window;
  return nullptr;
}

RECT BoundsInParent(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

std::vector<std::string> MenuTexts(HMENU menu) {
  std::vector<std::string> texts;
  for (int i = 0; i < GetMenuItemCount(menu); ++i) {
    char text[64] = {};
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_STRING | MIIM_FTYPE;
    info.dwTypeData = text;
    info.cch = sizeof text;
    GetMenuItemInfoA(menu, static_cast<UINT>(i), TRUE, &info);
    texts.push_back((info.fType & MFT_SEPARATOR) ? "-" : text);
  }
  return texts;
}

class BrowserWindowTest : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_NE(nullptr, ShowRegForm()) << "Tavisk.dll or its ShowRegForm missing";
    HideAll();
  }
  void TearDown() override { HideAll(); }
  static void HideAll() {
    for (HWND window : BrowserWindows(true)) ShowWindow(window, SW_HIDE);
  }
  // Opens a window and returns it: the newest visible browser window.
  static HWND Open(const char* view = "X64") {
    auto before = BrowserWindows(false);
    ShowRegForm()(view);
    for (HWND window : BrowserWindows(true))
      if (std::find(before.begin(), before.end(), window) == before.end()) return window;
    return nullptr;
  }
};

TEST_F(BrowserWindowTest, ViewNameChoosesWhetherAWindowOpens) {
  struct Case {
    const char* view;
    bool opens;
  } cases[] = {{"X64", true}, {"x64", true}, {"X86", true}, {"x86", true},
               {" X64", false}, {"X64 ", false}, {"", false}, {"X32", false}, {nullptr, false}};
  for (const Case& c : cases) {
    HWND window = Open(c.view);
    EXPECT_EQ(c.opens, window != nullptr) << (c.view ? c.view : "(null)");
    HideAll();
  }
}

TEST_F(BrowserWindowTest, TwoCallsMakeTwoWindows) {
  HWND first = Open();
  HWND second = Open();
  ASSERT_NE(nullptr, first);
  ASSERT_NE(nullptr, second);
  EXPECT_NE(first, second);
  EXPECT_EQ(2u, BrowserWindows(true).size());
}

TEST_F(BrowserWindowTest, OpensMaximisedWithCaptionIconAndMenu) {
  RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Dunmora\\Registry Browser");
  HWND window = Open();
  ASSERT_NE(nullptr, window);
  EXPECT_TRUE(IsZoomed(window));
  char caption[64] = {};
  GetWindowTextA(window, caption, sizeof caption);
  EXPECT_STREQ("Registry", caption);
  MINMAXINFO limits{};
  SendMessageA(window, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&limits));
  EXPECT_EQ(400, limits.ptMinTrackSize.x);
  EXPECT_EQ(250, limits.ptMinTrackSize.y);
  EXPECT_NE(nullptr, reinterpret_cast<HICON>(SendMessageA(window, WM_GETICON, ICON_BIG, 0)));
  // The Bookmarks item stays hidden while there are no bookmarks.
  EXPECT_EQ((std::vector<std::string>{"&File", "&View"}), MenuTexts(GetMenu(window)));
}

// The key marks as the window must have made them: with the 64-bit view bit.
bool RootHasSubKeys(HKEY root) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(root, "", 0, KEY_QUERY_VALUE | KEY_WOW64_64KEY, &key) != ERROR_SUCCESS) return false;
  DWORD subKeys = 0;
  LONG result = RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, &subKeys, nullptr, nullptr, nullptr, nullptr,
                                 nullptr, nullptr, nullptr);
  RegCloseKey(key);
  return result == ERROR_SUCCESS && subKeys > 0;
}

TVITEMA TreeItem(HWND tree, HTREEITEM item, char (&text)[128]) {
  TVITEMA info{};
  info.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_CHILDREN | TVIF_STATE;
  info.hItem = item;
  info.pszText = text;
  info.cchTextMax = sizeof text;
  info.stateMask = TVIS_EXPANDED;
  SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&info));
  return info;
}

TEST_F(BrowserWindowTest, TreeHoldsComputerAndTheRootKeysMarkedByTheirSubKeys) {
  struct Root {
    const char* name;
    HKEY key;
  } roots[] = {{"HKEY_CLASSES_ROOT", HKEY_CLASSES_ROOT}, {"HKEY_CURRENT_USER", HKEY_CURRENT_USER},
               {"HKEY_LOCAL_MACHINE", HKEY_LOCAL_MACHINE}, {"HKEY_USERS", HKEY_USERS},
               {"HKEY_CURRENT_CONFIG", HKEY_CURRENT_CONFIG}};
  for (const char* view : {"X64", "X86"}) {
    HWND window = Open(view);
    ASSERT_NE(nullptr, window) << view;
    HWND tree = Child(window, "tvRegistry");
    ASSERT_NE(nullptr, tree);
    char text[128] = {};
    auto top = reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0));
    TVITEMA computer = TreeItem(tree, top, text);
    EXPECT_STREQ("Computer", text);
    EXPECT_EQ(0, computer.iImage);
    EXPECT_EQ(0, computer.iSelectedImage);
    EXPECT_TRUE(computer.state & TVIS_EXPANDED);
    EXPECT_EQ(0, SendMessageA(tree, TVM_GETNEXTITEM, TVGN_NEXT, reinterpret_cast<LPARAM>(top)));

    auto item = reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_GETNEXTITEM, TVGN_CHILD, reinterpret_cast<LPARAM>(top)));
    for (const Root& root : roots) {
      ASSERT_NE(nullptr, item) << root.name;
      TVITEMA node = TreeItem(tree, item, text);
      EXPECT_STREQ(root.name, text);
      bool hasSubKeys = RootHasSubKeys(root.key);
      EXPECT_EQ(hasSubKeys ? 3 : 1, node.iImage) << root.name;
      EXPECT_EQ(hasSubKeys ? 4 : 2, node.iSelectedImage) << root.name;
      EXPECT_EQ(hasSubKeys ? 1 : 0, node.cChildren) << root.name;
      item = reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_GETNEXTITEM, TVGN_NEXT, reinterpret_cast<LPARAM>(item)));
    }
    EXPECT_EQ(nullptr, item);
  }
}

TEST_F(BrowserWindowTest, FileShowsExitAloneAndViewRefreshAlone) {
  HWND window = Open();
  ASSERT_NE(nullptr, window);
  HMENU bar = GetMenu(window);
  EXPECT_EQ(std::vector<std::string>{"E&xit"}, MenuTexts(GetSubMenu(bar, 0)));
  EXPECT_EQ(std::vector<std::string>{"&Refresh"}, MenuTexts(GetSubMenu(bar, 1)));
}

TEST_F(BrowserWindowTest, ToolbarShowsBookmarkBevelAndRefreshOnly) {
  HWND window = Open();
  ASSERT_NE(nullptr, window);
  HWND toolbar = Child(window, "pnToolbar");
  ASSERT_NE(nullptr, toolbar);
  std::vector<std::pair<LONG, std::string>> shown;
  for (HWND control : Children(toolbar))
    if (IsWindowVisible(control)) shown.emplace_back(BoundsInParent(control).left, ComponentName(control));
  std::sort(shown.begin(), shown.end());
  std::vector<std::string> names;
  for (auto& control : shown) names.push_back(control.second);
  EXPECT_EQ((std::vector<std::string>{"btnBookmark", "btnRefresh", "Bevel1"}), names);
  for (const char* hidden : {"btnAddGuid", "Bevel2", "btnUpdate", "btnCancel"}) {
    HWND control = Child(window, hidden);
    ASSERT_NE(nullptr, control) << hidden;
    EXPECT_FALSE(IsWindowVisible(control)) << hidden;
  }
  EXPECT_FALSE(IsWindowEnabled(Child(window, "btnBookmark")));
}

TEST_F(BrowserWindowTest, ShowLaysOutTheDialogButtonsAndPathLineAtTheDefaultSize) {
  HWND window = Open();
  ASSERT_NE(nullptr, window);
  ShowWindow(window, SW_RESTORE);
  // The frame's size follows the system's metrics; the client area is the designed one.
  RECT client{};
  GetClientRect(window, &client);
  EXPECT_EQ(832, client.right);
  EXPECT_EQ(519, client.bottom);
  EXPECT_EQ(764, BoundsInParent(Child(window, "btnCancel")).left);
  EXPECT_EQ(696, BoundsInParent(Child(window, "btnUpdate")).left);
  RECT path = BoundsInParent(Child(window, "edRegPath"));
  EXPECT_EQ(824, path.right - path.left);
  RECT back = BoundsInParent(Child(window, "pnBack"));
  EXPECT_EQ(48, back.top);
  EXPECT_EQ(500, back.bottom);
  // Inside the two bevels of pnBack: the tree, the splitter and the list that fills the rest.
  struct Placed {
    const char* name;
    RECT bounds;
  } placed[] = {{"tvRegistry", {2, 2, 313, 450}}, {"Splitter", {313, 2, 318, 450}}, {"lvRegistry", {318, 2, 830, 450}}};
  for (const Placed& p : placed) {
    RECT r = BoundsInParent(Child(window, p.name));
    EXPECT_EQ(p.bounds.left, r.left) << p.name;
    EXPECT_EQ(p.bounds.top, r.top) << p.name;
    EXPECT_EQ(p.bounds.right, r.right) << p.name;
    EXPECT_EQ(p.bounds.bottom, r.bottom) << p.name;
  }
}

TEST_F(BrowserWindowTest, ExitCloseBoxAndSystemMenuAllHideTheWindow) {
  enum Way { ExitItem, CloseMessage, SystemMenu };
  for (Way way : {ExitItem, CloseMessage, SystemMenu}) {
    HWND window = Open();
    ASSERT_NE(nullptr, window);
    if (way == ExitItem) {
      HMENU file = GetSubMenu(GetMenu(window), 0);
      SendMessageA(window, WM_COMMAND, GetMenuItemID(file, 0), 0);
    } else if (way == CloseMessage) {
      SendMessageA(window, WM_CLOSE, 0, 0);
    } else {
      SendMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    }
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    EXPECT_TRUE(IsWindow(window)) << way;
    EXPECT_FALSE(IsWindowVisible(window)) << way;
  }
}

}  // namespace
