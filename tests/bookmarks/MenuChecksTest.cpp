// Saving and restoring menu check marks against the real registry and real menu items.
#include <gtest/gtest.h>

#include <cstdint>
#include <map>

#include "bookmarks/MenuChecks.h"
#include "bookmarks/voRecentKeys.h"
#include "registry/Reg32vs64.h"
#include "rtl/Exceptions.h"
#include "tests/bookmarks/RegistryFixture.h"

namespace {

std::string Dword(uint32_t value) { return std::string(reinterpret_cast<const char*>(&value), 4); }

class MenuChecksTest : public ScratchKeyTest {
protected:
  MenuChecksTest() {
    Root = Add(nullptr, "&Bookmarks");
    One = Add(Root, "&One");
    Add(Root, "-");
    Sub = Add(Root, "&Sub");
    Two = Add(Sub, "&Two");
    Three = Add(Sub, "Th&ree");
  }

  TMenuItem* Add(TMenuItem* parent, const char* caption) {
    auto* item = new TMenuItem(&Owner);
    item->SetCaption(caption);
    item->AutoCheck = true;
    item->OnClick = [this](TObject* sender) { ++Clicks[static_cast<TMenuItem*>(sender)]; };
    if (parent) parent->Add(item);
    return item;
  }

  TComponent Owner{nullptr};
  TMenuItem *Root, *One, *Sub, *Two, *Three;
  std::map<TMenuItem*, int> Clicks;
};

TEST_F(MenuChecksTest, SavesLeavesOnlyAsDwordFlags) {
  One->SetChecked(true);
  Three->SetChecked(true);
  StoreMenuChecks(Root, Path(), true);
  DWORD type = 0;
  EXPECT_EQ(Read("One", &type), Dword(1));
  EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD));
  EXPECT_EQ(Read("Two"), Dword(0));
  EXPECT_EQ(Read("Three"), Dword(1));
  EXPECT_EQ(Read("Sub"), std::nullopt);
  EXPECT_EQ(Read("-"), std::nullopt);
}

TEST_F(MenuChecksTest, CaptionsEqualButForTheHotKeyShareOneValue) {
  TMenuItem* same = Add(Root, "On&e");
  One->SetChecked(true);
  StoreMenuChecks(Root, Path(), true);
  EXPECT_EQ(Read("One"), Dword(0)) << "the later item wins";
  same->SetChecked(true);
  One->SetChecked(false);
  StoreMenuChecks(Root, Path(), true);
  EXPECT_EQ(Read("One"), Dword(1));
}

TEST_F(MenuChecksTest, SavingWithoutChildrenCreatesTheKeyOnly) {
  TMenuItem* empty = Add(nullptr, "&Empty");
  StoreMenuChecks(empty, Path(), true);
  EXPECT_TRUE(KeyExists());
}

TEST_F(MenuChecksTest, RestoreClicksEachItemWhoseMarkDiffers) {
  Write("One", REG_DWORD, Dword(1));
  Write("Two", REG_DWORD, Dword(0));
  Three->SetChecked(true);
  Write("Three", REG_DWORD, Dword(0));
  StoreMenuChecks(Root, Path(), false);
  EXPECT_EQ(Clicks[One], 1);
  EXPECT_TRUE(One->Checked());
  EXPECT_EQ(Clicks[Two], 0);
  EXPECT_EQ(Clicks[Three], 1);
  EXPECT_FALSE(Three->Checked());

  // A disabled item's click does nothing; a missing value leaves its item alone.
  One->SetChecked(false);
  One->SetEnabled(false);
  RegDeleteTreeA(HKEY_CURRENT_USER, Path().c_str());
  Write("One", REG_DWORD, Dword(1));
  StoreMenuChecks(Root, Path(), false);
  EXPECT_EQ(Clicks[One], 1);
  EXPECT_FALSE(One->Checked());
  EXPECT_EQ(Clicks[Three], 1);
}

TEST_F(MenuChecksTest, RestoreWithoutTheKeyCreatesNothing) {
  One->SetChecked(true);
  StoreMenuChecks(Root, Path(), false);
  EXPECT_FALSE(KeyExists());
  EXPECT_TRUE(Clicks.empty());
}

TEST_F(MenuChecksTest, ValueThatIsNoFlagStopsTheRestore) {
  struct Case {
    DWORD type;
    std::string data;
    const char* message;
  } cases[] = {
      {REG_SZ, "x", "Invalid data type for 'Two'"},
      {REG_BINARY, "1234", "Invalid data type for 'Two'"},
      {REG_BINARY, "12345", "Failed to get data for 'Two'"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message);
    Remove();
    One->SetChecked(false);
    Clicks.clear();
    Write("One", REG_DWORD, Dword(1));
    Write("Two", c.type, c.data);
    Write("Three", REG_DWORD, Dword(1));
    try {
      StoreMenuChecks(Root, Path(), false);
      ADD_FAILURE() << "no exception";
    } catch (const ERegistryException& e) {
      EXPECT_EQ(e.Message(), c.message);
    }
    EXPECT_EQ(Clicks[One], 1) << "values before the failing one are restored";
    EXPECT_EQ(Clicks[Three], 0);
  }
}

TEST_F(MenuChecksTest, RestoreGoesOnOverBookmarksRebuiltByAClick) {
  TMainMenu bar(&Owner);
  auto* bookmarks = new TMenuItem(&Owner);
  bookmarks->SetCaption("&Bookmarks");
  bar.Items().Add(bookmarks);
  Write("Key0", REG_SZ, "first");
  Write("Key1", REG_SZ, "second");
  Write("Key2", REG_SZ, "third");
  TvoRecentKeys store(bookmarks, Suffix, nullptr);
  std::vector<std::string> opened;
  store.OnOpen = [&](const std::string& path) {
    opened.push_back(path);
    store.Change(path, false);
  };
  // "1 second" differs from its item's mark: its click moves it to the front, and the walk
  // goes on at position 2 of the rebuilt items.
  Write("1 second", REG_DWORD, Dword(1));
  Write("2 third", REG_DWORD, Dword(0));
  StoreMenuChecks(bookmarks, Path(), false);
  EXPECT_EQ(opened, (std::vector<std::string>{"second"}));
  EXPECT_EQ(store.Keys().Items(), (std::vector<std::string>{"second", "first", "third"}));
  ASSERT_EQ(bookmarks->Count(), 3);
  EXPECT_EQ(bookmarks->Items(0)->Caption(), "&0 second");

  StoreMenuChecks(bookmarks, Path(), true);
  EXPECT_EQ(Read("0 second"), Dword(0));
  EXPECT_EQ(Read("1 first"), Dword(0));
  EXPECT_EQ(Read("1 second"), Dword(1)) << "values under former captions stay";
}

}  // namespace
