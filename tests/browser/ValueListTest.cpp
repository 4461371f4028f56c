// The value list of a real browser window over scratch keys: row order, the texts and images
// of every type, the size limit of the buffer, and the last-write row.
#include <gtest/gtest.h>

#include <cstdio>

#include "tests/browser/BrowserFixture.h"

namespace {

using ValueListTest = BrowserTest;

std::vector<TShownRow> WithoutModified(std::vector<TShownRow> rows) {
  if (!rows.empty() && rows[0].Caption == "(Modified)") rows.erase(rows.begin());
  return rows;
}

struct ValueCase {
  const char* Name;
  DWORD Type;
  std::vector<uint8_t> Bytes;
  const char* TypeText;
  std::string Data;
  int Image;
};

std::string RepeatedHex(const char* pair, size_t count) {
  std::string text;
  for (size_t i = 0; i < count; ++i) text += (i ? " " : "") + std::string(pair);
  return text;
}

TEST_F(ValueListTest, EveryTypeShowsItsNameDataAndImage) {
  const std::vector<ValueCase> cases{
      {"a sz", REG_SZ, {'a', 'b', 'c', 0, 'x'}, "REG_SZ", "abc", 6},
      {"b sz without nul", REG_SZ, {'x', 'y', 'z'}, "REG_SZ", "xyz", 6},
      {"c expand", REG_EXPAND_SZ, {'%', 'S', 'y', 's', 't', 'e', 'm', 'R', 'o', 'o', 't', '%', '\\', 'x', 0},
       "REG_EXPAND_SZ", "%SystemRoot%\\x", 6},
      {"d dword", REG_DWORD, {0xff, 0, 0, 0}, "REG_DWORD", "0x000000ff (255)", 7},
      {"e dword max", REG_DWORD, {0xff, 0xff, 0xff, 0xff}, "REG_DWORD", "0xffffffff (4294967295)", 7},
      {"f dword short", REG_DWORD, {0x01, 0x02}, "REG_DWORD", "0x00000201 (513)", 7},
      {"g big endian", REG_DWORD_BIG_ENDIAN, {0, 0, 0, 1}, "REG_DWORD_BIG_ENDIAN", "0x01000000 (16777216)", 7},
      {"h binary", REG_BINARY, {0x0a, 0xff, 0x00}, "REG_BINARY", "0a ff 00", 7},
      {"i binary empty", REG_BINARY, {}, "REG_BINARY", "(zero-length binary value)", 7},
      {"j none", REG_NONE, {0x01}, "REG_NONE", "01", 7},
      {"k multi", REG_MULTI_SZ, {'a', 0, 'b', 0, 0}, "REG_MULTI_SZ", "61 00 62 00 00", 7},
      {"l resource list", REG_RESOURCE_LIST, {1, 2}, "REG_RESOURCE_LIST", "01 02", 7},
      {"m full descriptor", REG_FULL_RESOURCE_DESCRIPTOR, {3}, "REG_FULL_RESOURCE_DESCRIPTOR", "03", 7},
      {"n link", REG_LINK, {'x', 0}, "REG_LINK", "ERROR - VALUE NOT READ", 6},
      {"o requirements", REG_RESOURCE_REQUIREMENTS_LIST, {4}, "REG_RESOURCE_REQUIREMENTS_LIST",
       "ERROR - VALUE NOT READ", 6},
      {"p qword", REG_QWORD, {1, 0, 0, 0, 0, 0, 0, 0}, "REG_QWORD", "ERROR - VALUE NOT READ", 6},
      {"q code 12", 12, {1}, "(type 12)", "ERROR - VALUE NOT READ", 6},
      {"r 1024 bytes", REG_BINARY, std::vector<uint8_t>(1024, 0xab), "REG_BINARY", RepeatedHex("ab", 1024), 7},
      {"s 1025 bytes", REG_BINARY, std::vector<uint8_t>(1025, 0xab), "", "", 6},
  };
  std::vector<TShownRow> expected{{"(Default)", "", "(value not set)", 6}};
  for (const ValueCase& c : cases) {
    SetValue("", c.Name, c.Type, c.Bytes.data(), static_cast<DWORD>(c.Bytes.size()));
    expected.push_back({c.Name, c.TypeText, c.Data, c.Image});
  }
  ASSERT_TRUE(form_->GoToPath(KeyPath()));
  std::vector<TShownRow> rows = WithoutModified(Rows());
  ASSERT_EQ(expected.size(), rows.size());
  for (size_t i = 0; i < rows.size(); ++i) EXPECT_EQ(expected[i], rows[i]);
}

TEST_F(ValueListTest, DefaultValueComesFirstAndNamesFollowIgnoringCase) {
  struct DefaultCase {
    const char* Sub;
    bool Set;
    const char* Text;
    TShownRow Row;
  };
  const std::vector<DefaultCase> cases{
      {"none", false, "", {"(Default)", "", "(value not set)", 6}},
      {"empty text", true, "", {"(Default)", "REG_SZ", "(value not set)", 6}},
      {"text", true, "abc", {"(Default)", "REG_SZ", "abc", 6}},
  };
  for (const DefaultCase& c : cases) {
    MakeKey(c.Sub);
    if (c.Set) SetValue(c.Sub, "", REG_SZ, c.Text, static_cast<DWORD>(strlen(c.Text) + 1));
    for (const char* name : {"b", "A", "c"}) SetValue(c.Sub, name, REG_SZ, "", 1);
  }
  for (const DefaultCase& c : cases) {
    ASSERT_TRUE(form_->GoToPath(KeyPath(c.Sub))) << c.Sub;
    std::vector<TShownRow> rows = Rows();
    ASSERT_EQ(5u, rows.size()) << c.Sub;
    EXPECT_EQ("(Modified)", rows[0].Caption) << c.Sub;
    EXPECT_EQ(c.Row, rows[1]) << c.Sub;
    EXPECT_EQ("A", rows[2].Caption);
    EXPECT_EQ("b", rows[3].Caption);
    EXPECT_EQ("c", rows[4].Caption);
  }
}

TEST_F(ValueListTest, ModifiedRowShowsTheLocalLastWriteTimeByTheUserLocale) {
  ASSERT_TRUE(form_->GoToPath(KeyPath()));
  HKEY key;
  ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyExA(HKEY_CURRENT_USER, Path().c_str(), 0, KEY_READ, &key));
  FILETIME written{}, local{};
  RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                   &written);
  RegCloseKey(key);
  SYSTEMTIME time{};
  FileTimeToLocalFileTime(&written, &local);
  FileTimeToSystemTime(&local, &time);
  char date[64] = {}, separator[8] = {}, clock[64] = {};
  GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &time, nullptr, date, sizeof date);
  GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_STIME, separator, sizeof separator);
  std::snprintf(clock, sizeof clock, "%02u%s%02u%s%02u%s%03u", time.wHour, separator, time.wMinute, separator,
                time.wSecond, separator, time.wMilliseconds);
  std::vector<TShownRow> rows = Rows();
  ASSERT_FALSE(rows.empty());
  EXPECT_EQ((TShownRow{"(Modified)", "FILETIME", std::string(date) + " " + clock, 5}), rows[0]);
}

FILETIME forcedTime;
LONG WINAPI ForcedInfoKey(HKEY, LPSTR, LPDWORD, LPDWORD, LPDWORD, LPDWORD, LPDWORD, LPDWORD, LPDWORD, LPDWORD,
                          LPDWORD, PFILETIME written) {
  if (written) *written = forcedTime;
  return ERROR_SUCCESS;
}
LONG WINAPI FailingInfoKey(HKEY, LPSTR, LPDWORD, LPDWORD, LPDWORD, LPDWORD, LPDWORD, LPDWORD, LPDWORD, LPDWORD,
                           LPDWORD, PFILETIME) {
  return ERROR_ACCESS_DENIED;
}

TEST_F(ValueListTest, NoModifiedRowWhenAHalfOfTheTimeIsZeroOrTheQueryFails) {
  struct TimeCase {
    const char* Label;
    decltype(&RegQueryInfoKeyA) Query;
    FILETIME Time;
    bool Shown;
  };
  const std::vector<TimeCase> cases{
      {"both halves", ForcedInfoKey, {1, 0x01d00000}, true},
      {"zero low half", ForcedInfoKey, {0, 0x01d00000}, false},
      {"zero high half", ForcedInfoKey, {1, 0}, false},
      {"failed query", FailingInfoKey, {1, 1}, false},
  };
  MakeKey("one");
  MakeKey("two");
  // Read the tree first: the patched query also serves the subkey counts.
  ASSERT_NE(nullptr, Node(KeyPath("one")));
  for (const TimeCase& c : cases) {
    Platform().QueryInfoKey = c.Query;
    forcedTime = c.Time;
    // Alternate keys so that every case is a real selection change.
    ASSERT_TRUE(form_->GoToPath(KeyPath(&c - cases.data() & 1 ? "one" : "two"))) << c.Label;
    std::vector<TShownRow> rows = Rows();
    ASSERT_FALSE(rows.empty()) << c.Label;
    EXPECT_EQ(c.Shown, rows[0].Caption == "(Modified)") << c.Label;
    EXPECT_EQ("(Default)", rows[c.Shown ? 1 : 0].Caption) << c.Label;
  }
}

TEST_F(ValueListTest, KeyThatNoLongerOpensShowsAnEmptyList) {
  MakeKey("gone");
  SetValue("gone", "x", REG_SZ, "x", 2);
  TTreeNode* gone = Node(KeyPath("gone"));
  ASSERT_NE(nullptr, gone);
  ASSERT_EQ(ERROR_SUCCESS, RegDeleteTreeA(HKEY_CURRENT_USER, Path("gone").c_str()));
  RegDeleteKeyA(HKEY_CURRENT_USER, Path("gone").c_str());
  ASSERT_TRUE(form_->GoToPath(KeyPath()));
  EXPECT_LT(0, form_->lvRegistry->Count());
  form_->tvRegistry->SetSelected(gone);
  EXPECT_EQ(0, form_->lvRegistry->Count());
  EXPECT_EQ(KeyPath("gone"), PathLine());
}

}  // namespace
