// Fuzz target of the profile reader: any bytes parse, and every listed key reads back.
#include "rtl/IniFile.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string text(reinterpret_cast<const char*>(data), size);
  TIniFile ini = TIniFile::FromText(text);
  for (const char* section : {"HTTP", "Version", ""}) {
    for (const TIniFile::Entry& entry : ini.ReadSection(section))
      if (ini.ReadString(section, entry.first, "\x01missing") != entry.second) std::abort();
  }
  return 0;
}
