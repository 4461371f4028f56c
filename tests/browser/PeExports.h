#pragma once
// Reads the named exports of a PE file (32- or 64-bit) from its bytes: name -> ordinal.
#include <cstdint>
#include <map>
#include <string>
#include <vector>

// Raises std::runtime_error when the bytes are not a PE image with an export table.
std::map<std::string, uint32_t> ReadNamedExports(const std::vector<uint8_t>& image);
