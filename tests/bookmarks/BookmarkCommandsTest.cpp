// The browser window's bookmark commands, store and check marks through the real window, the
// real registry and the real menus.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "bookmarks/voRecentKeys.h"
#include "browser/voRegistryBrowser.h"
#include "registry/Reg32vs64.h"
#include "rtl/Exceptions.h"

namespace {

const char* const StoreKey = "Software\\Dunmora\\Registry Browser";
const char* const Scratch = "Software\\BookmarkCommandsTest";
const std::string ScratchPath = std::string("HKEY_CURRENT_USER\\") + Scratch;

// A flag value's number, or -1 when it is missing or no REG_DWORD.
long StoredFlag(const std::string& name) {
  DWORD data = 0, size = sizeof data;
  if (RegGetValueA(HKEY_CURRENT_USER, StoreKey, name.c_str(), RRF_RT_REG_DWORD, nullptr, &data, &size) != ERROR_SUCCESS)
    return -1;
  return static_cast<long>(data);
}

std::string StoredValue(const std::string& name) {
  char data[1100] = {};
  DWORD size = sizeof data;
  if (RegGetValueA(HKEY_CURRENT_USER, StoreKey, name.c_str(), RRF_RT_ANY, nullptr, data, &size) != ERROR_SUCCESS)
    return "<none>";
  return data;
}

void Store(const std::vector<std::string>& paths) {
  for (size_t n = 0; n < paths.size(); ++n)
    RegSetKeyValueA(HKEY_CURRENT_USER, StoreKey, ("Key" + std::to_string(n)).c_str(), REG_SZ, paths[n].c_str(),
                    static_cast<DWORD>(paths[n].size()));
}

class BookmarkCommandsTest : public ::testing::Test {
protected:
  void SetUp() override {
    Clean();
    HKEY key;
    RegCreateKeyExA(HKEY_CURRENT_USER, (std::string(Scratch) + "\\Child\\Leaf").c_str(), 0, nullptr, 0,
                    KEY_ALL_ACCESS, nullptr, &key, nullptr);
    RegCloseKey(key);
  }
  void TearDown() override {
    if (Form) TComponent::Free(Form);
    Clean();
  }
  static void Clean() {
    RegDeleteTreeA(HKEY_CURRENT_USER, StoreKey);
    RegDeleteTreeA(HKEY_CURRENT_USER, Scratch);
  }

  TfrmTavisk* Open() {
    Form = new TfrmTavisk(nullptr);
    Form->Show();
    return Form;
  }

  std::vector<std::string> Captions() const {
    std::vector<std::string> captions;
    for (int i = 0; i < Form->mnuBookmarks->Count(); ++i) captions.push_back(Form->mnuBookmarks->Items(i)->Caption());
    return captions;
  }

  // Both controls show the same look: the tag, and the hint or caption that goes with it.
  void ExpectLook(int tag, bool enabled) const {
    EXPECT_EQ(Form->btnBookmark->Tag, tag);
    EXPECT_EQ(Form->mnuPopBookmark->Tag, tag);
    EXPECT_EQ(Form->btnBookmark->Enabled(), enabled);
    EXPECT_EQ(Form->mnuPopBookmark->Enabled(), enabled);
    EXPECT_EQ(Form->btnBookmark->Hint, tag == 10 ? "Add bookmark" : "Remove bookmark");
    EXPECT_EQ(Form->mnuPopBookmark->ImageIndex(), tag);
  }

  std::string SelectedText() const {
    TTreeNode* node = Form->tvRegistry->Selected();
    return node ? node->Text() : "<none>";
  }

  TfrmTavisk* Form = nullptr;
};

TEST_F(BookmarkCommandsTest, AddAndRemoveFromButtonAndPopupItem) {
  Open();
  ASSERT_TRUE(Form->GoToPath(ScratchPath + "\\Child"));
  ExpectLook(10, true);
  EXPECT_EQ(Form->mnuPopBookmark->Caption(), "Bookmark") << "the starting caption stays until a switch";

  Form->mnuBookmarkClick(Form->btnBookmark);
  ExpectLook(11, true);
  EXPECT_EQ(Form->mnuPopBookmark->Caption(), "&Remove bookmark");
  EXPECT_EQ(StoredValue("Key0"), ScratchPath + "\\Child");
  EXPECT_EQ(Captions(), (std::vector<std::string>{"&0 " + ScratchPath + "\\Child"}));
  EXPECT_TRUE(Form->mnuBookmarks->Visible());

  Form->mnuPopBookmark->Click();
  ExpectLook(10, true);
  EXPECT_EQ(Form->mnuPopBookmark->Caption(), "&Add bookmark");
  EXPECT_EQ(StoredValue("Key0"), "<none>");
  EXPECT_FALSE(Form->mnuBookmarks->Visible());
}

TEST_F(BookmarkCommandsTest, KeyBookmarkedInAnotherCaseShowsTheRemoveLook) {
  std::string upper = ScratchPath + "\\CHILD";
  for (char& c : upper) c = static_cast<char>(toupper(static_cast<unsigned char>(c)));
  Store({upper, "HKEY_CURRENT_USER\\Other"});
  Open();
  ASSERT_TRUE(Form->GoToPath(ScratchPath + "\\Child"));
  ExpectLook(11, true);
  Form->mnuBookmarkClick(Form->btnBookmark);
  EXPECT_EQ(StoredValue("Key0"), "HKEY_CURRENT_USER\\Other");
  ExpectLook(10, true);
}

TEST_F(BookmarkCommandsTest, OneRemovalOfATwiceStoredKeyLeavesTheOtherCopy) {
  std::string path = ScratchPath + "\\Child";
  Store({path, "HKEY_CURRENT_USER\\Other", path});
  Open();
  ASSERT_TRUE(Form->GoToPath(path));
  Form->mnuPopBookmark->Click();
  EXPECT_EQ(StoredValue("Key0"), "HKEY_CURRENT_USER\\Other");
  EXPECT_EQ(StoredValue("Key1"), path);
  ExpectLook(11, true);
}

TEST_F(BookmarkCommandsTest, ComputerAndRootNodesDisableBothControls) {
  Open();
  ASSERT_TRUE(Form->GoToPath(ScratchPath));
  Form->mnuBookmarkClick(Form->btnBookmark);
  ExpectLook(11, true);
  for (const char* path : {"HKEY_CURRENT_USER", "HKEY_CLASSES_ROOT"}) {
    SCOPED_TRACE(path);
    Form->GoToPath(path);
    ExpectLook(11, false);
  }
  Form->tvRegistry->SetSelected(Form->tvRegistry->FirstNode());
  EXPECT_EQ(SelectedText(), "Computer");
  ExpectLook(11, false);
}

TEST_F(BookmarkCommandsTest, NoSelectionDisablesBothControlsAndKeepsTheLook) {
  Open();
  ASSERT_TRUE(Form->GoToPath(ScratchPath));
  Form->tvRegistry->SetSelected(nullptr);
  Form->UpdateBookmarkButton(Form->mnuPopBookmark->Tag);
  ExpectLook(10, false);
}

TEST_F(BookmarkCommandsTest, OpeningABookmarkMovesItToTheFront) {
  Store({"HKEY_CURRENT_USER\\Software", ScratchPath + "\\Child\\Leaf"});
  Open();
  ASSERT_EQ(Form->mnuBookmarks->Count(), 2);
  // As a real choice arrives: the menu command of the item.
  EXPECT_TRUE(TMenuItem::DispatchCommand(Form->mnuBookmarks->Items(1)->Command()));
  EXPECT_EQ(SelectedText(), "Leaf");
  EXPECT_EQ(Captions(), (std::vector<std::string>{"&0 " + ScratchPath + "\\Child\\Leaf", "&1 HKEY_CURRENT_USER\\Software"}));
  EXPECT_EQ(StoredValue("Key0"), ScratchPath + "\\Child\\Leaf");
  ExpectLook(11, true);
}

TEST_F(BookmarkCommandsTest, OpeningABookmarkOfADeletedKeyDropsIt) {
  Store({ScratchPath + "\\Child\\Gone\\Deeper", "HKEY_CURRENT_USER\\Software"});
  Open();
  EXPECT_TRUE(TMenuItem::DispatchCommand(Form->mnuBookmarks->Items(0)->Command()));
  EXPECT_EQ(SelectedText(), "Child") << "the deepest node found";
  EXPECT_EQ(Captions(), (std::vector<std::string>{"&0 HKEY_CURRENT_USER\\Software"}));
  EXPECT_EQ(StoredValue("Key0"), "HKEY_CURRENT_USER\\Software");
  EXPECT_EQ(StoredValue("Key1"), "<none>");
}

TEST_F(BookmarkCommandsTest, ClosingSavesTheCheckMarksAndDestroyingSavesTheBookmarks) {
  Store({"HKEY_CURRENT_USER\\Software"});
  Open();
  EXPECT_TRUE(Form->mnuBookmarks->Items(0)->OnAdvancedDrawItem) << "bookmark items are painted";
  EXPECT_TRUE(Form->MainMenu->OwnerDraw());
  Form->Close();
  EXPECT_FALSE(IsWindowVisible(Form->Handle()));
  EXPECT_EQ(StoredFlag("0 HKEY_CURRENT_USER\\Software"), 0);
  RegDeleteTreeA(HKEY_CURRENT_USER, StoreKey);
  TComponent::Free(Form);
  Form = nullptr;
  EXPECT_EQ(StoredValue("Key0"), "HKEY_CURRENT_USER\\Software");
}

TEST_F(BookmarkCommandsTest, ShowingRestoresAndAFlagOfAnotherTypeReportsItsMessage) {
  Store({"HKEY_CURRENT_USER\\Software"});
  RegSetKeyValueA(HKEY_CURRENT_USER, StoreKey, "0 HKEY_CURRENT_USER\\Software", REG_SZ, "x", 1);
  Form = new TfrmTavisk(nullptr);
  EXPECT_THROW(Form->FormShow(Form), ERegistryException);
}

}  // namespace
