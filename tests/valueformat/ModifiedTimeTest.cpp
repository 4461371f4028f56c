#include "browser/ValueFormat.h"

#include <gtest/gtest.h>

namespace {

TDateFormatSettings Locale(const char* shortDate, const char* dateSeparator, const char* timeSeparator) {
  TDateFormatSettings settings;
  settings.ShortDateFormat = shortDate;
  settings.DateSeparator = dateSeparator;
  settings.TimeSeparator = timeSeparator;
  settings.ShortMonthNames = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                              "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  settings.LongMonthNames[2] = "March";
  settings.ShortDayNames[6] = "Sat";
  settings.LongDayNames[6] = "Saturday";
  return settings;
}

// Saturday, 7 March 2009, 14:05:09.123 local time.
const TLocalDateTime kLastWrite{2009, 3, 6, 7, 14, 5, 9, 123};

struct TimeCase {
  const char* shortDate;
  const char* dateSeparator;
  const char* timeSeparator;
  TLocalDateTime time;
  const char* text;
};

TEST(ModifiedTime, ShortDateThenTimeWithTheLocaleSeparators) {
  const TimeCase cases[] = {
      {"dd.MM.yyyy", ".", ":", kLastWrite, "07.03.2009 14:05:09:123"},
      {"M/d/yyyy", "/", ":", kLastWrite, "3/7/2009 14:05:09:123"},
      {"dd/MM/yy", "-", ".", kLastWrite, "07-03-09 14.05.09.123"},
      {"yyyy/mm/dd", "/", ":", kLastWrite, "2009/03/07 14:05:09:123"},
      {"dd-MMM-yyyy", "/", ":", kLastWrite, "07-Mar-2009 14:05:09:123"},
      {"dddd, d. MMMM yyyy", ".", ":", kLastWrite, "Saturday, 7. March 2009 14:05:09:123"},
      {"ddd dd'/'MM 'yyyy' \"hh\"", ".", ":", kLastWrite, "Sat 07/03 yyyy hh 14:05:09:123"},
      {"dd.MM.yyyy", ".", ":", {2000, 1, 6, 1, 0, 0, 0, 7}, "01.01.2000 00:00:00:007"},
      {"dd.MM.yyyy", ".", ":", {1999, 12, 5, 31, 23, 59, 59, 999}, "31.12.1999 23:59:59:999"},
  };
  for (const TimeCase& c : cases) {
    SCOPED_TRACE(c.shortDate);
    EXPECT_EQ(ModifiedTimeText(c.time, Locale(c.shortDate, c.dateSeparator, c.timeSeparator)), c.text);
  }
}

TEST(ModifiedTime, FieldsOutOfRangeGiveNoName) {
  TLocalDateTime time = kLastWrite;
  time.Month = 0;
  time.DayOfWeek = 9;
  EXPECT_EQ(FormatDateTime("[MMM][dddd][M]", time, Locale("", "", "")), "[][][0]");
}

}  // namespace
