#include "tests/browser/PeExports.h"

#include <algorithm>
#include <stdexcept>

namespace {

class TImageReader {
public:
  explicit TImageReader(const std::vector<uint8_t>& bytes) : FBytes(bytes) {}

  uint32_t U16(size_t at) const { return Byte(at) | Byte(at + 1) << 8; }
  uint32_t U32(size_t at) const { return U16(at) | U16(at + 2) << 16; }
  std::string Text(size_t at) const {
    std::string text;
    while (Byte(at) != 0) text += static_cast<char>(Byte(at++));
    return text;
  }

  // Maps a relative virtual address to a file offset through the section table.
  size_t Offset(uint32_t rva) const {
    for (uint32_t i = 0; i < FSections; ++i) {
      size_t section = FSectionTable + i * 40;
      uint32_t address = U32(section + 12), size = std::max(U32(section + 8), U32(section + 16));
      if (rva >= address && rva < address + size) return rva - address + U32(section + 20);
    }
    throw std::runtime_error("address outside every section");
  }

  void ReadHeaders() {
    if (U16(0) != 0x5A4D) throw std::runtime_error("no MZ header");
    size_t pe = U32(0x3C);
    if (U32(pe) != 0x00004550) throw std::runtime_error("no PE signature");
    size_t coff = pe + 4, optional = coff + 20;
    FSections = U16(coff + 2);
    FSectionTable = optional + U16(coff + 16);
    uint32_t magic = U16(optional);
    if (magic != 0x10B && magic != 0x20B) throw std::runtime_error("unknown optional header");
    FExportRva = U32(optional + (magic == 0x10B ? 96 : 112));
    if (FExportRva == 0) throw std::runtime_error("no export table");
  }

  uint32_t ExportRva() const { return FExportRva; }

private:
  uint32_t Byte(size_t at) const {
    if (at >= FBytes.size()) throw std::runtime_error("read past the end of the image");
    return FBytes[at];
  }

  const std::vector<uint8_t>& FBytes;
  uint32_t FSections = 0;
  size_t FSectionTable = 0;
  uint32_t FExportRva = 0;
};

}  // namespace

std::map<std::string, uint32_t> ReadNamedExports(const std::vector<uint8_t>& image) {
  TImageReader reader(image);
  reader.ReadHeaders();
  size_t directory = reader.Offset(reader.ExportRva());
  uint32_t base = reader.U32(directory + 16);
  uint32_t names = reader.U32(directory + 24);
  size_t nameTable = reader.Offset(reader.U32(directory + 32));
  size_t ordinalTable = reader.Offset(reader.U32(directory + 36));
  std::map<std::string, uint32_t> exports;
  for (uint32_t i = 0; i < names; ++i) {
    std::string name = reader.Text(reader.Offset(reader.U32(nameTable + i * 4)));
    exports[name] = base + reader.U16(ordinalTable + i * 2);
  }
  return exports;
}
