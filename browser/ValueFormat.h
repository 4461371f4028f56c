#pragma once
// The texts of the value list: a value's type name and data text, and the last-write time.
// Pure byte formatting, free of Windows headers, so it is built and fuzzed natively too.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

// Data larger than this cannot be read: the query fails and the value shows as unreadable.
constexpr std::size_t cbValueBuffer = 1024;
using TValueBuffer = std::array<std::uint8_t, cbValueBuffer>;

// Image indexes of the value list's rows in imTreeView.
constexpr int imgModifiedRow = 5;
constexpr int imgValueRow = 6;
constexpr int imgBinaryValueRow = 7;

struct TValueTypeName {
  const char* Name;
  std::uint32_t Code;
};

// One entry per type code 0..10; the code equals the position.
extern const std::array<TValueTypeName, 11> ValueTypeNames;

// The Type column for any code a query can return: ValueTypeNames, then "REG_QWORD" for 11,
// and "(type N)" with the decimal code for every other code.
std::string ValueTypeText(std::uint32_t typeCode);

struct TValueText {
  std::string Data;
  int ImageIndex;
};

// The Data column and image for cbData bytes at data (data may be null when cbData is 0).
// A number shorter than four bytes is read with the missing high bytes as zero.
TValueText ValueDataText(std::uint32_t typeCode, const std::uint8_t* data, std::size_t cbData);

struct TValueRow {
  std::string Type;
  std::string Data;
  int ImageIndex;
};

// The Type and Data columns and image of one row, from one query into buffer.
// read: the query succeeded; a reported size above the buffer is treated as unreadable.
// isDefault: the row of the default value, whose empty data text reads "(value not set)".
TValueRow ValueRowTexts(bool read, std::uint32_t typeCode, const TValueBuffer& buffer,
                        std::uint32_t cbData, bool isDefault);

// A local calendar time, field for field as the platform's system time holds it.
struct TLocalDateTime {
  std::uint16_t Year;
  std::uint16_t Month;      // 1..12
  std::uint16_t DayOfWeek;  // 0 = Sunday
  std::uint16_t Day;
  std::uint16_t Hour;
  std::uint16_t Minute;
  std::uint16_t Second;
  std::uint16_t Milliseconds;
};

// The user's locale settings the time text depends on.
struct TDateFormatSettings {
  std::string ShortDateFormat;  // a "/" in it stands for DateSeparator
  std::string DateSeparator;
  std::string TimeSeparator;
  std::array<std::string, 12> ShortMonthNames;  // January first
  std::array<std::string, 12> LongMonthNames;
  std::array<std::string, 7> ShortDayNames;  // Sunday first
  std::array<std::string, 7> LongDayNames;
};

// Writes time by pattern: d dd ddd dddd, m mm mmm mmmm (minutes right after an hour), yy yyyy,
// h hh (24-hour), n nn, s ss, z zzz, "/" and ":" as the locale's separators, text in single or
// double quotes as is; letters are matched ignoring case, every other character is copied.
std::string FormatDateTime(const std::string& pattern, const TLocalDateTime& time,
                           const TDateFormatSettings& settings);

// The Data column of the "(Modified)" row: the short date, one blank, "hh:mm:ss:zzz".
std::string ModifiedTimeText(const TLocalDateTime& time, const TDateFormatSettings& settings);
