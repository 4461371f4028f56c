#include "tests/browser/BrowserFixture.h"

#include <ostream>

std::ostream& operator<<(std::ostream& out, const TShownRow& row) {
  return out << "{" << row.Caption << " | " << row.Type << " | " << row.Data << " | " << row.Image << "}";
}

void BrowserTest::SetUp() {
  ScratchKeyTest::SetUp();
  ShowRegForm("X64");
  form_ = BrowserForm;
  ASSERT_NE(nullptr, form_);
}

void BrowserTest::TearDown() {
  TComponent::Free(form_);
  ScratchKeyTest::TearDown();
}

std::string BrowserTest::KeyPath(const std::string& sub) const { return "HKEY_CURRENT_USER\\" + Path(sub); }

TTreeNode* BrowserTest::Node(const std::string& fullPath) {
  TTreeNode* node = form_->tvRegistry->FirstNode();
  std::string::size_type start = 0;
  for (;;) {
    std::string::size_type end = fullPath.find('\\', start);
    std::string part = fullPath.substr(start, end - start);
    node->Expand(false);
    TTreeNode* child = node->GetFirstChild();
    while (child && child->Text() != part) child = child->GetNextSibling();
    if (!child || end == std::string::npos) return child;
    node = child;
    start = end + 1;
  }
}

std::vector<std::string> BrowserTest::ChildTexts(TTreeNode* node) {
  std::vector<std::string> texts;
  for (TTreeNode* child = node->GetFirstChild(); child; child = child->GetNextSibling()) texts.push_back(child->Text());
  return texts;
}

namespace {
// Long enough for the hexadecimal text of the largest readable value.
std::string ListText(HWND list, int row, int column) {
  std::string text(4096, '\0');
  LVITEMA item{};
  item.iSubItem = column;
  item.pszText = &text[0];
  item.cchTextMax = static_cast<int>(text.size());
  text.resize(static_cast<size_t>(SendMessageA(list, LVM_GETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item))));
  return text;
}
}  // namespace

std::vector<TShownRow> BrowserTest::Rows() {
  std::vector<TShownRow> rows;
  TListView& list = *form_->lvRegistry;
  for (int i = 0; i < list.Count(); ++i) {
    LVITEMA item{};
    item.mask = LVIF_IMAGE;
    item.iItem = i;
    SendMessageA(list.Handle(), LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
    rows.push_back({ListText(list.Handle(), i, 0), ListText(list.Handle(), i, 1), ListText(list.Handle(), i, 2), item.iImage});
  }
  return rows;
}

std::pair<int, int> BrowserTest::Images(TTreeNode* node) {
  TVITEMA item{};
  item.mask = TVIF_IMAGE | TVIF_SELECTEDIMAGE;
  item.hItem = node->Handle();
  SendMessageA(form_->tvRegistry->Handle(), TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
  return {item.iImage, item.iSelectedImage};
}

std::string BrowserTest::PathLine() {
  char text[512] = {};
  GetWindowTextA(form_->edRegPath->Handle(), text, sizeof text);
  return text;
}
