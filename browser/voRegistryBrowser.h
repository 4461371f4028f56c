#pragma once
// The registry browser window: a key tree beside the selected key's values.
#include <windows.h>

#include <memory>
#include <string>

#include "bookmarks/voAlterMenu.h"
#include "bookmarks/voRecentKeys.h"
#include "browser/ValueFormat.h"

#include "registry/voRegPathManager.h"
#include "rtl/StringList.h"
#include "ui/Buttons.h"
#include "ui/ExtCtrls.h"
#include "ui/Form.h"
#include "ui/ImgList.h"
#include "ui/ListView.h"
#include "ui/Menus.h"
#include "ui/StdCtrls.h"
#include "ui/TreeView.h"

class TfrmTavisk : public TForm {
public:
  explicit TfrmTavisk(TComponent* owner);

  void SetModalMode(bool value);
  void MarkKeyNode(TTreeNode* node, bool hasSubKeys);
  const TvoRegPathManager& CurrentPath() const { return *PathManager; }

  // The value list of the key PathManager.RootKey\subPath.
  void LoadValues(const std::string& subPath);
  void ShowValues(const std::string& subPath, TStringList& names);
  void AddModifiedRow(HKEY key);
  static TLocalDateTime FileTimeToDateTime(const FILETIME& fileTime);

  // The key tree, read lazily, and navigation by key path.
  std::string NodePath(TTreeNode* node);
  void LoadSubKeys(const std::string& subPath, TTreeNode* node);
  void AddKeyNodes(TTreeNode* parent, const TStringList& names);
  // True when every component of path names a node.
  bool GoToPath(const std::string& path);
  void ResetRootNode(const std::string& rootName);

  void FormCreate(TObject* sender);
  void FormShow(TObject* sender);
  void FormClose(TObject* sender, TCloseAction& action);
  void FormDestroy(TObject* sender);
  void mnuExitClick(TObject* sender);
  void tvRegistryExpanding(TObject* sender, TTreeNode* node, bool& allowExpansion);
  void tvRegistryChange(TObject* sender, TTreeNode* node);
  void tvRegistryMouseDown(TObject* sender, TMouseButton button, TShiftState shift, int x, int y);
  void mnuRefreshClick(TObject* sender);

  // The bookmark commands: add or remove the current key, the look of the two bookmark
  // controls, and opening a chosen bookmark.
  void mnuBookmarkClick(TObject* sender);
  void UpdateBookmarkButton(int currentTag);
  void OpenBookmark(const std::string& path);

  // Bound to controls that stay hidden on every window; nothing to do.
  void mnuUpdateClick(TObject* sender);
  void mnuAddGUIDClick(TObject* sender);

  TPanel* pnToolbar;
  TSpeedButton* btnBookmark;
  TSpeedButton* btnRefresh;
  TBevel* Bevel1;
  TSpeedButton* btnAddGuid;
  TBevel* Bevel2;
  TSpeedButton* btnUpdate;
  TSpeedButton* btnCancel;
  TPanel* pnRegPath;
  TEdit* edRegPath;
  TPanel* pnBack;
  TTreeView* tvRegistry;
  TSplitter* Splitter;
  TListView* lvRegistry;
  TStatusBar* StatusBar;
  TImageList* imButtons;
  TImageList* imTreeView;
  TMainMenu* MainMenu;
  TMenuItem* mnuRegistry;
  TMenuItem* mnuUpdate;
  TMenuItem* N1;
  TMenuItem* mnuExit;
  TMenuItem* mnuOptions;
  TMenuItem* mnuRefresh;
  TMenuItem* N2;
  TMenuItem* mnuAddGUID;
  TMenuItem* mnuBookmarks;
  TPopupMenu* tvPopupMenu;
  TMenuItem* mnuPopBookmark;

private:
  // The window description: every control, its place, settings and bound handlers.
  void Describe();

  std::unique_ptr<TvoAlterMenu> AlterMenu;
  std::unique_ptr<TvoRecentKeys> RecentKeys;
  std::unique_ptr<TvoRegPathManager> PathManager;
  bool ModalMode = false;
};

// The most recently created browser window; never cleared.
extern TfrmTavisk* BrowserForm;
