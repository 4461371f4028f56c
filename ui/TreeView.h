#pragma once
// A tree view whose nodes carry text, image, selected image and the has-children flag. The
// expanding event fires once for every expansion, by the user or by code: the control itself
// notifies a code-driven expansion only the first time.
#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <map>
#include <memory>
#include <string>

#include "ui/Control.h"

class TImageList;
class TTreeView;

class TTreeNode {
public:
  TTreeNode(TTreeView& owner, HTREEITEM handle) : FOwner(owner), FHandle(handle) {}
  HTREEITEM Handle() const { return FHandle; }
  TTreeView& TreeView() const { return FOwner; }

  std::string Text() const;
  void SetText(const std::string& text);
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int index);
  int SelectedIndex() const { return FSelectedIndex; }
  void SetSelectedIndex(int index);
  bool HasChildren() const;
  void SetHasChildren(bool value);

  int Level() const;
  TTreeNode* Parent() const;
  TTreeNode* GetFirstChild() const;
  TTreeNode* GetNextSibling() const;
  int Count() const;
  TTreeNode* Item(int index) const;

  void DeleteChildren();
  void Delete();
  // Raises the tree's expanding event, then expands when it allows.
  void Expand(bool recursive);
  void Collapse();
  bool Expanded() const;
  bool Selected() const;
  void MakeVisible();

private:
  void SetItem(UINT mask, TVITEMA& item);
  TTreeView& FOwner;
  HTREEITEM FHandle;
  int FImageIndex = -1;
  int FSelectedIndex = -1;
};

using TTVChangedEvent = std::function<void(TObject* sender, TTreeNode* node)>;
using TTVExpandingEvent = std::function<void(TObject* sender, TTreeNode* node, bool& allowExpansion)>;

class TTreeView : public TControl {
public:
  explicit TTreeView(TComponent* owner);

  TTreeNode* AddChild(TTreeNode* parent, const std::string& text);
  TTreeNode* FirstNode() const;
  TTreeNode* NodeOf(HTREEITEM item) const;
  TTreeNode* Selected() const;
  void SetSelected(TTreeNode* node);
  TTreeNode* GetNodeAt(int x, int y) const;
  void Clear();
  void BeginUpdate();
  void EndUpdate();
  void SetImages(TImageList* images);
  void SetIndent(int indent);

  // Window settings, read when the window is made.
  bool HotTrack = false;
  bool ShowRoot = true;
  bool ShowButtons = true;
  bool ShowLines = true;
  bool ReadOnly = false;
  bool ToolTips = true;
  bool BorderNone = false;

  TTVChangedEvent OnChange;
  TTVExpandingEvent OnExpanding;

protected:
  void CreateParams(TCreateParams& params) override;
  bool Notify(NMHDR& header, LRESULT& result) override;

private:
  friend class TTreeNode;
  bool CanExpand(TTreeNode* node);
  LRESULT Send(UINT message, WPARAM wParam, LPARAM lParam) const;

  std::map<HTREEITEM, std::unique_ptr<TTreeNode>> FNodes;
  bool FExpandingByCode = false;
  int FUpdates = 0;
};
