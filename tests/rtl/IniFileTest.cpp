#include "rtl/IniFile.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

using Entries = std::vector<TIniFile::Entry>;

// Stands in for the string list the updater reads into.
struct Lines {
  std::vector<std::string> items{"stale"};
  void Clear() { items.clear(); }
  void Add(const std::string& text) { items.push_back(text); }
};

TEST(IniFile, SectionKeysInFileOrderIgnoringCase) {
  TIniFile ini = TIniFile::FromText(
      "[Version]\r\nVer=2.1\r\n[http]\r\n10=http://h/a.exe\r\n2=http://h/get?f=x=y\r\nB=\r\n");
  EXPECT_EQ(ini.ReadSection("HTTP"),
            (Entries{{"10", "http://h/a.exe"}, {"2", "http://h/get?f=x=y"}, {"B", ""}}));
  EXPECT_EQ(ini.ReadString("VERSION", "ver", ""), "2.1");
  Lines lines;
  ini.ReadSectionValues("Http", lines);
  EXPECT_EQ(lines.items, (std::vector<std::string>{"10=http://h/a.exe", "2=http://h/get?f=x=y", "B="}));
}

TEST(IniFile, MissingSectionOrKeyGivesDefaultAndEmptyList) {
  TIniFile ini = TIniFile::FromText("[Version]\nVer=1\n");
  EXPECT_TRUE(ini.ReadSection("HTTP").empty());
  EXPECT_EQ(ini.ReadString("Version", "Other", "dflt"), "dflt");
  EXPECT_EQ(ini.ReadString("HTTP", "Ver", ""), "");
  Lines lines;
  ini.ReadSectionValues("HTTP", lines);
  EXPECT_TRUE(lines.items.empty());
}

TEST(IniFile, FinerPointsOfTheFormat) {
  struct Case {
    const char* text;
    Entries expected;
  } cases[] = {
      {"[S]\n  key  =  value with blanks \t\n", {{"key", "value with blanks"}}},
      {"[S]\na=\"quoted = value\"\nb='x'\nc=\"unbalanced\n", {{"a", "quoted = value"}, {"b", "x"}, {"c", "\"unbalanced"}}},
      {"[S]\n; comment=1\nnoequals\n=anonymous\n", {{"", "anonymous"}}},
      {"[S]\nK=first\nk=second\n[T]\nx=1\n[s]\nlater=2\n", {{"K", "first"}, {"later", "2"}}},
      {"before=1\n[ S ]\rmac=1\r", {{"mac", "1"}}},
      {"[S\nopen=1\n", {{"open", "1"}}},
      {"[S]x\nk=a=b=c\n", {{"k", "a=b=c"}}},
  };
  for (const Case& c : cases) EXPECT_EQ(TIniFile::FromText(c.text).ReadSection("S"), c.expected) << c.text;
}

TEST(IniFile, ReadsFileAndTreatsMissingFileAsEmpty) {
  std::string path = testing::TempDir() + "IniFileTest.ini";
  std::ofstream(path, std::ios::binary) << "[HTTP]\r\nf=http://127.0.0.1/x.dll\r\n";
  EXPECT_EQ(TIniFile(path).ReadSection("HTTP"), (Entries{{"f", "http://127.0.0.1/x.dll"}}));
  std::remove(path.c_str());
  EXPECT_TRUE(TIniFile(path).ReadSection("HTTP").empty());
}

}  // namespace
