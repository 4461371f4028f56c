#include "browser/voRegistryBrowser.h"

#include "bookmarks/MenuChecks.h"
#include "registry/Reg32vs64.h"
#include "registry/voRegistry.h"
#include "ui/Screen.h"
#include "ui/UpdateBracket.h"

TfrmTavisk* BrowserForm = nullptr;

namespace {

const char* const BookmarksKey = "Software\\Dunmora\\Registry Browser";

}  // namespace

TfrmTavisk::TfrmTavisk(TComponent* owner) : TForm(owner, "TfrmTavisk") {
  Describe();
  DoCreate();
}

void TfrmTavisk::FormCreate(TObject*) {
  Use64BitView = true;
  btnBookmark->Tag = 10;
  mnuPopBookmark->Tag = 10;
  SetModalMode(false);
  pnBack->DoubleBuffered = true;
  pnRegPath->DoubleBuffered = true;
  edRegPath->DoubleBuffered = true;
  AlterMenu = std::make_unique<TvoAlterMenu>(this);
  RecentKeys = std::make_unique<TvoRecentKeys>(mnuBookmarks, "\\Registry Browser", AlterMenu.get());
  RecentKeys->OnOpen = [this](const std::string& path) { OpenBookmark(path); };
  PathManager = std::make_unique<TvoRegPathManager>();
  TUpdateBracket<TTreeView> bracket(*tvRegistry);
  TTreeNode* computer = tvRegistry->AddChild(nullptr, "Computer");
  computer->SetImageIndex(0);
  computer->SetSelectedIndex(0);
  for (const TRootKey& root : RootKeys)
    MarkKeyNode(tvRegistry->AddChild(computer, root.Name), SubKeyCount(root.Key, "") > 0);
  computer->Expand(false);
}

void TfrmTavisk::MarkKeyNode(TTreeNode* node, bool hasSubKeys) {
  if (hasSubKeys) {
    node->SetHasChildren(true);
    node->SetImageIndex(3);
    node->SetSelectedIndex(4);
  } else {
    node->SetImageIndex(1);
    node->SetSelectedIndex(2);
  }
}

void TfrmTavisk::SetModalMode(bool value) {
  ModalMode = value;
  mnuUpdate->SetVisible(ModalMode);
  mnuAddGUID->SetVisible(ModalMode);
  for (TControl* control : pnToolbar->Controls()) control->SetVisible(control->Tag != -1 || ModalMode);
}

void TfrmTavisk::FormShow(TObject*) {
  StoreMenuChecks(mnuBookmarks, BookmarksKey, false);
  SetBounds((Screen.Width() - Width()) / 2, (Screen.Height() - Height()) / 2, Width(), Height());
  btnCancel->SetLeft(pnToolbar->Width() - btnCancel->Width() - 3);
  btnUpdate->SetLeft(btnCancel->Left() - btnUpdate->Width() - 3);
  edRegPath->SetWidth(pnRegPath->Width() - 8);
}

// The close action stays at the default for a window without owner: hide.
void TfrmTavisk::FormClose(TObject*, TCloseAction&) { StoreMenuChecks(mnuBookmarks, BookmarksKey, true); }

// The store saves the bookmarks once more on its way out.
void TfrmTavisk::FormDestroy(TObject*) {
  AlterMenu.reset();
  RecentKeys.reset();
  PathManager.reset();
}

void TfrmTavisk::mnuExitClick(TObject*) { Close(); }

void TfrmTavisk::mnuUpdateClick(TObject*) {}

void TfrmTavisk::mnuAddGUIDClick(TObject*) {}
