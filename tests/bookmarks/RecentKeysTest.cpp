// The bookmark store against the real registry and real menu items.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "bookmarks/voAlterMenu.h"
#include "bookmarks/voRecentKeys.h"
#include "registry/Reg32vs64.h"
#include "tests/bookmarks/RegistryFixture.h"

namespace {

class RecentKeysTest : public ScratchKeyTest {
protected:
  RecentKeysTest() {
    Bar = new TMainMenu(&Owner);
    Parent = new TMenuItem(&Owner);
    Parent->SetCaption("&Bookmarks");
    Bar->Items().Add(Parent);
  }

  std::unique_ptr<TvoRecentKeys> Open(TvoAlterMenu* painter = nullptr) {
    return std::make_unique<TvoRecentKeys>(Parent, Suffix, painter);
  }

  void Store(const std::vector<std::string>& values) {
    for (size_t n = 0; n < values.size(); ++n) Write("Key" + std::to_string(n), REG_SZ, values[n]);
  }

  std::vector<std::string> Captions() const {
    std::vector<std::string> captions;
    for (int i = 0; i < Parent->Count(); ++i) captions.push_back(Parent->Items(i)->Caption());
    return captions;
  }

  // Key0..Key7 as stored; missing values as "<none>". The store passes the path's length
  // without a NUL, yet the ANSI writer stores the NUL that follows the path in memory.
  static std::vector<std::string> Stored() {
    std::vector<std::string> values;
    for (int n = 0; n < 8; ++n) {
      std::string value = Read("Key" + std::to_string(n)).value_or("<none>");
      if (!value.empty() && value.back() == '\0') value.pop_back();
      values.push_back(value);
    }
    return values;
  }

  static std::vector<std::string> Padded(std::vector<std::string> values) {
    values.resize(8, "<none>");
    return values;
  }

  TComponent Owner{nullptr};
  TMainMenu* Bar;
  TMenuItem* Parent;
};

using Strings = std::vector<std::string>;

TEST_F(RecentKeysTest, NinthBookmarkPushesTheOldestOut) {
  Store({"P0", "P1", "P2", "P3", "P4", "P5", "P6", "P7"});
  auto store = Open();
  store->Change("New", false);
  EXPECT_EQ(Stored(), (Strings{"New", "P0", "P1", "P2", "P3", "P4", "P5", "P6"}));
  ASSERT_EQ(Parent->Count(), 8);
  EXPECT_EQ(Captions().front(), "&0 New");
  EXPECT_EQ(Captions().back(), "&7 P6");
  EXPECT_FALSE(store->Contains("P7"));
}

TEST_F(RecentKeysTest, ChangesTable) {
  struct Case {
    const char* name;
    Strings before;
    const char* path;
    bool remove;
    Strings after;
  } cases[] = {
      {"duplicate in another case moves to the front as passed", {"A\\x", "HKEY_CURRENT_USER\\Soft"},
       "hkey_current_user\\SOFT", false, {"hkey_current_user\\SOFT", "A\\x"}},
      {"removing an absent path still saves", {"a", "b"}, "zzz", true, {"a", "b"}},
      {"two equal values: only the first goes", {"X\\a", "Y", "x\\A"}, "X\\A", true, {"Y", "x\\A"}},
      {"remove the only one", {"only"}, "ONLY", true, {}},
      {"add to an empty list", {}, "first", false, {"first"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Remove();
    Store(c.before);
    auto store = Open();
    store->Change(c.path, c.remove);
    EXPECT_EQ(Stored(), Padded(c.after));
    EXPECT_EQ(store->Keys().Items(), c.after);
    EXPECT_EQ(static_cast<size_t>(Parent->Count()), c.after.size());
    EXPECT_EQ(Parent->Visible(), !c.after.empty());
  }
}

TEST_F(RecentKeysTest, GapsCloseUpOnTheNextSave) {
  Write("Key0", REG_SZ, "zero");
  Write("Key3", REG_SZ, "three");
  auto store = Open();
  EXPECT_EQ(Captions(), (Strings{"&0 zero", "&1 three"}));
  EXPECT_EQ(Stored()[3], "three") << "loading writes nothing";
  store.reset();
  EXPECT_EQ(Stored(), Padded({"zero", "three"})) << "the destructor saves";
}

TEST_F(RecentKeysTest, ValueDataIsReadUpToItsFirstNulWithinAKilobyte) {
  // The ANSI reader needs room for a NUL of its own: 1023 characters are the most that fit.
  std::string longest(1023, 'k'), over(1024, 'o');
  Write("Key0", REG_SZ, "no nul");
  Write("Key1", REG_SZ, std::string("de\0fg", 5));
  Write("Key2", REG_BINARY, "binary");
  Write("Key3", REG_SZ, longest);
  Write("Key4", REG_SZ, over);
  Write("Key5", REG_SZ, std::string("\0x", 2));
  auto store = Open();
  EXPECT_EQ(store->Keys().Items(), (Strings{"no nul", "de", "binary", longest, ""}));

  // Empty entries are not stored again; the rest are REG_SZ without a NUL.
  store->Save();
  DWORD type = 0;
  Read("Key0", &type);
  EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(Stored(), Padded({"no nul", "de", "binary", longest}));
}

TEST_F(RecentKeysTest, ParentIsHiddenWhileEmpty) {
  auto store = Open();
  EXPECT_FALSE(KeyExists());
  EXPECT_FALSE(Parent->Visible());
  EXPECT_EQ(GetMenuItemCount(Bar->Handle()), 0);
  store->Change("HKEY_CURRENT_USER\\Software", false);
  EXPECT_TRUE(Parent->Visible());
  EXPECT_EQ(GetMenuItemCount(Bar->Handle()), 1);
  EXPECT_EQ(GetMenuItemCount(Parent->Handle()), 1);
  store->Change("HKEY_CURRENT_USER\\Software", true);
  EXPECT_FALSE(Parent->Visible());
  EXPECT_EQ(GetMenuItemCount(Bar->Handle()), 0);
}

TEST_F(RecentKeysTest, ClickHandsTheWholePathAndMayRebuildItsOwnMenu) {
  Store({"HKEY_CURRENT_USER\\Software", "HKEY_LOCAL_MACHINE\\SOFTWARE\\My Key"});
  auto store = Open();
  Strings opened;
  store->OnOpen = [&](const std::string& path) {
    opened.push_back(path);
    store->Change(path, false);
  };
  Parent->Items(1)->Click();
  EXPECT_EQ(opened, (Strings{"HKEY_LOCAL_MACHINE\\SOFTWARE\\My Key"}));
  EXPECT_EQ(Captions(), (Strings{"&0 HKEY_LOCAL_MACHINE\\SOFTWARE\\My Key", "&1 HKEY_CURRENT_USER\\Software"}));
  EXPECT_EQ(Stored(), Padded({"HKEY_LOCAL_MACHINE\\SOFTWARE\\My Key", "HKEY_CURRENT_USER\\Software"}));

  // Through the window's menu command, as a real choice arrives.
  EXPECT_TRUE(TMenuItem::DispatchCommand(Parent->Items(1)->Command()));
  EXPECT_EQ(opened.back(), "HKEY_CURRENT_USER\\Software");
  EXPECT_EQ(Captions().front(), "&0 HKEY_CURRENT_USER\\Software");
}

TEST_F(RecentKeysTest, UnassignedOpenDoesNothingAndCaptionWithoutBlankIsWhole) {
  Store({"a"});
  auto store = Open();
  Parent->Items(0)->Click();
  EXPECT_EQ(Captions(), (Strings{"&0 a"}));
  auto* odd = new TMenuItem(&Owner);
  odd->SetCaption("NoBlank");
  std::string opened;
  store->OnOpen = [&](const std::string& path) { opened = path; };
  store->ItemClick(odd);
  EXPECT_EQ(opened, "NoBlank");
}

TEST_F(RecentKeysTest, NewItemsArePaintedByThePainter) {
  Store({"a", "b"});
  TvoAlterMenu painter(&Owner);
  auto store = Open(&painter);
  ASSERT_EQ(Parent->Count(), 2);
  for (int i = 0; i < 2; ++i) EXPECT_TRUE(Parent->Items(i)->OnAdvancedDrawItem);
}

}  // namespace
