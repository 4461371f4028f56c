// The browser window's bookmark commands: adding and removing the current key, the look of the
// two bookmark controls, and opening a bookmark from its menu item.
#include "browser/voRegistryBrowser.h"

#include "bookmarks/voRecentKeys.h"
#include "ui/UpdateBracket.h"

namespace {

constexpr int AddTag = 10, RemoveTag = 11;

struct TBookmarkLook {
  int Glyph;
  const char* Hint;
  int Tag;
  int ImageIndex;
  const char* Caption;
};

constexpr TBookmarkLook AddLook{0, "Add bookmark", AddTag, 10, "&Add bookmark"};
constexpr TBookmarkLook RemoveLook{1, "Remove bookmark", RemoveTag, 11, "&Remove bookmark"};

void ShowLook(TfrmTavisk& form, const TBookmarkLook& look) {
  form.btnBookmark->SetGlyph(form.imButtons->GetBitmap(look.Glyph), 2);
  form.btnBookmark->Hint = look.Hint;
  form.btnBookmark->Tag = look.Tag;
  form.mnuPopBookmark->SetImageIndex(look.ImageIndex);
  form.mnuPopBookmark->SetCaption(look.Caption);
  form.mnuPopBookmark->Tag = look.Tag;
}

}  // namespace

void TfrmTavisk::mnuBookmarkClick(TObject* sender) {
  // The command keeps whatever it got done; nothing is reported.
  try {
    int tag = dynamic_cast<TComponent&>(*sender).Tag;
    RecentKeys->Change(PathManager->FullPath, tag != AddTag);
    UpdateBookmarkButton(tag);
  } catch (...) {
  }
}

void TfrmTavisk::UpdateBookmarkButton(int currentTag) {
  // Without a selection (a right-click on the tree's empty area) there is no key to offer.
  TTreeNode* node = tvRegistry->Selected();
  bool offered = node && node->Level() > 1;
  btnBookmark->SetEnabled(offered);
  mnuPopBookmark->SetEnabled(offered);
  if (!offered) return;
  bool bookmarked = RecentKeys->Contains(PathManager->FullPath);
  if (bookmarked && currentTag == AddTag) ShowLook(*this, RemoveLook);
  if (!bookmarked && currentTag == RemoveTag) ShowLook(*this, AddLook);
}

void TfrmTavisk::OpenBookmark(const std::string& path) {
  UpdateWindow(Handle());
  TUpdateBracket<TTreeView> bracket(*tvRegistry);
  // A key that can no longer be reached loses its bookmark.
  bool found = GoToPath(path);
  RecentKeys->Change(path, !found);
}
