#include "updater/UpdateNames.h"

#include <algorithm>
#include <cctype>

namespace {

bool IsTrimmed(char c) { return static_cast<unsigned char>(c) <= 32; }

std::string Trim(const std::string& text) {
  size_t first = 0, last = text.size();
  while (first < last && IsTrimmed(text[first])) ++first;
  while (last > first && IsTrimmed(text[last - 1])) --last;
  return text.substr(first, last - first);
}

}  // namespace

std::string FileNameFromUrl(const std::string& url) {
  std::string name = Trim(url);
  for (size_t slash = name.find('/'); slash != std::string::npos; slash = name.find('/'))
    name = Trim(name.substr(slash + 1));
  return name.empty() ? url : name;
}

std::string ValueOfLine(const std::string& line) {
  size_t equals = line.find('=');
  return equals == std::string::npos ? line : line.substr(equals + 1);
}

std::string BackupName(const std::string& fileName) {
  size_t mark = fileName.find_last_of(".\\:");
  bool hasExtension = mark != std::string::npos && fileName[mark] == '.';
  return (hasExtension ? fileName.substr(0, mark) : fileName) + ".BAK";
}

std::string SafeBackupName(const std::string& fileName) {
  std::string backup = BackupName(fileName);
  bool same = backup.size() == fileName.size() &&
              std::equal(backup.begin(), backup.end(), fileName.begin(), [](char a, char b) {
                return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
              });
  return same ? fileName + ".BAK" : backup;
}

bool IsNameInsideFolder(const std::string& fileName) {
  if (fileName.empty() || fileName.find(':') != std::string::npos) return false;
  if (fileName[0] == '\\' || fileName[0] == '/') return false;
  size_t start = 0;
  while (start <= fileName.size()) {
    size_t end = fileName.find_first_of("\\/", start);
    if (end == std::string::npos) end = fileName.size();
    // The system drops trailing dots and blanks of a component, so "..." or ". ." means "..".
    std::string part = fileName.substr(start, end - start);
    if (part.find_first_not_of(". ") == std::string::npos) return false;
    start = end + 1;
  }
  return true;
}
