// The read-only opening's chain of masks, against a key whose DACL grants only KEY_QUERY_VALUE.
#include <aclapi.h>

#include "registry/Reg32vs64.h"
#include "tests/registry/RegistryFixture.h"

namespace {

class AccessFallbackTest : public ScratchKeyTest {
protected:
  void SetUp() override {
    ScratchKeyTest::SetUp();
    MakeKey("locked");
    SetDacl(KEY_QUERY_VALUE);
  }
  void TearDown() override {
    SetDacl(KEY_ALL_ACCESS);
    ScratchKeyTest::TearDown();
  }
  // Replaces the key's DACL with one entry for Everyone.
  void SetDacl(DWORD rights) {
    HKEY key;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, Path("locked").c_str(), 0, WRITE_DAC, &key), ERROR_SUCCESS);
    char everyone[SECURITY_MAX_SID_SIZE];
    DWORD cbSid = sizeof everyone;
    ASSERT_TRUE(CreateWellKnownSid(WinWorldSid, nullptr, everyone, &cbSid));
    char aclBuffer[256];
    ACL* acl = reinterpret_cast<ACL*>(aclBuffer);
    ASSERT_TRUE(InitializeAcl(acl, sizeof aclBuffer, ACL_REVISION));
    ASSERT_TRUE(AddAccessAllowedAce(acl, ACL_REVISION, rights, everyone));
    SECURITY_DESCRIPTOR sd;
    InitializeSecurityDescriptor(&sd, SECURITY_DESCRIPTOR_REVISION);
    SetSecurityDescriptorDacl(&sd, TRUE, acl, FALSE);
    ASSERT_EQ(RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, &sd), ERROR_SUCCESS);
    RegCloseKey(key);
  }
};

TEST_F(AccessFallbackTest, TheDaclRefusesKeyRead) {
  HKEY key;
  EXPECT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, Path("locked").c_str(), 0, KEY_READ, &key), ERROR_ACCESS_DENIED);
}

TEST_F(AccessFallbackTest, ReadOnlyOpeningEndsOnQueryValue) {
  for (bool useView : {false, true}) {
    OpenMaskLog::Install();
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKeyReadOnly(Path("locked"), useView));
    uint32_t view = useView ? KEY_WOW64_64KEY : 0;
    EXPECT_EQ(OpenMaskLog::Masks(), (std::vector<REGSAM>{0x20019 | view, 0x20009 | view, 0x1 | view}));
    EXPECT_EQ(reg.AccessMask, 0x1u | view);
    EXPECT_EQ(reg.OpenPath, Path("locked"));
  }
}

TEST_F(AccessFallbackTest, FirstSuccessStopsTheChain) {
  OpenMaskLog::Install();
  TRegistry reg(0x1);
  ASSERT_TRUE(reg.OpenKeyReadOnly(Path(), false));
  EXPECT_EQ(OpenMaskLog::Masks(), (std::vector<REGSAM>{KEY_READ}));
  EXPECT_EQ(reg.AccessMask, static_cast<uint32_t>(KEY_READ)) << "the preset mask is ignored and replaced";
}

TEST_F(AccessFallbackTest, MissingKeyTriesThreeTimesAndKeepsTheOpenKey) {
  TRegistry reg;
  ASSERT_TRUE(reg.OpenKeyReadOnly(Path(), false));
  OpenMaskLog::Install();
  EXPECT_FALSE(reg.OpenKeyReadOnly("missing", false));
  EXPECT_EQ(OpenMaskLog::Masks().size(), 3u);
  EXPECT_EQ(reg.OpenPath, Path());
  EXPECT_EQ(reg.AccessMask, static_cast<uint32_t>(KEY_READ));
}

}  // namespace
