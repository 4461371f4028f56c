#include "registry/voRegPathManager.h"

#include <gtest/gtest.h>

#include "rtl/Exceptions.h"

namespace {

struct Expect { const char* root; const char* sub; HKEY key; };

void ExpectFields(const TvoRegPathManager& pm, const char* full, const Expect& e, int line) {
  SCOPED_TRACE(testing::Message() << "row at line " << line);
  EXPECT_EQ(pm.FullPath, full);
  EXPECT_EQ(pm.RootName, e.root);
  EXPECT_EQ(pm.SubPath, e.sub);
  EXPECT_EQ(pm.RootKey, e.key);
}

TEST(PathManager, SetPathSequences) {
  struct Step { const char* path; Expect after; int line; };
  std::vector<std::vector<Step>> sequences = {
      {{"HKEY_CURRENT_USER", {"HKEY_CURRENT_USER", "", HKEY_CURRENT_USER}, __LINE__},
       {"HKEY_CURRENT_USER\\Software", {"HKEY_CURRENT_USER", "Software", HKEY_CURRENT_USER}, __LINE__},
       {"HKEY_CURRENT_USER\\Software", {"HKEY_CURRENT_USER", "Software", HKEY_CURRENT_USER}, __LINE__},
       {"HKEY_LOCAL_MACHINE\\A\\B\\", {"HKEY_LOCAL_MACHINE", "A\\B\\", HKEY_LOCAL_MACHINE}, __LINE__}},
      {{"HKEY_USERS\\", {"HKEY_USERS", "", HKEY_USERS}, __LINE__}},
      // A leading backslash has an empty root part: a fresh manager has nothing to look up.
      {{"\\Software", {"", "Software", nullptr}, __LINE__}},
  };
  for (const auto& sequence : sequences) {
    TvoRegPathManager pm;
    for (const Step& step : sequence) {
      pm.SetPath(step.path);
      ExpectFields(pm, step.path, step.after, step.line);
    }
  }
}

TEST(PathManager, UnknownRootRaisesWithTheNewTextsAndTheOldHandle) {
  TvoRegPathManager pm;
  pm.SetPath("HKEY_CLASSES_ROOT\\x");
  struct Row { const char* path; const char* message; const char* root; const char* sub; } rows[] = {
      {"\\Software", " - Invalid HKEY description", "", "Software"},
      {"hkey_users\\a", "hkey_users - Invalid HKEY description", "hkey_users", "a"},
  };
  for (const Row& row : rows) {
    try {
      pm.SetPath(row.path);
      ADD_FAILURE() << row.path;
    } catch (const Exception& e) {
      EXPECT_STREQ(e.what(), row.message);
    }
    ExpectFields(pm, row.path, {row.root, row.sub, HKEY_CLASSES_ROOT}, __LINE__);
  }
}

}  // namespace
