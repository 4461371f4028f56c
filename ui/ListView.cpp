#include "ui/ListView.h"

#include "rtl/Exceptions.h"
#include "ui/ImgList.h"

std::string TListItem::Caption() const { return FOwner.Text(FIndex, 0); }

void TListItem::SetCaption(const std::string& caption) { FOwner.SetText(FIndex, 0, caption); }

std::string TListItem::SubItem(int index) const {
  if (index < 0 || index >= FSubItems) throw Exception(Format("List index out of bounds (%d)", index));
  return FOwner.Text(FIndex, index + 1);
}

void TListItem::SetSubItem(int index, const std::string& text) {
  if (index < 0 || index >= FSubItems) throw Exception(Format("List index out of bounds (%d)", index));
  FOwner.SetText(FIndex, index + 1, text);
}

void TListItem::AddSubItem(const std::string& text) {
  ++FSubItems;
  FOwner.SetText(FIndex, FSubItems, text);
}

void TListItem::SetImageIndex(int image) {
  LVITEMA item{};
  item.mask = LVIF_IMAGE;
  item.iItem = FIndex;
  item.iImage = image;
  SendMessageA(FOwner.Handle(), LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item));
}

TListView::TListView(TComponent* owner) : TControl(owner) { SetColor(clWindow); }

void TListView::CreateParams(TCreateParams& params) {
  params.ClassName = WC_LISTVIEWA;
  params.SystemClass = true;
  params.Style |= LVS_REPORT | LVS_SHOWSELALWAYS | WS_TABSTOP;
  if (!ReadOnly) params.Style |= LVS_EDITLABELS;
  if (!ColumnClick) params.Style |= LVS_NOSORTHEADER;
  if (!BorderNone) params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TListView::HandleCreated() {
  if (RowSelect) SendMessageA(Handle(), LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
}

void TListView::AddColumn(const std::string& caption, int width, TAlignment alignment) {
  LVCOLUMNA column{};
  column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
  column.fmt = alignment == taRightJustify ? LVCFMT_RIGHT : alignment == taCenter ? LVCFMT_CENTER : LVCFMT_LEFT;
  column.cx = width < 0 ? 50 : width;
  column.pszText = const_cast<char*>(caption.c_str());
  SendMessageA(Handle(), LVM_INSERTCOLUMNA, FColumns, reinterpret_cast<LPARAM>(&column));
  if (width < 0) FAutoColumns.push_back(FColumns);
  ++FColumns;
  FitAutoColumns();
}

void TListView::FitAutoColumns() {
  for (int column : FAutoColumns) SendMessageA(Handle(), LVM_SETCOLUMNWIDTH, column, LVSCW_AUTOSIZE_USEHEADER);
}

TListItem& TListView::Add() {
  LVITEMA item{};
  item.mask = LVIF_TEXT;
  item.iItem = Count();
  item.pszText = const_cast<char*>("");
  int index = static_cast<int>(SendMessageA(Handle(), LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
  if (index < 0) throw Exception("Error adding a list item");
  FItems.push_back(std::make_unique<TListItem>(*this, index));
  return *FItems.back();
}

TListItem& TListView::Item(int index) {
  if (index < 0 || index >= Count()) throw Exception(Format("List index out of bounds (%d)", index));
  return *FItems[static_cast<size_t>(index)];
}

void TListView::Clear() {
  SendMessageA(Handle(), LVM_DELETEALLITEMS, 0, 0);
  FItems.clear();
}

void TListView::BeginUpdate() {
  if (FUpdates++ == 0) SendMessageA(Handle(), WM_SETREDRAW, FALSE, 0);
}

void TListView::EndUpdate() {
  if (--FUpdates > 0) return;
  SendMessageA(Handle(), WM_SETREDRAW, TRUE, 0);
  FitAutoColumns();
  InvalidateRect(Handle(), nullptr, TRUE);
}

int TListView::SelectedIndex() {
  return static_cast<int>(SendMessageA(Handle(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

void TListView::SetSelectedIndex(int index) {
  LVITEMA item{};
  item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  item.state = 0;
  SendMessageA(Handle(), LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&item));
  if (index < 0) return;
  item.state = LVIS_SELECTED | LVIS_FOCUSED;
  SendMessageA(Handle(), LVM_SETITEMSTATE, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
}

void TListView::SetSmallImages(TImageList* images) {
  SendMessageA(Handle(), LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(images ? images->Handle() : nullptr));
}

void TListView::SetText(int row, int column, const std::string& text) {
  LVITEMA item{};
  item.iSubItem = column;
  item.pszText = const_cast<char*>(text.c_str());
  SendMessageA(Handle(), LVM_SETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

std::string TListView::Text(int row, int column) {
  char buffer[1024] = {};
  LVITEMA item{};
  item.iSubItem = column;
  item.pszText = buffer;
  item.cchTextMax = sizeof buffer;
  SendMessageA(Handle(), LVM_GETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
  return buffer;
}

LRESULT TListView::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = TControl::WndProc(message, wParam, lParam);
  if (message == WM_SIZE && FUpdates == 0) FitAutoColumns();
  return result;
}
