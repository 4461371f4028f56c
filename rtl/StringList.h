#pragma once
// A list of 8-bit texts: unsorted with duplicates, or sorted ascending ignoring case by the
// user locale's comparison, where texts that compare equal are kept once.
#include <string>
#include <vector>

// Compares ignoring case by the user locale; <0, 0, >0.
int AnsiCompareText(const std::string& a, const std::string& b);

class TStringList {
public:
  TStringList() = default;
  explicit TStringList(bool sorted) : sorted_(sorted) {}

  bool Sorted() const { return sorted_; }
  int Count() const { return static_cast<int>(items_.size()); }
  const std::string& operator[](int index) const { return items_[static_cast<size_t>(index)]; }
  const std::vector<std::string>& Items() const { return items_; }

  // Returns the index of the text; in a sorted list an equal text already there is kept instead.
  int Add(const std::string& text);
  void Clear() { items_.clear(); }
  void Delete(int index) { items_.erase(items_.begin() + index); }
  void Insert(int index, const std::string& text);
  // Index of the first text equal ignoring case, or -1.
  int IndexOf(const std::string& text) const;

private:
  // Sorted lists: the index where the text is or would go, and whether it is there.
  int Find(const std::string& text, bool& found) const;

  bool sorted_ = false;
  std::vector<std::string> items_;
};
