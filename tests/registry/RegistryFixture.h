#pragma once
// A scratch key below HKCU\Software per test, and a way to patch the registry layer's
// platform table for the duration of one test.
#include <windows.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "registry/RegistryPlatform.h"

class ScratchKeyTest : public ::testing::Test {
protected:
  void SetUp() override;
  void TearDown() override;
  // The scratch key's path below HKEY_CURRENT_USER, with an optional sub path.
  std::string Path(const std::string& sub = "") const;
  void MakeKey(const std::string& sub) const;
  void SetValue(const std::string& sub, const std::string& name, DWORD type, const void* data, DWORD cb) const;

  std::string base_;
  RegistryPlatform saved_{};
};

// Every mask RegOpenKeyExA was asked for since the last Clear; the call itself is real.
struct OpenMaskLog {
  static void Install();
  static std::vector<REGSAM>& Masks();
};
