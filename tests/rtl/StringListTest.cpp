#include "rtl/StringList.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<std::string> Fill(bool sorted, std::initializer_list<const char*> texts) {
  TStringList list(sorted);
  for (const char* text : texts) list.Add(text);
  return list.Items();
}

TEST(StringList, UnsortedKeepsOrderAndDuplicates) {
  EXPECT_EQ(Fill(false, {"b", "A", "b", "c"}), (std::vector<std::string>{"b", "A", "b", "c"}));
}

TEST(StringList, SortedIgnoresCaseAndKeepsEqualNamesOnce) {
  EXPECT_EQ(Fill(true, {"b", "A", "c"}), (std::vector<std::string>{"A", "b", "c"}));
  EXPECT_EQ(Fill(true, {"Key", "KEY", "key", "a"}), (std::vector<std::string>{"a", "Key"}));
  EXPECT_EQ(Fill(true, {"z", "y", "x", "w"}), (std::vector<std::string>{"w", "x", "y", "z"}));
  EXPECT_EQ(Fill(true, {"m", "a", "z", "n", "b"}), (std::vector<std::string>{"a", "b", "m", "n", "z"}));
}

TEST(StringList, IndexOfIgnoresCaseInBothKinds) {
  for (bool sorted : {false, true}) {
    TStringList list(sorted);
    for (const char* text : {"Gamma", "alpha", "Beta"}) list.Add(text);
    EXPECT_GE(list.IndexOf("BETA"), 0) << sorted;
    EXPECT_EQ(list[list.IndexOf("ALPHA")], "alpha") << sorted;
    EXPECT_EQ(list.IndexOf("delta"), -1) << sorted;
    EXPECT_EQ(list.IndexOf(""), -1) << sorted;
  }
}

}  // namespace
