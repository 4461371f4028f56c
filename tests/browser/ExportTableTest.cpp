// The shipped 32-bit Tavisk.dll exports its entry points by their plain names at fixed ordinals.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "tests/browser/PeExports.h"

namespace {

std::vector<uint8_t> ReadFile(const char* path) {
  std::ifstream file(path, std::ios::binary);
  return std::vector<uint8_t>(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

TEST(ExportTable, Shipped32BitLibraryExportsByNameAtFixedOrdinals) {
  std::vector<uint8_t> image = ReadFile(TAVISK32_DLL);
  ASSERT_FALSE(image.empty()) << "build the win32 preset first: " << TAVISK32_DLL;
  EXPECT_EQ(0x14C, image[image[0x3C] + 4] | image[image[0x3C] + 5] << 8) << "not an i386 image";
  std::map<std::string, uint32_t> exports = ReadNamedExports(image);
  std::map<std::string, uint32_t> expected{{"GoToBookmark", 1}, {"ShowRegForm", 2}};
  EXPECT_EQ(expected, exports);
}

TEST(ExportTable, RejectsWhatIsNoImage) {
  EXPECT_THROW(ReadNamedExports({}), std::runtime_error);
  EXPECT_THROW(ReadNamedExports(std::vector<uint8_t>(64, 'M')), std::runtime_error);
}

}  // namespace
