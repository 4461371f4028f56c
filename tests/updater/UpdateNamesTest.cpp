#include "updater/UpdateNames.h"

#include <gtest/gtest.h>

namespace {

TEST(UpdateNames, FileNameFromUrl) {
  struct Case {
    const char* url;
    const char* name;
  } cases[] = {
      {"http://h/dir/setup.exe", "setup.exe"},
      {"http://h/dir/", "http://h/dir/"},
      {" http://h/ ", " http://h/ "},
      {"http://h/get.cgi?name=a.exe", "get.cgi?name=a.exe"},
      {"http://h/get?f=dir/a.exe", "a.exe"},
      {"http://h/dir/ setup.exe ", "setup.exe"},
      {"http://h/a / \tb.exe\r", "b.exe"},
      {"setup.exe", "setup.exe"},
      {"  setup.exe\t", "setup.exe"},
      {"http://h/a\\b:c.exe", "a\\b:c.exe"},
      {"", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(FileNameFromUrl(c.url), c.name) << c.url;
}

TEST(UpdateNames, ValueOfLineCutsAtTheFirstEquals) {
  EXPECT_EQ(ValueOfLine("1=http://h/get?a=b&c=d"), "http://h/get?a=b&c=d");
  EXPECT_EQ(ValueOfLine("k="), "");
  EXPECT_EQ(ValueOfLine("no equals"), "no equals");
}

TEST(UpdateNames, BackupNameReplacesTheExtension) {
  struct Case {
    const char* name;
    const char* backup;
  } cases[] = {
      {"setup.exe", "setup.BAK"}, {"readme", "readme.BAK"},      {"tool.x86.dll", "tool.x86.BAK"},
      {"lib\\x.dll", "lib\\x.BAK"}, {"dir.d\\file", "dir.d\\file.BAK"}, {"old.bak", "old.BAK"},
  };
  for (const Case& c : cases) EXPECT_EQ(BackupName(c.name), c.backup) << c.name;
}

TEST(UpdateNames, SafeBackupNameNeverNamesTheFileItself) {
  EXPECT_EQ(SafeBackupName("setup.exe"), "setup.BAK");
  EXPECT_EQ(SafeBackupName("old.bak"), "old.bak.BAK");
  EXPECT_EQ(SafeBackupName("OLD.BAK"), "OLD.BAK.BAK");
  EXPECT_EQ(SafeBackupName("old.bakx"), "old.BAK");
}

TEST(UpdateNames, NamesThatLeaveTheFolderAreRefused) {
  for (const char* inside : {"a.exe", "sub\\a.exe", "sub/deeper/a.exe", "..a.exe", "a..b"})
    EXPECT_TRUE(IsNameInsideFolder(inside)) << inside;
  for (const char* outside : {"", "..\\a.exe", "sub\\..\\..\\a.exe", "../a", "\\a.exe", "/a", "C:a.exe",
                              "c:\\w\\a.exe", "a.exe:stream", "sub\\...\\a", ". .\\a", "sub\\", "a\\\\b",
                              "http://h/dir/"})
    EXPECT_FALSE(IsNameInsideFolder(outside)) << outside;
}

}  // namespace
