#pragma once
// A list view in report view: columns, rows with caption, sub-items and image.
#include <windows.h>
#include <commctrl.h>

#include <memory>
#include <string>
#include <vector>

#include "ui/Control.h"

class TImageList;
class TListView;

enum TAlignment { taLeftJustify, taRightJustify, taCenter };

// A row; SubItem(0) is the second column.
class TListItem {
public:
  TListItem(TListView& owner, int index) : FOwner(owner), FIndex(index) {}
  int Index() const { return FIndex; }
  std::string Caption() const;
  void SetCaption(const std::string& caption);
  std::string SubItem(int index) const;
  // Rows have as many sub-items as were given; writing past them raises.
  void SetSubItem(int index, const std::string& text);
  void AddSubItem(const std::string& text);
  int SubItemCount() const { return FSubItems; }
  void SetImageIndex(int image);

private:
  TListView& FOwner;
  int FIndex;
  int FSubItems = 0;
};

class TListView : public TControl {
public:
  explicit TListView(TComponent* owner);

  // A width of -1 sizes the column to fill what is left.
  void AddColumn(const std::string& caption, int width, TAlignment alignment = taLeftJustify);
  TListItem& Add();
  TListItem& Item(int index);
  int Count() const { return static_cast<int>(FItems.size()); }
  void Clear();
  void BeginUpdate();
  void EndUpdate();
  // The first selected row, or -1.
  int SelectedIndex();
  void SetSelectedIndex(int index);
  void SetSmallImages(TImageList* images);

  bool ReadOnly = true;
  bool RowSelect = false;
  bool ColumnClick = true;
  bool BorderNone = false;

protected:
  void CreateParams(TCreateParams& params) override;
  void HandleCreated() override;
  LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
  friend class TListItem;
  void SetText(int row, int column, const std::string& text);
  std::string Text(int row, int column);
  void FitAutoColumns();

  std::vector<std::unique_ptr<TListItem>> FItems;
  std::vector<int> FAutoColumns;
  int FColumns = 0;
  int FUpdates = 0;
};
