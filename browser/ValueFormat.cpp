#include "browser/ValueFormat.h"

#include <algorithm>
#include <cstdio>

const std::array<TValueTypeName, 11> ValueTypeNames = {{
    {"REG_NONE", 0},
    {"REG_SZ", 1},
    {"REG_EXPAND_SZ", 2},
    {"REG_BINARY", 3},
    {"REG_DWORD", 4},
    {"REG_DWORD_BIG_ENDIAN", 5},
    {"REG_LINK", 6},
    {"REG_MULTI_SZ", 7},
    {"REG_RESOURCE_LIST", 8},
    {"REG_FULL_RESOURCE_DESCRIPTOR", 9},
    {"REG_RESOURCE_REQUIREMENTS_LIST", 10},
}};

namespace {

const char* const kValueNotSet = "(value not set)";

std::string TextUpToNul(const std::uint8_t* data, std::size_t cbData) {
  if (cbData == 0) return std::string();
  const char* begin = reinterpret_cast<const char*>(data);
  return std::string(begin, std::find(begin, begin + cbData, '\0'));
}

// Little-endian for the big-endian type too: the list never swapped its bytes.
std::string NumberText(const std::uint8_t* data, std::size_t cbData) {
  std::uint32_t value = 0;
  for (std::size_t i = 0; i < std::min<std::size_t>(cbData, 4); ++i)
    value |= static_cast<std::uint32_t>(data[i]) << (8 * i);
  char text[32];
  std::snprintf(text, sizeof text, "0x%08lx (%lu)", static_cast<unsigned long>(value),
                static_cast<unsigned long>(value));
  return text;
}

std::string HexBytes(const std::uint8_t* data, std::size_t cbData) {
  if (cbData == 0) return "(zero-length binary value)";
  static const char kDigits[] = "0123456789abcdef";
  std::string text;
  text.reserve(cbData * 3);
  for (std::size_t i = 0; i < cbData; ++i) {
    if (i > 0) text += ' ';
    text += kDigits[data[i] >> 4];
    text += kDigits[data[i] & 0x0f];
  }
  return text;
}

}  // namespace

std::string ValueTypeText(std::uint32_t typeCode) {
  if (typeCode < ValueTypeNames.size()) return ValueTypeNames[typeCode].Name;
  if (typeCode == 11) return "REG_QWORD";
  return "(type " + std::to_string(typeCode) + ")";
}

TValueText ValueDataText(std::uint32_t typeCode, const std::uint8_t* data, std::size_t cbData) {
  switch (typeCode) {
    case 1:
    case 2:
      return {TextUpToNul(data, cbData), imgValueRow};
    case 4:
    case 5:
      return {NumberText(data, cbData), imgBinaryValueRow};
    case 0:
    case 3:
    case 7:
    case 8:
    case 9:
      return {HexBytes(data, cbData), imgBinaryValueRow};
    default:
      return {"ERROR - VALUE NOT READ", imgValueRow};
  }
}

TValueRow ValueRowTexts(bool read, std::uint32_t typeCode, const TValueBuffer& buffer,
                        std::uint32_t cbData, bool isDefault) {
  TValueRow row{std::string(), std::string(), imgValueRow};
  if (read && cbData <= buffer.size()) {
    TValueText text = ValueDataText(typeCode, buffer.data(), cbData);
    row = {ValueTypeText(typeCode), text.Data, text.ImageIndex};
  }
  if (isDefault && row.Data.empty()) row.Data = kValueNotSet;
  return row;
}

namespace {

char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool IsAsciiLetter(char c) {
  char lower = LowerAscii(c);
  return lower >= 'a' && lower <= 'z';
}

std::string Digits(unsigned value, std::size_t width) {
  std::string text = std::to_string(value);
  if (text.size() < width) text.insert(0, width - text.size(), '0');
  return text;
}

// Fields out of range give an empty name rather than a read past the table.
template <std::size_t N>
std::string NameAt(const std::array<std::string, N>& names, unsigned index) {
  return index < N ? names[index] : std::string();
}

// run: one field's repeated letters, such as "dd"; letters that name no field are copied.
std::string Field(char field, const std::string& run, const TLocalDateTime& time,
                  const TDateFormatSettings& settings) {
  const std::size_t count = run.size();
  switch (field) {
    case 'd':
      if (count <= 2) return Digits(time.Day, count);
      return NameAt(count == 3 ? settings.ShortDayNames : settings.LongDayNames, time.DayOfWeek);
    case 'm':
      if (count <= 2) return Digits(time.Month, count);
      return NameAt(count == 3 ? settings.ShortMonthNames : settings.LongMonthNames,
                    time.Month - 1u);
    case 'y':
      return count <= 2 ? Digits(time.Year % 100u, 2) : Digits(time.Year, 4);
    case 'h':
      return Digits(time.Hour, std::min<std::size_t>(count, 2));
    case 'n':
      return Digits(time.Minute, std::min<std::size_t>(count, 2));
    case 's':
      return Digits(time.Second, std::min<std::size_t>(count, 2));
    case 'z':
      return Digits(time.Milliseconds, count == 1 ? 1 : 3);
    default:
      return run;
  }
}

}  // namespace

std::string FormatDateTime(const std::string& pattern, const TLocalDateTime& time,
                           const TDateFormatSettings& settings) {
  std::string text;
  char lastLetter = 0;
  std::size_t i = 0;
  while (i < pattern.size()) {
    char c = pattern[i];
    if (c == '\'' || c == '"') {
      std::size_t end = std::min(pattern.find(c, i + 1), pattern.size());
      text.append(pattern, i + 1, end - i - 1);
      i = end + 1;
    } else if (c == '/' || c == ':' || !IsAsciiLetter(c)) {
      text += c == '/' ? settings.DateSeparator : c == ':' ? settings.TimeSeparator : std::string(1, c);
      ++i;
    } else {
      char letter = LowerAscii(c);
      std::size_t count = 1;
      while (i + count < pattern.size() && LowerAscii(pattern[i + count]) == letter) ++count;
      // As in the time pattern "hh:mm": an "m" right after an hour means minutes.
      char field = (letter == 'm' && lastLetter == 'h') ? 'n' : letter;
      text += Field(field, pattern.substr(i, count), time, settings);
      lastLetter = letter;
      i += count;
    }
  }
  return text;
}

std::string ModifiedTimeText(const TLocalDateTime& time, const TDateFormatSettings& settings) {
  return FormatDateTime(settings.ShortDateFormat + " hh:mm:ss:zzz", time, settings);
}
