#pragma once
// The registry browser window: a key tree beside the selected key's values.
#include <memory>

#include "registry/voRegPathManager.h"
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

  void FormCreate(TObject* sender);
  void FormShow(TObject* sender);
  void FormClose(TObject* sender, TCloseAction& action);
  void FormDestroy(TObject* sender);
  void mnuExitClick(TObject* sender);
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

  std::unique_ptr<TvoRegPathManager> PathManager;
  bool ModalMode = false;
};

// The most recently created browser window; never cleared.
extern TfrmTavisk* BrowserForm;
