#include "browser/ValueFormat.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::uint8_t> Bytes(const std::string& text) { return {text.begin(), text.end()}; }

// The query wrote cbData bytes into a buffer still holding an earlier, longer value.
TValueBuffer BufferAfterQuery(const std::vector<std::uint8_t>& data) {
  TValueBuffer buffer;
  buffer.fill('x');
  std::copy(data.begin(), data.end(), buffer.begin());
  return buffer;
}

struct RowCase {
  const char* what;
  std::uint32_t typeCode;
  std::vector<std::uint8_t> data;
  const char* type;
  std::string text;
  int image;
};

TEST(ValueText, FormatsEachTypeCodeFromOnlyTheReturnedBytes) {
  const RowCase cases[] = {
      {"text", 1, Bytes(std::string("abc\0", 4)), "REG_SZ", "abc", 6},
      {"text without NUL", 1, Bytes("abc"), "REG_SZ", "abc", 6},
      {"text up to first NUL", 1, Bytes(std::string("ab\0cd\0", 6)), "REG_SZ", "ab", 6},
      {"expandable text stays unexpanded", 2, Bytes(std::string("%SystemRoot%\\x\0", 15)),
       "REG_EXPAND_SZ", "%SystemRoot%\\x", 6},
      {"dword", 4, {0xff, 0, 0, 0}, "REG_DWORD", "0x000000ff (255)", 7},
      {"dword all ones", 4, {0xff, 0xff, 0xff, 0xff}, "REG_DWORD", "0xffffffff (4294967295)", 7},
      {"dword longer than four bytes", 4, {1, 0, 0, 0, 9, 9}, "REG_DWORD", "0x00000001 (1)", 7},
      {"dword of two bytes", 4, {0x01, 0x02}, "REG_DWORD", "0x00000201 (513)", 7},
      {"dword of no bytes", 4, {}, "REG_DWORD", "0x00000000 (0)", 7},
      {"big-endian dword read little-endian", 5, {0, 0, 0, 1}, "REG_DWORD_BIG_ENDIAN",
       "0x01000000 (16777216)", 7},
      {"big-endian dword of three bytes", 5, {0, 0, 1}, "REG_DWORD_BIG_ENDIAN",
       "0x00010000 (65536)", 7},
      {"none", 0, {0x0a, 0xff, 0x00}, "REG_NONE", "0a ff 00", 7},
      {"binary", 3, {0x0a, 0xff, 0x00}, "REG_BINARY", "0a ff 00", 7},
      {"binary of no bytes", 3, {}, "REG_BINARY", "(zero-length binary value)", 7},
      {"multi text", 7, Bytes(std::string("a\0b\0\0", 5)), "REG_MULTI_SZ", "61 00 62 00 00", 7},
      {"resource list", 8, {0x10}, "REG_RESOURCE_LIST", "10", 7},
      {"full resource descriptor", 9, {0xab, 0xcd}, "REG_FULL_RESOURCE_DESCRIPTOR", "ab cd", 7},
      {"link", 6, Bytes("a"), "REG_LINK", "ERROR - VALUE NOT READ", 6},
      {"requirements list", 10, {1, 2}, "REG_RESOURCE_REQUIREMENTS_LIST",
       "ERROR - VALUE NOT READ", 6},
      {"qword", 11, {1, 0, 0, 0, 0, 0, 0, 0}, "REG_QWORD", "ERROR - VALUE NOT READ", 6},
      {"unknown code", 12, {1}, "(type 12)", "ERROR - VALUE NOT READ", 6},
      {"largest code", 0xffffffffu, {}, "(type 4294967295)", "ERROR - VALUE NOT READ", 6},
  };
  for (const RowCase& c : cases) {
    SCOPED_TRACE(c.what);
    TValueRow row = ValueRowTexts(true, c.typeCode, BufferAfterQuery(c.data),
                                  static_cast<std::uint32_t>(c.data.size()), false);
    EXPECT_EQ(row.Type, c.type);
    EXPECT_EQ(row.Data, c.text);
    EXPECT_EQ(row.ImageIndex, c.image);
  }
}

TEST(ValueText, TypeNamesAreIndexedByTheirCode) {
  for (std::size_t code = 0; code < ValueTypeNames.size(); ++code)
    EXPECT_EQ(ValueTypeNames[code].Code, code) << ValueTypeNames[code].Name;
}

struct DefaultCase {
  const char* what;
  bool read;
  std::uint32_t typeCode;
  std::vector<std::uint8_t> data;
  bool isDefault;
  const char* type;
  const char* text;
  int image;
};

TEST(ValueText, UnreadAndEmptyDefaultValues) {
  const DefaultCase cases[] = {
      {"default not read", false, 1, {}, true, "", "(value not set)", 6},
      {"named value not read", false, 1, Bytes("abc"), false, "", "", 6},
      {"default of empty text", true, 1, {}, true, "REG_SZ", "(value not set)", 6},
      {"default of one NUL", true, 1, {0}, true, "REG_SZ", "(value not set)", 6},
      {"default of text", true, 1, Bytes(std::string("abc\0", 4)), true, "REG_SZ", "abc", 6},
      {"default of no bytes", true, 3, {}, true, "REG_BINARY", "(zero-length binary value)", 7},
      {"named empty text stays empty", true, 1, {}, false, "REG_SZ", "", 6},
  };
  for (const DefaultCase& c : cases) {
    SCOPED_TRACE(c.what);
    TValueRow row = ValueRowTexts(c.read, c.typeCode, BufferAfterQuery(c.data),
                                  static_cast<std::uint32_t>(c.data.size()), c.isDefault);
    EXPECT_EQ(row.Type, c.type);
    EXPECT_EQ(row.Data, c.text);
    EXPECT_EQ(row.ImageIndex, c.image);
  }
}

TEST(ValueText, FullBufferIsShownAndLargerSizeIsUnread) {
  TValueBuffer buffer;
  for (std::size_t i = 0; i < buffer.size(); ++i) buffer[i] = static_cast<std::uint8_t>(i);

  TValueRow full = ValueRowTexts(true, 3, buffer, 1024, false);
  EXPECT_EQ(full.Data.size(), 1024u * 3 - 1);
  EXPECT_EQ(full.Data.substr(0, 11), "00 01 02 03");
  EXPECT_EQ(full.Data.substr(full.Data.size() - 5), "fe ff");

  buffer.fill('s');
  EXPECT_EQ(ValueRowTexts(true, 1, buffer, 1024, false).Data, std::string(1024, 's'));

  // The query reports the size it would have needed; never read past the buffer for it.
  for (bool read : {false, true}) {
    SCOPED_TRACE(read);
    TValueRow over = ValueRowTexts(read, 3, buffer, 1025, false);
    EXPECT_EQ(over.Type, "");
    EXPECT_EQ(over.Data, "");
    EXPECT_EQ(over.ImageIndex, 6);
  }
}

}  // namespace
