// The window description of the browser window, kept apart from its behaviour.
#include "assets/TaviskResources.h"
#include "browser/voRegistryBrowser.h"
#include "ui/Application.h"

namespace {

const char* const FontFace = "MS Sans Serif";

template <typename Control>
Control* Place(TfrmTavisk* form, const char* name, int left, int top, int width, int height) {
  auto* control = new Control(form);
  control->Name = name;
  control->Font().Assign(FontFace, -11, ANSI_CHARSET, clWindowText);
  control->SetBounds(left, top, width, height);
  return control;
}

TMenuItem* Item(TfrmTavisk* form, TMenuItem& parent, const char* name, const char* caption, int image,
                TNotifyEvent click = nullptr) {
  auto* item = new TMenuItem(form);
  item->Name = name;
  item->SetCaption(caption);
  item->SetImageIndex(image);
  item->OnClick = std::move(click);
  parent.Add(item);
  return item;
}

TSpeedButton* ToolButton(TfrmTavisk* form, const char* name, int left, int width, const char* hint) {
  auto* button = Place<TSpeedButton>(form, name, left, 3, width, 23);
  button->Flat = true;
  button->Hint = hint;
  button->ShowHint = true;
  return button;
}

TBevel* ToolSeparator(TfrmTavisk* form, const char* name, int left) {
  auto* bevel = Place<TBevel>(form, name, left, 5, 2, 19);
  bevel->Shape = bsLeftLine;
  return bevel;
}

}  // namespace

void TfrmTavisk::Describe() {
  HINSTANCE resources = Application->Instance();
  Name = "frmTavisk";
  SetCaption("Registry");
  Font().Assign(FontFace, -11, ANSI_CHARSET, clWindowText);
  Position = poDefaultPosOnly;
  SetWindowState(wsMaximized);
  Constraints.MinWidth = 400;
  Constraints.MinHeight = 250;
  SetColor(clBtnFace);
  SetIcon(static_cast<HICON>(LoadImageA(resources, MAKEINTRESOURCEA(IDI_TAVISK), IMAGE_ICON, 32, 32, 0)));
  SetBounds(409, 175, 840, 573);

  imButtons = new TImageList(this, 32, 16);
  imButtons->Name = "imButtons";
  imButtons->AddStrip(resources, IDB_BUTTONS, clFuchsia);
  imTreeView = new TImageList(this, 16, 16);
  imTreeView->Name = "imTreeView";
  imTreeView->AddStrip(resources, IDB_TREEVIEW, clFuchsia);

  MainMenu = new TMainMenu(this);
  MainMenu->Name = "MainMenu";
  MainMenu->Images = imTreeView;
  TMenuItem& bar = MainMenu->Items();
  mnuRegistry = Item(this, bar, "mnuRegistry", "&File", 0);
  mnuUpdate = Item(this, *mnuRegistry, "mnuUpdate", "&Update", 9, [this](TObject* s) { mnuUpdateClick(s); });
  N1 = Item(this, *mnuRegistry, "N1", "-", -1);
  mnuExit = Item(this, *mnuRegistry, "mnuExit", "E&xit", 8, [this](TObject* s) { mnuExitClick(s); });
  mnuOptions = Item(this, bar, "mnuOptions", "&View", -1);
  mnuRefresh = Item(this, *mnuOptions, "mnuRefresh", "&Refresh", 12, [this](TObject* s) { mnuRefreshClick(s); });
  N2 = Item(this, *mnuOptions, "N2", "-", -1);
  mnuAddGUID = Item(this, *mnuOptions, "mnuAddGUID", "Add &GUID", 15, [this](TObject* s) { mnuAddGUIDClick(s); });
  mnuBookmarks = Item(this, bar, "mnuBookmarks", "&Bookmarks", -1);
  SetMenu(MainMenu);

  tvPopupMenu = new TPopupMenu(this);
  tvPopupMenu->Name = "tvPopupMenu";
  tvPopupMenu->Images = imTreeView;
  mnuPopBookmark = Item(this, tvPopupMenu->Items(), "mnuPopBookmark", "Bookmark", 10,
                        [this](TObject* s) { mnuBookmarkClick(s); });
  mnuPopBookmark->SetEnabled(false);

  SetClientSize(832, 519);

  pnToolbar = Place<TPanel>(this, "pnToolbar", 0, 0, 832, 29);
  pnToolbar->SetAlign(alTop);
  pnToolbar->BevelInner = bvRaised;
  pnToolbar->BevelOuter = bvLowered;
  pnToolbar->SetParent(this);

  btnBookmark = ToolButton(this, "btnBookmark", 4, 22, "Add bookmark");
  btnBookmark->SetEnabled(false);
  btnBookmark->SetGlyph(imButtons->GetBitmap(0), 2);
  btnBookmark->Layout = blGlyphBottom;
  btnBookmark->OnClick = [this](TObject* s) { mnuBookmarkClick(s); };
  btnBookmark->SetParent(pnToolbar);
  btnRefresh = ToolButton(this, "btnRefresh", 28, 23, "Refresh");
  btnRefresh->LoadGlyph(resources, IDB_GLYPH_REFRESH, 1);
  btnRefresh->Layout = blGlyphRight;
  btnRefresh->OnClick = [this](TObject* s) { mnuRefreshClick(s); };
  btnRefresh->SetParent(pnToolbar);
  Bevel1 = ToolSeparator(this, "Bevel1", 54);
  Bevel1->SetParent(pnToolbar);
  btnAddGuid = ToolButton(this, "btnAddGuid", 59, 23, "Add GUID");
  btnAddGuid->Tag = -1;
  btnAddGuid->LoadGlyph(resources, IDB_GLYPH_ADDGUID, 1);
  btnAddGuid->OnClick = [this](TObject* s) { mnuAddGUIDClick(s); };
  btnAddGuid->SetParent(pnToolbar);
  Bevel2 = ToolSeparator(this, "Bevel2", 85);
  Bevel2->Tag = -1;
  Bevel2->SetParent(pnToolbar);
  btnUpdate = ToolButton(this, "btnUpdate", 696, 65, "Update");
  btnUpdate->Tag = -1;
  btnUpdate->SetCaption("Update");
  btnUpdate->SetAnchors(akTop | akRight);
  btnUpdate->LoadGlyph(resources, IDB_GLYPH_UPDATE, 1);
  btnUpdate->OnClick = [this](TObject* s) { mnuUpdateClick(s); };
  btnUpdate->SetParent(pnToolbar);
  btnCancel = ToolButton(this, "btnCancel", 763, 65, "Cancel");
  btnCancel->Tag = -1;
  btnCancel->SetCaption("Cancel");
  btnCancel->LoadGlyph(resources, IDB_GLYPH_CANCEL, 1);
  btnCancel->OnClick = [this](TObject* s) { mnuExitClick(s); };
  btnCancel->SetParent(pnToolbar);
  btnCancel->SetAnchors(akTop | akRight);

  pnRegPath = Place<TPanel>(this, "pnRegPath", 0, 29, 832, 19);
  pnRegPath->SetAlign(alTop);
  pnRegPath->BevelInner = bvLowered;
  pnRegPath->SetParent(this);
  edRegPath = Place<TEdit>(this, "edRegPath", 4, 3, 824, 14);
  edRegPath->BorderNone = true;
  edRegPath->SetColor(clBtnFace);
  edRegPath->Font().Color = clMaroon;
  edRegPath->SetParent(pnRegPath);
  edRegPath->SetMaxLength(255);
  edRegPath->SetAnchors(akLeft | akTop | akRight | akBottom);

  StatusBar = Place<TStatusBar>(this, "StatusBar", 0, 500, 832, 19);
  StatusBar->SetParent(this);

  pnBack = Place<TPanel>(this, "pnBack", 0, 48, 832, 452);
  pnBack->SetAlign(alClient);
  pnBack->BevelInner = bvLowered;
  pnBack->SetParent(this);
  tvRegistry = Place<TTreeView>(this, "tvRegistry", 2, 2, 311, 448);
  tvRegistry->BorderNone = true;
  tvRegistry->HotTrack = true;
  tvRegistry->ReadOnly = true;
  tvRegistry->ShowRoot = false;
  tvRegistry->ToolTips = false;
  tvRegistry->PopupMenu = tvPopupMenu;
  tvRegistry->SetAlign(alLeft);
  tvRegistry->SetParent(pnBack);
  tvRegistry->SetImages(imTreeView);
  tvRegistry->SetIndent(19);
  tvRegistry->OnExpanding = [this](TObject* s, TTreeNode* node, bool& allow) { tvRegistryExpanding(s, node, allow); };
  tvRegistry->OnChange = [this](TObject* s, TTreeNode* node) { tvRegistryChange(s, node); };
  tvRegistry->OnMouseDown = [this](TObject* s, TMouseButton button, TShiftState shift, int x, int y) {
    tvRegistryMouseDown(s, button, shift, x, y);
  };
  Splitter = Place<TSplitter>(this, "Splitter", 313, 2, 5, 448);
  Splitter->Beveled = true;
  Splitter->SetParent(pnBack);
  lvRegistry = Place<TListView>(this, "lvRegistry", 318, 2, 512, 448);
  lvRegistry->BorderNone = true;
  lvRegistry->ColumnClick = false;
  lvRegistry->ReadOnly = true;
  lvRegistry->SetAlign(alClient);
  lvRegistry->SetParent(pnBack);
  lvRegistry->AddColumn("Name", 120);
  lvRegistry->AddColumn("Type", 100);
  lvRegistry->AddColumn("Data", -1);
  lvRegistry->SetSmallImages(imTreeView);

  OnCreate = [this](TObject* s) { FormCreate(s); };
  OnShow = [this](TObject* s) { FormShow(s); };
  OnClose = [this](TObject* s, TCloseAction& action) { FormClose(s, action); };
  OnDestroy = [this](TObject* s) { FormDestroy(s); };
}
