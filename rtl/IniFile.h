#pragma once
// Reader of the profile (INI) format: section heads in brackets, one key=value line per entry.
// Section and key names match ignoring ASCII letter case. Rules for the finer points:
// - lines end with CR LF, LF or CR; blanks and tabs around names and values are dropped;
// - a line starting with ';' is a comment; a line without '=' inside a section is ignored;
// - a value enclosed in one pair of matching quotes (' or ") loses them;
// - a section named twice continues the first one; a key named twice keeps its first value;
// - entries before any section head belong to no section and are never read.
// A missing or unreadable file reads as an empty one.
#include <set>
#include <string>
#include <utility>
#include <vector>

class TIniFile {
public:
  using Entry = std::pair<std::string, std::string>;

  explicit TIniFile(const std::string& fileName);
  // A reader over text already in memory.
  static TIniFile FromText(const std::string& text);

  const std::string& FileName() const { return fileName_; }
  std::string ReadString(const std::string& section, const std::string& key, const std::string& fallback) const;
  // The section's keys in file order with their values; empty when the section is missing.
  std::vector<Entry> ReadSection(const std::string& section) const;

  // Empties the list, then adds one key=value line per key of the section, in file order.
  template <typename List>
  void ReadSectionValues(const std::string& section, List& list) const {
    list.Clear();
    for (const Entry& entry : ReadSection(section)) list.Add(entry.first + "=" + entry.second);
  }

private:
  struct Section {
    std::string name;
    std::vector<Entry> entries;
    std::set<std::string> foldedKeys;  // for the first-value-wins rule without a quadratic scan
  };

  TIniFile() = default;
  void Parse(const std::string& text);
  // Index of the section in sections_, or sections_.size().
  size_t FindSection(const std::string& name) const;

  std::string fileName_;
  std::vector<Section> sections_;
};
