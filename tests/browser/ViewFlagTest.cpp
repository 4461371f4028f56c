// The view flag around ShowRegForm, with the browser linked in: the root marks are always made
// through the 64-bit view, and the flag then follows the argument.
#include <gtest/gtest.h>

#include "browser/voRegistryBrowser.h"
#include "registry/Reg32vs64.h"
#include "registry/voRegistry.h"
#include "tests/registry/RegistryFixture.h"

extern "C" void __stdcall ShowRegForm(const char* viewName);

namespace {

class ViewFlagTest : public ::testing::Test {
protected:
  void SetUp() override { saved_ = Platform(); }
  void TearDown() override {
    Platform() = saved_;
    for (TfrmTavisk* form : forms_) TComponent::Free(form);
  }
  TfrmTavisk* Show(const char* view) {
    ShowRegForm(view);
    if (forms_.empty() || forms_.back() != BrowserForm) forms_.push_back(BrowserForm);
    return BrowserForm;
  }
  RegistryPlatform saved_{};
  std::vector<TfrmTavisk*> forms_;
};

TEST_F(ViewFlagTest, RootMarksUseThe64BitViewWhateverTheArgument) {
  for (const char* view : {"X86", "X64"}) {
    Use64BitView = false;
    OpenMaskLog::Install();
    Show(view);
    EXPECT_EQ(std::string(view) == "X64", Use64BitView) << view;
    // Showing also opens the bookmark key for the menu check marks, with a mask of its own.
    std::vector<REGSAM> marks;
    for (REGSAM mask : OpenMaskLog::Masks())
      if (mask != 0xF013F) marks.push_back(mask);
    ASSERT_EQ(static_cast<size_t>(RootKeyTotal), marks.size()) << view;
    for (REGSAM mask : marks) EXPECT_EQ(static_cast<REGSAM>(KEY_QUERY_VALUE | KEY_WOW64_64KEY), mask) << view;
  }
}

TEST_F(ViewFlagTest, BrowserFormMovesToTheNewestAndAnIgnoredCallChangesNothing) {
  TfrmTavisk* first = Show("X64");
  TfrmTavisk* second = Show("X86");
  ASSERT_NE(nullptr, first);
  EXPECT_NE(first, second);
  EXPECT_TRUE(IsWindow(first->Handle()));
  ShowRegForm("X64 ");
  ShowRegForm(nullptr);
  EXPECT_EQ(second, BrowserForm);
  EXPECT_FALSE(Use64BitView);
}

}  // namespace
