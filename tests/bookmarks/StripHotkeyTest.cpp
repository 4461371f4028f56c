// Captions reduced to the names their check marks are stored under.
#include <gtest/gtest.h>

#include "bookmarks/StripHotkey.h"

namespace {

bool ShiftJisLead(unsigned char byte) { return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC); }

TEST(StripHotkeyTest, Captions) {
  struct Case {
    const char* caption;
    TLeadByteTest lead;
    bool farEast;
    const char* name;
  } cases[] = {
      {"&File", nullptr, false, "File"},
      {"E&xit", nullptr, false, "Exit"},
      {"&0 HKEY_CURRENT_USER\\Software", nullptr, false, "0 HKEY_CURRENT_USER\\Software"},
      {"a&&b", nullptr, false, "a&b"},
      {"&&&x", nullptr, false, "&x"},
      {"x&", nullptr, false, "x"},
      {"&", nullptr, false, ""},
      {"-", nullptr, false, "-"},
      {"&-", nullptr, false, "-"},
      {"", nullptr, false, ""},
      // A trail byte that looks like "&" belongs to its character.
      {"\x81&x&y", ShiftJisLead, false, "\x81&xy"},
      {"\x81&x&y", nullptr, false, "\x81xy"},
      {"x\x81", ShiftJisLead, false, "x\x81"},
      {"File(&F)", nullptr, true, "File"},
      {"File(&F) more", nullptr, true, "File more"},
      {"File(&F)", nullptr, false, "File(F)"},
      {"File(&F", nullptr, true, "File(F"},
      {"(&F)(&G)", nullptr, true, ""},
  };
  for (const Case& c : cases) EXPECT_EQ(StripHotkey(c.caption, c.lead, c.farEast), c.name) << c.caption;
}

}  // namespace
