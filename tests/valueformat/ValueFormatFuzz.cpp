// Fuzz target over arbitrary type codes, sizes and bytes, and arbitrary date patterns.
// Input: type code (4 bytes, little-endian), flags (1 byte), reported size (2 bytes), data.
#include "browser/ValueFormat.h"

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

std::uint32_t ReadLittleEndian(const std::uint8_t* bytes, std::size_t count) {
  std::uint32_t value = 0;
  for (std::size_t i = 0; i < count; ++i) value |= static_cast<std::uint32_t>(bytes[i]) << (8 * i);
  return value;
}

bool ShowsHexBytes(std::uint32_t typeCode) {
  return typeCode == 0 || typeCode == 3 || (typeCode >= 7 && typeCode <= 9);
}

void FuzzValueText(std::uint32_t typeCode, const std::uint8_t* data, std::size_t size) {
  // A block of exactly the data's size, so a read past it is caught even when the caller's
  // input goes on.
  std::vector<std::uint8_t> exact(data, data + size);
  TValueText text = ValueDataText(typeCode, exact.data(), size);
  if (ShowsHexBytes(typeCode) && size > 0) Check(text.Data.size() == size * 3 - 1);
  if (typeCode == 1 || typeCode == 2) Check(text.Data.size() <= size);
  Check(text.ImageIndex == imgValueRow || text.ImageIndex == imgBinaryValueRow);
  Check(!ValueTypeText(typeCode).empty());
}

void FuzzRow(std::uint32_t typeCode, std::uint8_t flags, std::uint32_t cbReported,
             const std::uint8_t* data, std::size_t size) {
  TValueBuffer buffer{};
  std::copy(data, data + std::min(size, buffer.size()), buffer.begin());
  bool read = (flags & 1) != 0;
  bool isDefault = (flags & 2) != 0;
  TValueRow row = ValueRowTexts(read, typeCode, buffer, cbReported, isDefault);
  if (!read || cbReported > buffer.size()) Check(row.Type.empty());
  if (isDefault) Check(!row.Data.empty());
}

void FuzzDateTime(const std::uint8_t* data, std::size_t size) {
  std::uint16_t fields[8] = {};
  for (std::size_t i = 0; i < std::min<std::size_t>(size / 2, 8); ++i)
    fields[i] = static_cast<std::uint16_t>(ReadLittleEndian(data + 2 * i, 2));
  TLocalDateTime time{fields[0], fields[1], fields[2], fields[3],
                      fields[4], fields[5], fields[6], fields[7]};
  TDateFormatSettings settings;
  settings.ShortDateFormat = std::string(data, data + size);
  settings.DateSeparator = ".";
  settings.TimeSeparator = ":";
  settings.ShortMonthNames.fill("Mon");
  settings.LongDayNames.fill("Weekday");
  ModifiedTimeText(time, settings);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 7) {
    FuzzDateTime(data, size);
    return 0;
  }
  std::uint32_t typeCode = ReadLittleEndian(data, 4);
  std::uint8_t flags = data[4];
  std::uint32_t cbReported = ReadLittleEndian(data + 5, 2) % 2048;
  const std::uint8_t* payload = data + 7;
  std::size_t cbPayload = size - 7;
  FuzzValueText(typeCode, payload, cbPayload);
  FuzzRow(typeCode, flags, cbReported, payload, cbPayload);
  FuzzDateTime(payload, cbPayload);
  return 0;
}
