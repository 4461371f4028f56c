// The key tree: subkeys read on first expansion, the selection driving the path and the value
// list, navigation by key path, and Refresh.
#include <string>
#include <vector>

#include "browser/voRegistryBrowser.h"
#include "registry/Reg32vs64.h"
#include "registry/voRegistry.h"
#include "ui/Screen.h"
#include "ui/UpdateBracket.h"

namespace {

// Puts the default cursor back whichever way an expansion ends.
struct TDefaultCursorOnExit {
  ~TDefaultCursorOnExit() { Screen.SetCursor(crDefault); }
};

std::string AsciiUpper(std::string text) {
  for (char& c : text)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return text;
}

// Every "\" separates two parts, so empty parts are kept.
std::vector<std::string> SplitPath(const std::string& path) {
  std::vector<std::string> parts;
  std::string::size_type start = 0;
  for (;;) {
    std::string::size_type end = path.find('\\', start);
    parts.push_back(AsciiUpper(path.substr(start, end - start)));
    if (end == std::string::npos) return parts;
    start = end + 1;
  }
}

}  // namespace

std::string TfrmTavisk::NodePath(TTreeNode* node) {
  std::string path = node->Text();
  for (; node->Level() > 1; node = node->Parent()) path = node->Parent()->Text() + "\\" + path;
  return path;
}

void TfrmTavisk::tvRegistryExpanding(TObject*, TTreeNode* node, bool&) {
  if (node->Level() == 0) return;
  TDefaultCursorOnExit cursor;
  PathManager->SetPath(NodePath(node));
  if (node->Level() == 1) Screen.SetCursor(crHourGlass);
  if (node->HasChildren() && !node->GetFirstChild()) LoadSubKeys(PathManager->SubPath, node);
}

void TfrmTavisk::LoadSubKeys(const std::string& subPath, TTreeNode* node) {
  TStringList names(true);
  {
    TRegistry registry;
    registry.SetRoot(PathManager->RootKey);
    if (registry.OpenKeyReadOnly(subPath, Use64BitView)) registry.EnumSubKeyNames(names);
  }
  AddKeyNodes(node, names);
}

void TfrmTavisk::AddKeyNodes(TTreeNode* parent, const TStringList& names) {
  TUpdateBracket<TTreeView> bracket(*tvRegistry);
  // NodePath of each child, without asking the control for every ancestor again.
  std::string parentPath = NodePath(parent) + "\\";
  for (const std::string& name : names.Items()) {
    TTreeNode* child = tvRegistry->AddChild(parent, name);
    PathManager->SetPath(parentPath + name);
    MarkKeyNode(child, SubKeyCount(PathManager->RootKey, PathManager->SubPath) > 0);
  }
}

void TfrmTavisk::tvRegistryChange(TObject*, TTreeNode* node) {
  if (!node) return;
  try {
    if (node->Level() > 0) {
      TUpdateBracket<TListView> bracket(*lvRegistry);
      UpdateWindow(tvRegistry->Handle());
      PathManager->SetPath(NodePath(node));
      edRegPath->SetText(PathManager->FullPath);
      LoadValues(PathManager->SubPath);
    } else if (lvRegistry->Count() > 0) {
      TUpdateBracket<TListView> bracket(*lvRegistry);
      lvRegistry->Clear();
    }
    UpdateBookmarkButton(mnuPopBookmark->Tag);
    UpdateWindow(tvRegistry->Handle());
    UpdateWindow(lvRegistry->Handle());
  } catch (...) {
    // A key that cannot be shown leaves the list as far as it got, without a message.
  }
}

void TfrmTavisk::tvRegistryMouseDown(TObject*, TMouseButton button, TShiftState, int x, int y) {
  if (button != mbRight || lvRegistry->SelectedIndex() < 0) return;
  tvRegistry->SetSelected(tvRegistry->GetNodeAt(x, y));
}

bool TfrmTavisk::GoToPath(const std::string& path) {
  std::vector<std::string> parts = SplitPath(path);
  TTreeNode* current = tvRegistry->FirstNode();
  TTreeNode* found = nullptr;
  std::size_t i = 0;
  bool stopped = false;
  while (!stopped && i < parts.size()) {
    current = current->GetFirstChild();
    while (current && AsciiUpper(current->Text()) != parts[i]) current = current->GetNextSibling();
    if (!current) {
      stopped = true;
      continue;
    }
    ++i;
    found = current;
    if (i < parts.size()) found->Expand(false);
  }
  if (found) {
    tvRegistry->SetSelected(found);
    found->MakeVisible();
    PathManager->SetPath(NodePath(found));
  }
  edRegPath->SetText(PathManager->FullPath);
  return !stopped;
}

void TfrmTavisk::ResetRootNode(const std::string& rootName) {
  for (TTreeNode* node = tvRegistry->FirstNode()->GetFirstChild(); node; node = node->GetNextSibling()) {
    if (node->Text() != rootName) continue;
    // The control keeps an emptied node's expanded state; collapse it first.
    node->Collapse();
    node->DeleteChildren();
    node->SetHasChildren(SubKeyCount(RootKeyFromName(rootName), "") > 0);
    return;
  }
}

void TfrmTavisk::mnuRefreshClick(TObject*) {
  TUpdateBracket<TTreeView> bracket(*tvRegistry);
  TTreeNode* selected = tvRegistry->Selected();
  if (selected && selected->Level() > 0) PathManager->SetPath(NodePath(selected));
  // Emptying a root would move a deeper selection onto the root and lose the key to reopen;
  // without a selection the change handler does nothing and the path manager keeps it.
  if (selected && selected->Level() > 1) tvRegistry->SetSelected(nullptr);
  for (TTreeNode* node = tvRegistry->FirstNode()->GetFirstChild(); node; node = node->GetNextSibling()) {
    node->Collapse();
    node->DeleteChildren();
    ResetRootNode(node->Text());
    if (node->Text() == PathManager->RootName && !PathManager->SubPath.empty()) GoToPath(PathManager->FullPath);
  }
}
