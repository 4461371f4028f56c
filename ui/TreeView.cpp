#include "ui/TreeView.h"

#include "rtl/Exceptions.h"
#include "ui/ImgList.h"

std::string TTreeNode::Text() const {
  char buffer[1024] = {};
  TVITEMA item{};
  item.mask = TVIF_TEXT;
  item.hItem = FHandle;
  item.pszText = buffer;
  item.cchTextMax = sizeof buffer;
  FOwner.Send(TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
  return buffer;
}

void TTreeNode::SetItem(UINT mask, TVITEMA& item) {
  item.mask = mask;
  item.hItem = FHandle;
  FOwner.Send(TVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item));
}

void TTreeNode::SetText(const std::string& text) {
  TVITEMA item{};
  item.pszText = const_cast<char*>(text.c_str());
  SetItem(TVIF_TEXT, item);
}

void TTreeNode::SetImageIndex(int index) {
  FImageIndex = index;
  TVITEMA item{};
  item.iImage = index;
  SetItem(TVIF_IMAGE, item);
}

void TTreeNode::SetSelectedIndex(int index) {
  FSelectedIndex = index;
  TVITEMA item{};
  item.iSelectedImage = index;
  SetItem(TVIF_SELECTEDIMAGE, item);
}

bool TTreeNode::HasChildren() const {
  TVITEMA item{};
  item.mask = TVIF_CHILDREN;
  item.hItem = FHandle;
  FOwner.Send(TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
  return item.cChildren != 0;
}

void TTreeNode::SetHasChildren(bool value) {
  TVITEMA item{};
  item.cChildren = value ? 1 : 0;
  SetItem(TVIF_CHILDREN, item);
}

int TTreeNode::Level() const {
  int level = 0;
  for (TTreeNode* node = Parent(); node; node = node->Parent()) ++level;
  return level;
}

TTreeNode* TTreeNode::Parent() const {
  return FOwner.NodeOf(reinterpret_cast<HTREEITEM>(FOwner.Send(TVM_GETNEXTITEM, TVGN_PARENT, reinterpret_cast<LPARAM>(FHandle))));
}

TTreeNode* TTreeNode::GetFirstChild() const {
  return FOwner.NodeOf(reinterpret_cast<HTREEITEM>(FOwner.Send(TVM_GETNEXTITEM, TVGN_CHILD, reinterpret_cast<LPARAM>(FHandle))));
}

TTreeNode* TTreeNode::GetNextSibling() const {
  return FOwner.NodeOf(reinterpret_cast<HTREEITEM>(FOwner.Send(TVM_GETNEXTITEM, TVGN_NEXT, reinterpret_cast<LPARAM>(FHandle))));
}

int TTreeNode::Count() const {
  int count = 0;
  for (TTreeNode* child = GetFirstChild(); child; child = child->GetNextSibling()) ++count;
  return count;
}

TTreeNode* TTreeNode::Item(int index) const {
  TTreeNode* child = GetFirstChild();
  for (int i = 0; child && i < index; ++i) child = child->GetNextSibling();
  if (!child || index < 0) throw Exception(Format("Tree node index out of bounds (%d)", index));
  return child;
}

void TTreeNode::DeleteChildren() {
  while (TTreeNode* child = GetFirstChild()) child->Delete();
}

// The node object goes with its item: TVN_DELETEITEM frees it.
void TTreeNode::Delete() { FOwner.Send(TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(FHandle)); }

void TTreeNode::Expand(bool recursive) {
  if (FOwner.CanExpand(this)) {
    FOwner.FExpandingByCode = true;
    struct Reset {
      bool& flag;
      ~Reset() { flag = false; }
    } reset{FOwner.FExpandingByCode};
    FOwner.Send(TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(FHandle));
  }
  if (!recursive) return;
  for (TTreeNode* child = GetFirstChild(); child; child = child->GetNextSibling()) child->Expand(true);
}

void TTreeNode::Collapse() { FOwner.Send(TVM_EXPAND, TVE_COLLAPSE, reinterpret_cast<LPARAM>(FHandle)); }

bool TTreeNode::Expanded() const {
  return (FOwner.Send(TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(FHandle), TVIS_EXPANDED) & TVIS_EXPANDED) != 0;
}

bool TTreeNode::Selected() const { return FOwner.Selected() == this; }

void TTreeNode::MakeVisible() { FOwner.Send(TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(FHandle)); }

TTreeView::TTreeView(TComponent* owner) : TControl(owner) { SetColor(clWindow); }

void TTreeView::CreateParams(TCreateParams& params) {
  params.ClassName = WC_TREEVIEWA;
  params.SystemClass = true;
  params.Style |= WS_TABSTOP;
  if (ShowButtons) params.Style |= TVS_HASBUTTONS;
  if (ShowLines) params.Style |= TVS_HASLINES;
  if (ShowRoot) params.Style |= TVS_LINESATROOT;
  if (HotTrack) params.Style |= TVS_TRACKSELECT;
  if (!ReadOnly) params.Style |= TVS_EDITLABELS;
  if (!ToolTips) params.Style |= TVS_NOTOOLTIPS;
  if (!BorderNone) params.ExStyle |= WS_EX_CLIENTEDGE;
}

LRESULT TTreeView::Send(UINT message, WPARAM wParam, LPARAM lParam) const {
  return SendMessageA(const_cast<TTreeView*>(this)->Handle(), message, wParam, lParam);
}

TTreeNode* TTreeView::AddChild(TTreeNode* parent, const std::string& text) {
  TVINSERTSTRUCTA insert{};
  insert.hParent = parent ? parent->Handle() : TVI_ROOT;
  insert.hInsertAfter = TVI_LAST;
  insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_CHILDREN;
  insert.item.pszText = const_cast<char*>(text.c_str());
  insert.item.iImage = -1;
  insert.item.iSelectedImage = -1;
  auto item = reinterpret_cast<HTREEITEM>(Send(TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
  if (!item) throw Exception("Error adding a tree node");
  auto& node = FNodes[item];
  node = std::make_unique<TTreeNode>(*this, item);
  return node.get();
}

TTreeNode* TTreeView::FirstNode() const {
  return NodeOf(reinterpret_cast<HTREEITEM>(Send(TVM_GETNEXTITEM, TVGN_ROOT, 0)));
}

TTreeNode* TTreeView::NodeOf(HTREEITEM item) const {
  auto found = FNodes.find(item);
  return found == FNodes.end() ? nullptr : found->second.get();
}

TTreeNode* TTreeView::Selected() const {
  return NodeOf(reinterpret_cast<HTREEITEM>(Send(TVM_GETNEXTITEM, TVGN_CARET, 0)));
}

void TTreeView::SetSelected(TTreeNode* node) {
  Send(TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(node ? node->Handle() : nullptr));
}

TTreeNode* TTreeView::GetNodeAt(int x, int y) const {
  TVHITTESTINFO hit{};
  hit.pt = {x, y};
  auto item = reinterpret_cast<HTREEITEM>(Send(TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
  return (hit.flags & TVHT_ONITEM) ? NodeOf(item) : nullptr;
}

void TTreeView::Clear() { Send(TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT)); }

void TTreeView::BeginUpdate() {
  if (FUpdates++ == 0) Send(WM_SETREDRAW, FALSE, 0);
}

void TTreeView::EndUpdate() {
  if (--FUpdates > 0) return;
  Send(WM_SETREDRAW, TRUE, 0);
  InvalidateRect(Handle(), nullptr, TRUE);
}

void TTreeView::SetImages(TImageList* images) {
  Send(TVM_SETIMAGELIST, TVSIL_NORMAL, reinterpret_cast<LPARAM>(images ? images->Handle() : nullptr));
}

void TTreeView::SetIndent(int indent) { Send(TVM_SETINDENT, static_cast<WPARAM>(indent), 0); }

bool TTreeView::CanExpand(TTreeNode* node) {
  bool allow = true;
  Fire(OnExpanding, this, node, allow);
  return allow;
}

bool TTreeView::Notify(NMHDR& header, LRESULT& result) {
  switch (header.code) {
    case TVN_ITEMEXPANDINGA: {
      auto& view = reinterpret_cast<NMTREEVIEWA&>(header);
      result = FALSE;
      if (FExpandingByCode || !(view.action & TVE_EXPAND)) return true;
      result = CanExpand(NodeOf(view.itemNew.hItem)) ? FALSE : TRUE;
      return true;
    }
    case TVN_SELCHANGEDA: {
      auto& view = reinterpret_cast<NMTREEVIEWA&>(header);
      Fire(OnChange, this, NodeOf(view.itemNew.hItem));
      return true;
    }
    case TVN_DELETEITEMA:
      FNodes.erase(reinterpret_cast<NMTREEVIEWA&>(header).itemOld.hItem);
      return true;
    default:
      return false;
  }
}
