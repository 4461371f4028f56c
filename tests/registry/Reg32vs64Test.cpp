#include "registry/Reg32vs64.h"

#include <gtest/gtest.h>

#include "tests/registry/RegistryFixture.h"

namespace {

BOOL WINAPI Wow64True(HANDLE, PBOOL wow64) { *wow64 = TRUE; return TRUE; }
BOOL WINAPI Wow64False(HANDLE, PBOOL wow64) { *wow64 = FALSE; return TRUE; }
BOOL WINAPI Wow64Fails(HANDLE, PBOOL) { SetLastError(ERROR_INVALID_HANDLE); return FALSE; }

// Makes the layer behave as in the shipped 32-bit build, with the given IsWow64Process.
void Emulate32BitProcess(IsWow64ProcessFn (*find)()) {
  Platform().Is64BitProcess = false;
  Platform().FindIsWow64Process = find;
}
IsWow64ProcessFn FindTrue() { return Wow64True; }
IsWow64ProcessFn FindFalse() { return Wow64False; }
IsWow64ProcessFn FindFails() { return Wow64Fails; }
IsWow64ProcessFn FindNone() { return nullptr; }

using Reg32vs64Test = ScratchKeyTest;

TEST_F(Reg32vs64Test, ViewFlagFollowsTheProcessAndWow64) {
  EXPECT_FALSE(IsWow64()) << "a 64-bit process is never a WOW64 process";
  EXPECT_EQ(ViewAccessFlag(), static_cast<uint32_t>(KEY_WOW64_64KEY));
  struct Row { IsWow64ProcessFn (*find)(); bool wow64; uint32_t flag; } rows[] = {
      {FindTrue, true, KEY_WOW64_64KEY}, {FindFalse, false, KEY_WOW64_32KEY}, {FindNone, false, KEY_WOW64_32KEY}};
  for (const Row& row : rows) {
    Emulate32BitProcess(row.find);
    EXPECT_EQ(IsWow64(), row.wow64);
    EXPECT_EQ(ViewAccessFlag(), row.flag);
  }
}

TEST_F(Reg32vs64Test, FailingWow64QueryRaisesThroughTheOpenings) {
  Emulate32BitProcess(FindFails);
  TRegistry reg;
  for (auto open : {+[](TRegistry& r, const std::string& k) { return r.OpenKey(k, false, true); },
                    +[](TRegistry& r, const std::string& k) { return r.OpenKeyReadOnly(k, true); }}) {
    try {
      open(reg, Path());
      FAIL() << "no error";
    } catch (const Exception& e) {
      EXPECT_STREQ(e.what(), "IsWow64: bad process handle");
    }
  }
  EXPECT_EQ(reg.OpenHandle, nullptr);
  EXPECT_TRUE(reg.OpenKey(Path(), false, false)) << "without the view the flag is not consulted";
}

TEST_F(Reg32vs64Test, OpenKeyMasks) {
  struct Row { uint32_t before; bool useView; IsWow64ProcessFn (*find)(); uint32_t passed; } rows[] = {
      {0xF003F, false, FindTrue, 0xF003F},  {0xF003F, false, FindFalse, 0xF003F},
      {0xF003F, true, FindTrue, 0xF013F},   {0xF003F, true, FindFalse, 0xF003F | 0x200},
      {0xF013F, true, FindTrue, 0xF013F},   {0xF013F, true, FindFalse, 0xF013F | 0x200},
      {0xF013F, false, FindTrue, 0xF013F},  {0xF013F, false, FindFalse, 0xF013F},
  };
  for (const Row& row : rows) {
    Emulate32BitProcess(row.find);
    OpenMaskLog::Install();
    TRegistry reg(row.before);
    reg.OpenKey(Path(), false, row.useView);
    ASSERT_EQ(OpenMaskLog::Masks().size(), 1u);
    EXPECT_EQ(OpenMaskLog::Masks()[0], row.passed) << std::hex << row.before << " " << row.useView;
    EXPECT_EQ(reg.AccessMask, row.passed);
  }
}

TEST_F(Reg32vs64Test, ViewBitIsAddedOnceAndKeptForLaterOpenings) {
  OpenMaskLog::Install();
  TRegistry reg;
  reg.OpenKey(Path(), false, true);
  reg.OpenKey(Path(), false, true);
  reg.OpenKey(Path(), false, false);
  EXPECT_EQ(OpenMaskLog::Masks(), (std::vector<REGSAM>{0xF013F, 0xF013F, 0xF013F}));
}

TEST_F(Reg32vs64Test, KeyTextResolution) {
  MakeKey("A\\B");
  MakeKey("B");
  // Each row opens the scratch key, then A relative to it, then the row's text.
  struct Row { std::string text; std::string openPath; } rows[] = {
      {"B", Path("A\\B")},               // relative to the open key
      {"\\" + Path("B"), Path("B")},     // absolute: from the root even while A is open
      {"\\", ""},                        // the root itself
      {"", Path("A") + "\\"},            // a second handle to A, the trailing backslash kept
  };
  for (const Row& row : rows) {
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey(Path(), false, false));
    ASSERT_TRUE(reg.OpenKey("A", false, false));
    EXPECT_EQ(reg.OpenPath, Path("A"));
    EXPECT_TRUE(reg.OpenKey(row.text, false, false)) << row.text;
    EXPECT_EQ(reg.OpenPath, row.openPath) << row.text;
    EXPECT_NE(reg.OpenHandle, nullptr);
  }
}

TEST_F(Reg32vs64Test, FailedOpeningKeepsTheOpenKey) {
  TRegistry reg;
  ASSERT_TRUE(reg.OpenKey(Path(), false, false));
  HKEY open = reg.OpenHandle;
  EXPECT_FALSE(reg.OpenKey("missing", false, false));
  EXPECT_FALSE(reg.OpenKeyReadOnly("missing", false));
  EXPECT_EQ(reg.OpenHandle, open);
  EXPECT_EQ(reg.OpenPath, Path());
}

TEST_F(Reg32vs64Test, CreateMissing) {
  OpenMaskLog::Install();
  TRegistry reg;
  ASSERT_TRUE(reg.OpenKey(Path(), true, true)) << "an existing key text is opened by creating";
  EXPECT_TRUE(OpenMaskLog::Masks().empty());
  ASSERT_TRUE(reg.OpenKey("", true, true)) << "an empty text opens, never creates";
  EXPECT_EQ(OpenMaskLog::Masks(), (std::vector<REGSAM>{0xF013F}));

  TRegistry creator;
  ASSERT_TRUE(creator.OpenKey("\\" + Path("new\\deeper"), true, true));
  EXPECT_EQ(creator.AccessMask, static_cast<uint32_t>(KEY_ALL_ACCESS)) << "creating adds no view bit";
  EXPECT_EQ(creator.OpenPath, Path("new\\deeper"));
  HKEY key;
  ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, Path("new\\deeper").c_str(), 0, KEY_READ, &key), ERROR_SUCCESS);
  RegCloseKey(key);
}

TEST_F(Reg32vs64Test, BothViewsOfTheMachineSoftwareKey) {
  // The 32-bit view of HKLM\Software is HKLM\Software\Wow6432Node in the native view.
  const std::string name = "RegistryLayerViewTest";
  HKEY key;
  ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, ("Software\\Wow6432Node\\" + name).c_str(), 0, nullptr, 0,
                            KEY_ALL_ACCESS, nullptr, &key, nullptr), ERROR_SUCCESS);
  RegCloseKey(key);
  TRegistry native;
  native.SetRoot(HKEY_LOCAL_MACHINE);
  EXPECT_FALSE(native.OpenKeyReadOnly("Software\\" + name, true)) << "64-bit view";
  Emulate32BitProcess(FindFalse);
  TRegistry wow;
  wow.SetRoot(HKEY_LOCAL_MACHINE);
  EXPECT_TRUE(wow.OpenKeyReadOnly("Software\\" + name, true)) << "32-bit view";
  EXPECT_EQ(wow.AccessMask, static_cast<uint32_t>(KEY_READ | KEY_WOW64_32KEY));
  Platform() = saved_;
  RegDeleteTreeA(HKEY_LOCAL_MACHINE, ("Software\\Wow6432Node\\" + name).c_str());
}

TEST_F(Reg32vs64Test, NumbersAndFlags) {
  TRegistry reg;
  ASSERT_TRUE(reg.OpenKey(Path(), false, false));
  reg.WriteNumber("n", -5);
  EXPECT_EQ(reg.ReadNumber("n"), -5);
  for (bool flag : {true, false}) {
    reg.WriteFlag("f", flag);
    DWORD stored = 99, cb = sizeof stored, type = 0;
    ASSERT_EQ(RegQueryValueExA(reg.OpenHandle, "f", nullptr, &type, reinterpret_cast<BYTE*>(&stored), &cb), 0);
    EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(stored, flag ? 1u : 0u);
    EXPECT_EQ(reg.ReadFlag("f"), flag);
  }
  reg.WriteNumber("seven", 7);
  EXPECT_TRUE(reg.ReadFlag("seven"));
}

TEST_F(Reg32vs64Test, ReadNumberErrors) {
  const BYTE eight[8] = {1, 2, 3, 4, 5, 6, 7, 8};
  SetValue("", "sz", REG_SZ, "ab", 3);
  SetValue("", "bin", REG_BINARY, eight, 3);
  SetValue("", "long", REG_BINARY, eight, 8);
  SetValue("", "qword", REG_QWORD, eight, 8);
  struct Row { const char* name; const char* message; } rows[] = {
      {"sz", "Invalid data type for 'sz'"},       {"bin", "Invalid data type for 'bin'"},
      {"long", "Failed to get data for 'long'"},  {"qword", "Failed to get data for 'qword'"},
      {"missing", "Failed to get data for 'missing'"},
  };
  TRegistry reg;
  ASSERT_TRUE(reg.OpenKey(Path(), false, false));
  for (const Row& row : rows) {
    try {
      reg.ReadNumber(row.name);
      ADD_FAILURE() << row.name;
    } catch (const ERegistryException& e) {
      EXPECT_STREQ(e.what(), row.message);
    }
  }
  EXPECT_EQ(reg.OpenPath, Path()) << "the object stays as it was";
}

TEST_F(Reg32vs64Test, ValueInfoAndKinds) {
  const BYTE bytes[5] = {};
  struct Row { const char* name; DWORD type; DWORD cb; TValueKind kind; } rows[] = {
      {"sz", REG_SZ, 4, vkText},       {"exp", REG_EXPAND_SZ, 2, vkExpandText},
      {"dw", REG_DWORD, 4, vkNumber},  {"bin", REG_BINARY, 5, vkBinary},
      {"multi", REG_MULTI_SZ, 2, vkUnknown}, {"none", REG_NONE, 0, vkUnknown},
  };
  for (const Row& row : rows) SetValue("", row.name, row.type, bytes, row.cb);
  TRegistry reg;
  ASSERT_TRUE(reg.OpenKeyReadOnly(Path(), false));
  for (const Row& row : rows) {
    TValueInfo info;
    ASSERT_TRUE(reg.QueryValueInfo(row.name, info)) << row.name;
    EXPECT_EQ(info.Kind, row.kind) << row.name;
    EXPECT_EQ(info.ByteSize, static_cast<int32_t>(row.cb)) << row.name;
  }
  TValueInfo info{vkText, 9};
  EXPECT_FALSE(reg.QueryValueInfo("missing", info));
  EXPECT_EQ(info.Kind, vkUnknown);
  EXPECT_EQ(info.ByteSize, 0);
}

TEST_F(Reg32vs64Test, StoreFetchAndRemove) {
  TRegistry reg;
  ASSERT_TRUE(reg.OpenKey(Path(), false, false));
  reg.StoreData("b", "\x01\x02\x03", vkBinary, 3);
  char buffer[8] = {};
  TValueKind kind = vkUnknown;
  EXPECT_EQ(reg.FetchData("b", buffer, sizeof buffer, kind), 3u);
  EXPECT_EQ(kind, vkBinary);
  EXPECT_THROW(reg.FetchData("b", buffer, 2, kind), ERegistryException) << "too small a buffer";
  EXPECT_TRUE(reg.HasValue("b"));
  EXPECT_TRUE(reg.RemoveValue("b"));
  EXPECT_FALSE(reg.HasValue("b"));
  EXPECT_FALSE(reg.RemoveValue("b"));
}

TEST_F(Reg32vs64Test, WithoutAnOpenKey) {
  TRegistry reg;
  TStringList names;
  names.Add("stale");
  reg.EnumSubKeyNames(names);
  EXPECT_EQ(names.Count(), 0);
  reg.EnumValueNames(names);
  EXPECT_EQ(names.Count(), 0);
  EXPECT_FALSE(reg.HasValue("x"));
  EXPECT_FALSE(reg.RemoveValue("x"));
  try {
    reg.WriteNumber("x", 1);
    FAIL();
  } catch (const ERegistryException& e) {
    EXPECT_STREQ(e.what(), "Failed to set data for 'x'");
  }
  EXPECT_THROW(reg.ReadNumber("x"), ERegistryException);
}

TEST_F(Reg32vs64Test, ListingsInIndexOrderOrSorted) {
  for (const char* sub : {"b", "A", "c"}) MakeKey(std::string("keys\\") + sub);
  for (const char* name : {"b", "A", "c"}) SetValue("keys", name, REG_SZ, "", 1);
  TRegistry reg;
  ASSERT_TRUE(reg.OpenKeyReadOnly(Path("keys"), false));
  TStringList sorted(true);
  reg.EnumSubKeyNames(sorted);
  EXPECT_EQ(sorted.Items(), (std::vector<std::string>{"A", "b", "c"}));
  reg.EnumValueNames(sorted);
  EXPECT_EQ(sorted.Items(), (std::vector<std::string>{"A", "b", "c"}));
  TStringList plain;
  reg.EnumValueNames(plain);
  EXPECT_EQ(plain.Count(), 3);
}

LONG WINAPI EnumKeyFailsAtOne(HKEY key, DWORD index, LPSTR name, LPDWORD cch, LPDWORD r, LPSTR c, LPDWORD cc,
                              PFILETIME t) {
  if (index == 1) return ERROR_MORE_DATA;
  return RegEnumKeyExA(key, index, name, cch, r, c, cc, t);
}

TEST_F(Reg32vs64Test, FailedEnumerationIndexAddsNothing) {
  for (const char* sub : {"k0", "k1", "k2"}) MakeKey(std::string("keys\\") + sub);
  Platform().EnumKeyEx = EnumKeyFailsAtOne;
  TRegistry reg;
  ASSERT_TRUE(reg.OpenKeyReadOnly(Path("keys"), false));
  TStringList names;
  reg.EnumSubKeyNames(names);
  EXPECT_EQ(names.Items(), (std::vector<std::string>{"k0", "k2"}));
}

std::vector<DWORD>& BufferSizes() {
  static std::vector<DWORD> sizes;
  return sizes;
}
LONG WINAPI EnumValueLogged(HKEY key, DWORD index, LPSTR name, LPDWORD cch, LPDWORD r, LPDWORD t, LPBYTE d,
                            LPDWORD cb) {
  BufferSizes().push_back(*cch);
  return RegEnumValueA(key, index, name, cch, r, t, d, cb);
}

TEST_F(Reg32vs64Test, DoubleByteLocaleDoublesTheNameBuffers) {
  SetValue("", "abcde", REG_SZ, "", 1);
  SetValue("", "xy", REG_SZ, "", 1);
  Platform().EnumValue = EnumValueLogged;
  for (bool doubleByte : {false, true}) {
    Platform().DoubleByteNt = doubleByte ? +[] { return true; } : +[] { return false; };
    BufferSizes().clear();
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKeyReadOnly(Path(), false));
    TKeyInfo info;
    ASSERT_TRUE(reg.QueryKeyInfo(info));
    EXPECT_EQ(info.LongestValueName, doubleByte ? 10u : 5u);
    TStringList names;
    reg.EnumValueNames(names);
    EXPECT_EQ(names.Count(), 2);
    EXPECT_EQ(BufferSizes(), (std::vector<DWORD>(2, doubleByte ? 11u : 6u)));
  }
}

}  // namespace
