// Shortcut texts as menus show them.
#include <gtest/gtest.h>

#include "rtl/ShortCut.h"

namespace {

TEST(ShortCutTest, Texts) {
  struct Case {
    TShortCut shortCut;
    const char* text;
  } cases[] = {
      {0, ""},
      {'S' | scCtrl, "Ctrl+S"},
      {'7', "7"},
      {0x2E | scShift, "Shift+Del"},
      {0x74, "F5"},
      {0x87 | scShift | scCtrl | scAlt, "Shift+Ctrl+Alt+F24"},
      {0x0D | scAlt, "Alt+Enter"},
      {0x20, "Space"},
      {0x28, "Down"},
      {0x08, "BkSp"},
      {0x63, "3"},
      {0x2F | scCtrl, ""},
      {scCtrl, ""},
  };
  for (const Case& c : cases) EXPECT_EQ(ShortCutToText(c.shortCut), c.text) << c.shortCut;
}

}  // namespace
