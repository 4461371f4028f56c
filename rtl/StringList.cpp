#include "rtl/StringList.h"

#include <windows.h>

int AnsiCompareText(const std::string& a, const std::string& b) {
  return CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.data(), static_cast<int>(a.size()),
                        b.data(), static_cast<int>(b.size())) - CSTR_EQUAL;
}

int TStringList::Find(const std::string& text, bool& found) const {
  found = false;
  // Registry listings mostly arrive in order already: try the end first.
  if (!items_.empty()) {
    int last = AnsiCompareText(items_.back(), text);
    if (last < 0) return Count();
    if (last == 0) { found = true; return Count() - 1; }
  }
  int lo = 0, hi = Count() - 1;
  while (lo <= hi) {
    int mid = (lo + hi) / 2;
    int c = AnsiCompareText(items_[static_cast<size_t>(mid)], text);
    if (c < 0) {
      lo = mid + 1;
    } else {
      hi = mid - 1;
      if (c == 0) found = true;
    }
  }
  return lo;
}

int TStringList::Add(const std::string& text) {
  if (!sorted_) {
    items_.push_back(text);
    return Count() - 1;
  }
  bool found;
  int index = Find(text, found);
  if (!found) items_.insert(items_.begin() + index, text);
  return index;
}

void TStringList::Insert(int index, const std::string& text) {
  items_.insert(items_.begin() + index, text);
}

int TStringList::IndexOf(const std::string& text) const {
  if (sorted_) {
    bool found;
    int index = Find(text, found);
    return found ? index : -1;
  }
  for (int i = 0; i < Count(); ++i)
    if (AnsiCompareText(items_[static_cast<size_t>(i)], text) == 0) return i;
  return -1;
}
