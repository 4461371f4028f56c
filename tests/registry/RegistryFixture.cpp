#include "tests/registry/RegistryFixture.h"

#include "registry/Reg32vs64.h"

void ScratchKeyTest::SetUp() {
  saved_ = Platform();
  Use64BitView = false;
  const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
  base_ = std::string("Software\\RegistryLayerTests\\") + info->test_suite_name() + "." + info->name();
  RegDeleteTreeA(HKEY_CURRENT_USER, base_.c_str());
  MakeKey("");
}

void ScratchKeyTest::TearDown() {
  Platform() = saved_;
  Use64BitView = false;
  RegDeleteTreeA(HKEY_CURRENT_USER, base_.c_str());
}

std::string ScratchKeyTest::Path(const std::string& sub) const {
  return sub.empty() ? base_ : base_ + "\\" + sub;
}

void ScratchKeyTest::MakeKey(const std::string& sub) const {
  HKEY key;
  ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, Path(sub).c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                            nullptr), ERROR_SUCCESS);
  RegCloseKey(key);
}

void ScratchKeyTest::SetValue(const std::string& sub, const std::string& name, DWORD type, const void* data,
                              DWORD cb) const {
  ASSERT_EQ(RegSetKeyValueA(HKEY_CURRENT_USER, Path(sub).c_str(), name.c_str(), type, data, cb), ERROR_SUCCESS);
}

namespace {
LONG WINAPI LoggedOpenKeyEx(HKEY base, LPCSTR text, DWORD options, REGSAM mask, PHKEY result) {
  OpenMaskLog::Masks().push_back(mask);
  return RegOpenKeyExA(base, text, options, mask, result);
}
}  // namespace

void OpenMaskLog::Install() {
  Masks().clear();
  Platform().OpenKeyEx = LoggedOpenKeyEx;
}

std::vector<REGSAM>& OpenMaskLog::Masks() {
  static std::vector<REGSAM> masks;
  return masks;
}
