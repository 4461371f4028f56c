#pragma once
// The root-key table (also the order of the tree's root nodes) and subkey counting.
#include <windows.h>

#include <cstdint>
#include <string>

struct TRootKey {
  const char* Name;
  HKEY Key;
};

constexpr int RootKeyTotal = 5;
extern const TRootKey RootKeys[RootKeyTotal];

// Exact, case-sensitive lookup; raises "<name> - Invalid HKEY description" when missing.
HKEY RootKeyFromName(const std::string& name);
// Subkeys of root\subPath through the current view; 0 on any failure.
uint32_t SubKeyCount(HKEY root, const std::string& subPath);
