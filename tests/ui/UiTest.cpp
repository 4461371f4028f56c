// The GUI library against real windows: the default error report, close actions, the tree's
// expanding event and menu separators.
#include <gtest/gtest.h>

#include <windows.h>

#include "rtl/Exceptions.h"
#include "tests/ui/MessageBoxWatcher.h"
#include "ui/Application.h"
#include "ui/Form.h"
#include "ui/Menus.h"
#include "ui/TreeView.h"

namespace {

class UiTest : public ::testing::Test {
protected:
  void SetUp() override {
    Application->Initialize();
    Application->Title = "UiTest";
    form = new TForm(nullptr);
    form->Show();
  }
  void TearDown() override {
    if (IsWindow(window)) TComponent::Free(form);
  }
  HWND Window() { return window = form->Handle(); }

  TForm* form = nullptr;
  HWND window = nullptr;
};

TEST(ErrorReportText, AppendsAFullStopAfterCharactersAboveIt) {
  struct Case {
    const char* message;
    const char* shown;
  } cases[] = {
      {"Failed", "Failed."},       {"Failed.", "Failed."},   {"Done!", "Done!"},
      {"Rate 5%", "Rate 5%"},      {"ends in -", "ends in -"}, {"Path /", "Path /."},
      {"Key 7", "Key 7."},         {"", ""},                   {"Aborted\xA3\xBF", "Aborted\xA3\xBF."},
  };
  for (const Case& c : cases) EXPECT_EQ(c.shown, ErrorReportText(c.message)) << c.message;
}

TEST_F(UiTest, HandlerErrorIsReportedAndStopsTheClose) {
  form->OnClose = [](TObject*, TCloseAction&) { throw Exception("Closing failed"); };
  TMessageBoxWatcher watcher("UiTest", 5000);
  SendMessageA(Window(), WM_CLOSE, 0, 0);
  ASSERT_TRUE(watcher.Wait());
  EXPECT_EQ("Closing failed.", watcher.Text);
  EXPECT_TRUE(IsWindowVisible(Window()));
}

TEST_F(UiTest, SilentAbortShowsNothing) {
  form->OnClose = [](TObject*, TCloseAction&) { Abort(); };
  TMessageBoxWatcher watcher("UiTest", 1000);
  SendMessageA(Window(), WM_CLOSE, 0, 0);
  EXPECT_FALSE(watcher.Wait());
  EXPECT_TRUE(IsWindowVisible(Window()));
}

TEST_F(UiTest, CloseActions) {
  struct Case {
    TCloseAction action;
    bool visible, iconic, destroyed;
  } cases[] = {
      {caNone, true, false, false},
      {caHide, false, false, false},
      {caMinimize, true, true, false},
      {caFree, false, false, true},
  };
  for (const Case& c : cases) {
    TearDown();
    SetUp();
    bool destroyed = false;
    form->OnClose = [&](TObject*, TCloseAction& action) { action = c.action; };
    form->OnDestroy = [&](TObject*) { destroyed = true; };
    HWND handle = Window();
    SendMessageA(handle, WM_SYSCOMMAND, SC_CLOSE, 0);
    Application->ProcessMessages();
    EXPECT_EQ(c.destroyed, destroyed) << c.action;
    EXPECT_EQ(c.destroyed, !IsWindow(handle)) << c.action;
    if (c.destroyed) continue;
    EXPECT_EQ(c.visible, IsWindowVisible(handle) != 0) << c.action;
    EXPECT_EQ(c.iconic, IsIconic(handle) != 0) << c.action;
  }
}

TEST_F(UiTest, ExpandingFiresForEveryExpansionByCodeOrUser) {
  auto* tree = new TTreeView(form);
  tree->SetBounds(0, 0, 200, 200);
  tree->SetParent(form);
  int expanding = 0;
  tree->OnExpanding = [&](TObject*, TTreeNode*, bool&) { ++expanding; };
  TTreeNode* node = tree->AddChild(nullptr, "node");
  tree->AddChild(node, "child");

  node->Expand(false);
  EXPECT_EQ(1, expanding);
  EXPECT_TRUE(node->Expanded());
  node->Collapse();
  node->Expand(false);
  EXPECT_EQ(2, expanding);
  node->Collapse();
  node->DeleteChildren();
  tree->AddChild(node, "again");
  node->Expand(false);
  EXPECT_EQ(3, expanding);

  node->Collapse();
  tree->SetSelected(node);
  SendMessageA(tree->Handle(), WM_KEYDOWN, VK_ADD, 0);
  EXPECT_EQ(4, expanding);
  EXPECT_TRUE(node->Expanded());
}

TEST_F(UiTest, RefusedExpansionLeavesTheNodeClosed) {
  auto* tree = new TTreeView(form);
  tree->SetParent(form);
  tree->OnExpanding = [](TObject*, TTreeNode*, bool& allow) { allow = false; };
  TTreeNode* node = tree->AddChild(nullptr, "node");
  tree->AddChild(node, "child");
  node->Expand(false);
  EXPECT_FALSE(node->Expanded());
}

std::string MenuText(HMENU menu, int position) {
  char text[64] = {};
  MENUITEMINFOA info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_STRING | MIIM_FTYPE;
  info.dwTypeData = text;
  info.cch = sizeof text;
  GetMenuItemInfoA(menu, static_cast<UINT>(position), TRUE, &info);
  return (info.fType & MFT_SEPARATOR) ? "-" : text;
}

TEST_F(UiTest, MenuShowsVisibleItemsAndReducesSeparators) {
  auto* menu = new TPopupMenu(form);
  const char* captions[] = {"-", "&Hidden", "-", "&One", "-", "-", "&Two", "-"};
  TMenuItem* items[8];
  for (int i = 0; i < 8; ++i) {
    items[i] = new TMenuItem(form);
    items[i]->SetCaption(captions[i]);
    menu->Items().Add(items[i]);
  }
  items[1]->SetVisible(false);
  HMENU handle = menu->Handle();
  ASSERT_EQ(3, GetMenuItemCount(handle));
  EXPECT_EQ("&One", MenuText(handle, 0));
  EXPECT_EQ("-", MenuText(handle, 1));
  EXPECT_EQ("&Two", MenuText(handle, 2));

  items[1]->SetVisible(true);
  EXPECT_EQ(5, GetMenuItemCount(handle));
  TComponent::Free(items[6]);
  EXPECT_EQ(3, GetMenuItemCount(handle));
  EXPECT_EQ("&Hidden", MenuText(handle, 0));
}

TEST_F(UiTest, MenuCommandRunsTheItemsClick) {
  auto* menu = new TMainMenu(form);
  auto* file = new TMenuItem(form);
  file->SetCaption("&File");
  auto* exit = new TMenuItem(form);
  exit->SetCaption("E&xit");
  int clicks = 0;
  exit->OnClick = [&](TObject* sender) { clicks += sender == exit; };
  menu->Items().Add(file);
  file->Add(exit);
  form->SetMenu(menu);
  HMENU sub = GetSubMenu(GetMenu(Window()), 0);
  ASSERT_NE(nullptr, sub);
  SendMessageA(Window(), WM_COMMAND, GetMenuItemID(sub, 0), 0);
  EXPECT_EQ(1, clicks);
}

}  // namespace
