// The key tree of a real browser window over scratch keys: lazy reading, order, marks, the path
// line, navigation by path, the right-click rule and Refresh.
#include <gtest/gtest.h>

#include "tests/browser/BrowserFixture.h"
#include "ui/Screen.h"

namespace {

using KeyTreeTest = BrowserTest;

TEST_F(KeyTreeTest, ChildrenAreReadOnceSortedAndMarkedByTheirOwnSubkeys) {
  for (const char* sub : {"b", "A", "c\\inner"}) MakeKey(sub);
  TTreeNode* parent = Node(KeyPath());
  ASSERT_NE(nullptr, parent);
  parent->Expand(false);
  EXPECT_EQ(crDefault, Screen.Cursor());
  ASSERT_EQ((std::vector<std::string>{"A", "b", "c"}), ChildTexts(parent));
  TTreeNode* leaf = parent->GetFirstChild();
  TTreeNode* withChildren = leaf->GetNextSibling()->GetNextSibling();
  EXPECT_EQ(std::make_pair(1, 2), Images(leaf));
  EXPECT_FALSE(leaf->HasChildren());
  EXPECT_EQ(std::make_pair(3, 4), Images(withChildren));
  EXPECT_TRUE(withChildren->HasChildren());
  EXPECT_EQ(nullptr, withChildren->GetFirstChild()) << "read before its first expansion";

  MakeKey("d");
  parent->Collapse();
  parent->Expand(false);
  EXPECT_EQ((std::vector<std::string>{"A", "b", "c"}), ChildTexts(parent)) << "read a second time";
}

TEST_F(KeyTreeTest, SelectionWritesThePathLineAndExpansionOnlyThePathManager) {
  MakeKey("first");
  MakeKey("last");
  TTreeNode* software = Node("HKEY_CURRENT_USER\\Software");
  form_->tvRegistry->SetSelected(software);
  EXPECT_EQ("HKEY_CURRENT_USER\\Software", PathLine());
  EXPECT_EQ("HKEY_CURRENT_USER\\Software", form_->CurrentPath().FullPath);

  Node(KeyPath())->Expand(false);
  EXPECT_EQ(KeyPath("last"), form_->CurrentPath().FullPath);
  EXPECT_EQ("HKEY_CURRENT_USER\\Software", PathLine());

  TTreeNode* empty = Node(KeyPath("first"));
  form_->tvRegistry->SetSelected(empty);
  EXPECT_FALSE(form_->lvRegistry->Count() == 0);
  empty->Expand(false);
  EXPECT_EQ(KeyPath("first"), form_->CurrentPath().FullPath) << "a key without subkeys keeps its own path";

  form_->tvRegistry->SetSelected(form_->tvRegistry->FirstNode());
  EXPECT_EQ(0, form_->lvRegistry->Count());
  EXPECT_EQ(KeyPath("first"), PathLine());
}

struct GoToCase {
  const char* Label;
  std::string Path;  // below the scratch key unless it starts with '!'
  bool Result;
  const char* Selected;  // below the scratch key; null: the starting node stays selected
};

std::string AsciiLower(std::string text) {
  for (char& c : text)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return text;
}

TEST_F(KeyTreeTest, GoToPathOutcomes) {
  MakeKey("Start");
  MakeKey("Sub\\Deep");
  MakeKey("\xe9");  // é in the ANSI code page
  const std::vector<GoToCase> cases{
      {"whole path, other letter case", "SUB\\deep", true, "Sub\\Deep"},
      {"last component missing", "Sub\\Missing", false, "Sub"},
      {"ends with a backslash", "Sub\\", false, "Sub"},
      {"two backslashes in a row", "Sub\\\\Deep", false, "Sub"},
      {"É does not find é", "\xc9", false, ""},
      {"no root name", "!NoSuchRoot\\Software", false, nullptr},
      {"empty", "!", false, nullptr},
  };
  for (const GoToCase& c : cases) {
    ASSERT_TRUE(form_->GoToPath(KeyPath("Start"))) << c.Label;
    std::string path = c.Path[0] == '!' ? c.Path.substr(1) : AsciiLower(KeyPath()) + "\\" + c.Path;
    EXPECT_EQ(c.Result, form_->GoToPath(path)) << c.Label;
    std::string expected = c.Selected ? KeyPath(c.Selected) : KeyPath("Start");
    TTreeNode* selected = form_->tvRegistry->Selected();
    ASSERT_NE(nullptr, selected) << c.Label;
    EXPECT_EQ(expected, form_->NodePath(selected)) << c.Label;
    EXPECT_EQ(expected, PathLine()) << c.Label;
    EXPECT_EQ(expected, form_->CurrentPath().FullPath) << c.Label;
  }
}

TEST_F(KeyTreeTest, RightClickMovesTheSelectionOnlyWhileAValueRowIsSelected) {
  MakeKey("one");
  MakeKey("two");
  TTreeNode* one = Node(KeyPath("one"));
  TTreeNode* two = Node(KeyPath("two"));
  form_->tvRegistry->SetSelected(one);
  RECT rect{};
  *reinterpret_cast<HTREEITEM*>(&rect) = two->Handle();
  ASSERT_TRUE(SendMessageA(form_->tvRegistry->Handle(), TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(&rect)));
  auto rightClick = [&](int x, int y) { form_->tvRegistry->OnMouseDown(form_->tvRegistry, mbRight, MK_RBUTTON, x, y); };

  rightClick(rect.left + 2, rect.top + 2);
  EXPECT_EQ(one, form_->tvRegistry->Selected()) << "no value row was selected";

  form_->lvRegistry->SetSelectedIndex(0);
  form_->tvRegistry->OnMouseDown(form_->tvRegistry, mbLeft, MK_LBUTTON, rect.left + 2, rect.top + 2);
  EXPECT_EQ(one, form_->tvRegistry->Selected()) << "a left button";
  rightClick(rect.left + 2, rect.top + 2);
  EXPECT_EQ(two, form_->tvRegistry->Selected());
  EXPECT_EQ(KeyPath("two"), PathLine());
  EXPECT_LT(0, form_->lvRegistry->Count());
  EXPECT_EQ(-1, form_->lvRegistry->SelectedIndex()) << "the refilled list keeps no selected row";

  form_->lvRegistry->SetSelectedIndex(0);
  RECT client{};
  GetClientRect(form_->tvRegistry->Handle(), &client);
  rightClick(client.right - 2, client.bottom - 2);
  EXPECT_EQ(nullptr, form_->tvRegistry->Selected()) << "nothing lies under the pointer";
}

TEST_F(KeyTreeTest, RefreshWithARootSelectedEmptiesEveryRootAndSelectsNothingAnew) {
  TTreeNode* root = Node("HKEY_CURRENT_USER");
  Node(KeyPath());
  Node("HKEY_LOCAL_MACHINE\\Software");
  form_->tvRegistry->SetSelected(root);
  form_->mnuRefresh->Click();
  EXPECT_EQ(root, form_->tvRegistry->Selected());
  for (TTreeNode* node = form_->tvRegistry->FirstNode()->GetFirstChild(); node; node = node->GetNextSibling()) {
    EXPECT_EQ(nullptr, node->GetFirstChild()) << node->Text();
    EXPECT_FALSE(node->Expanded()) << node->Text();
  }
  EXPECT_TRUE(root->HasChildren());
}

TEST_F(KeyTreeTest, RefreshReopensTheCurrentKeyWithWhatTheRegistryHoldsNow) {
  MakeKey("old");
  ASSERT_TRUE(form_->GoToPath(KeyPath()));
  Node(KeyPath())->Expand(false);
  MakeKey("new");
  form_->btnRefresh->OnClick(form_->btnRefresh);
  TTreeNode* selected = form_->tvRegistry->Selected();
  ASSERT_NE(nullptr, selected);
  EXPECT_EQ(KeyPath(), form_->NodePath(selected));
  EXPECT_EQ(KeyPath(), PathLine());
  selected->Expand(false);
  EXPECT_EQ((std::vector<std::string>{"new", "old"}), ChildTexts(selected));
  EXPECT_EQ(nullptr, Node("HKEY_LOCAL_MACHINE")->GetFirstChild()) << "other roots are emptied";
}

}  // namespace
