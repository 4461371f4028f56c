#pragma once
// A browser window opened by ShowRegForm over a scratch key, with readers of what its tree and
// value list show.
#include <string>
#include <vector>

#include "browser/voRegistryBrowser.h"
#include "tests/registry/RegistryFixture.h"

extern "C" void __stdcall ShowRegForm(const char* viewName);
extern "C" void __stdcall GoToBookmark(const char* keyPath);

struct TShownRow {
  std::string Caption, Type, Data;
  int Image;
  bool operator==(const TShownRow& other) const {
    return Caption == other.Caption && Type == other.Type && Data == other.Data && Image == other.Image;
  }
};
std::ostream& operator<<(std::ostream& out, const TShownRow& row);

class BrowserTest : public ScratchKeyTest {
protected:
  void SetUp() override;
  void TearDown() override;

  // The scratch key's full path as the tree names it, with an optional sub path.
  std::string KeyPath(const std::string& sub = "") const;
  // The node of a full key path, expanding the nodes above it; null when it is missing.
  TTreeNode* Node(const std::string& fullPath);
  std::vector<std::string> ChildTexts(TTreeNode* node);
  std::vector<TShownRow> Rows();
  // The images the control itself holds for a node: normal, selected.
  std::pair<int, int> Images(TTreeNode* node);
  std::string PathLine();

  TfrmTavisk* form_ = nullptr;
};
