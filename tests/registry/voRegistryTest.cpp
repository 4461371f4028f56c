#include "registry/voRegistry.h"

#include "registry/Reg32vs64.h"
#include "tests/registry/RegistryFixture.h"

namespace {

TEST(RootKeyFromName, EachRowAndItsErrors) {
  const char* names[] = {"HKEY_CLASSES_ROOT", "HKEY_CURRENT_USER", "HKEY_LOCAL_MACHINE", "HKEY_USERS",
                         "HKEY_CURRENT_CONFIG"};
  HKEY keys[] = {HKEY_CLASSES_ROOT, HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE, HKEY_USERS, HKEY_CURRENT_CONFIG};
  for (int i = 0; i < RootKeyTotal; ++i) {
    EXPECT_STREQ(RootKeys[i].Name, names[i]);
    EXPECT_EQ(RootKeyFromName(names[i]), keys[i]);
  }
  struct Row { const char* name; const char* message; } errors[] = {
      {"hkey_current_user", "hkey_current_user - Invalid HKEY description"},
      {"Computer", "Computer - Invalid HKEY description"},
      {"", " - Invalid HKEY description"},
      {"HKEY_PERFORMANCE_DATA", "HKEY_PERFORMANCE_DATA - Invalid HKEY description"},
      {"HKEY_USERS ", "HKEY_USERS  - Invalid HKEY description"},
  };
  for (const Row& row : errors) {
    try {
      RootKeyFromName(row.name);
      ADD_FAILURE() << row.name;
    } catch (const Exception& e) {
      EXPECT_STREQ(e.what(), row.message);
    }
  }
}

using SubKeyCountTest = ScratchKeyTest;

TEST_F(SubKeyCountTest, CountsThroughTheViewMask) {
  for (const char* sub : {"a", "b", "c"}) MakeKey(sub);
  MakeKey("a\\deep");
  for (bool view : {false, true}) {
    Use64BitView = view;
    OpenMaskLog::Install();
    EXPECT_EQ(SubKeyCount(HKEY_CURRENT_USER, Path()), 3u);
    EXPECT_EQ(OpenMaskLog::Masks(), (std::vector<REGSAM>{view ? 0x101u : 0x1u}));
  }
  EXPECT_EQ(SubKeyCount(HKEY_CURRENT_USER, Path("b")), 0u);
  EXPECT_EQ(SubKeyCount(HKEY_CURRENT_USER, Path("missing")), 0u);
  HKEY software;
  ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "", 0, KEY_READ, &software), ERROR_SUCCESS);
  DWORD rootSubKeys = 0;
  RegQueryInfoKeyA(software, nullptr, nullptr, nullptr, &rootSubKeys, nullptr, nullptr, nullptr, nullptr, nullptr,
                   nullptr, nullptr);
  RegCloseKey(software);
  EXPECT_GT(rootSubKeys, 0u);
  EXPECT_EQ(SubKeyCount(HKEY_CURRENT_USER, ""), rootSubKeys) << "an empty sub path counts the root's own";
}

}  // namespace
