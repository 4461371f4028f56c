#include "bookmarks/StripHotkey.h"

std::string StripHotkey(const std::string& caption, TLeadByteTest isLeadByte, bool farEast) {
  std::string text = caption;
  size_t i = 0;
  while (i < text.size()) {
    unsigned char byte = static_cast<unsigned char>(text[i]);
    if (isLeadByte && isLeadByte(byte)) {
      i += 2;
      continue;
    }
    if (text[i] == '&') {
      if (farEast && i > 0 && i + 2 < text.size() && text[i - 1] == '(' && text[i + 2] == ')') {
        text.erase(i - 1, 4);
        --i;
        continue;
      }
      // The byte after a removed "&" stays, so "&&" leaves one.
      text.erase(i, 1);
    }
    ++i;
  }
  return text;
}
