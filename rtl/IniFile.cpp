#include "rtl/IniFile.h"

#include <fstream>
#include <iterator>

namespace {

char FoldCase(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

std::string Folded(std::string text) {
  for (char& c : text) c = FoldCase(c);
  return text;
}

bool SameName(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (FoldCase(a[i]) != FoldCase(b[i])) return false;
  return true;
}

std::string TrimBlanks(const std::string& text) {
  size_t first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return std::string();
  size_t last = text.find_last_not_of(" \t");
  return text.substr(first, last - first + 1);
}

std::string Unquote(const std::string& value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
    return value.substr(1, value.size() - 2);
  return value;
}

// Splits at CR LF, LF or CR.
std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::string line;
  for (size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c == '\r' || c == '\n') {
      lines.push_back(line);
      line.clear();
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      line += c;
    }
  }
  if (!line.empty()) lines.push_back(line);
  return lines;
}

}  // namespace

TIniFile::TIniFile(const std::string& fileName) : fileName_(fileName) {
  std::ifstream in(fileName, std::ios::binary);
  if (in) Parse(std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()));
}

TIniFile TIniFile::FromText(const std::string& text) {
  TIniFile ini;
  ini.Parse(text);
  return ini;
}

void TIniFile::Parse(const std::string& text) {
  Section* current = nullptr;
  for (const std::string& raw : SplitLines(text)) {
    std::string line = TrimBlanks(raw);
    if (line.empty() || line[0] == ';') continue;
    if (line[0] == '[') {
      size_t close = line.find(']');
      std::string name = TrimBlanks(line.substr(1, close == std::string::npos ? std::string::npos : close - 1));
      size_t index = FindSection(name);
      if (index == sections_.size()) sections_.push_back(Section{name, {}, {}});
      current = &sections_[index];
      continue;
    }
    size_t equals = line.find('=');
    if (!current || equals == std::string::npos) continue;
    std::string key = TrimBlanks(line.substr(0, equals));
    if (current->foldedKeys.insert(Folded(key)).second)
      current->entries.emplace_back(key, Unquote(TrimBlanks(line.substr(equals + 1))));
  }
}

size_t TIniFile::FindSection(const std::string& name) const {
  size_t index = 0;
  while (index < sections_.size() && !SameName(sections_[index].name, name)) ++index;
  return index;
}

std::string TIniFile::ReadString(const std::string& section, const std::string& key,
                                 const std::string& fallback) const {
  size_t index = FindSection(section);
  if (index < sections_.size())
    for (const Entry& entry : sections_[index].entries)
      if (SameName(entry.first, key)) return entry.second;
  return fallback;
}

std::vector<TIniFile::Entry> TIniFile::ReadSection(const std::string& section) const {
  size_t index = FindSection(section);
  return index < sections_.size() ? sections_[index].entries : std::vector<Entry>();
}
