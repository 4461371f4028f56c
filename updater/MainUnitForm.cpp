// The window description of the updater.
#include "assets/NebrokResources.h"
#include "ui/Application.h"
#include "updater/MainUnit.h"

namespace {

// The window's progress handlers take 32-bit counts; larger bodies stop counting at the top.
int32_t ClampToInt32(int64_t value) { return value > INT32_MAX ? INT32_MAX : static_cast<int32_t>(value); }

template <typename Control>
Control* Place(TMainForm* form, TControl* parent, int left, int top, int width, int height) {
  auto* control = new Control(form);
  control->SetParent(parent);
  control->SetBounds(left, top, width, height);
  return control;
}

}  // namespace

void TMainForm::CreateComponents() {
  SetCaption("Updating");
  Position = poScreenCenter;
  SetBorderStyle(bsSingle, biSystemMenu | biMinimize);
  SetColor(clBtnFace);
  Font().Assign("MS Sans Serif", -11, DEFAULT_CHARSET, clWindowText);
  SetClientSize(426, 246);
  SetIcon(LoadIconA(Application->Instance(), MAKEINTRESOURCEA(IDI_NEBROK)));

  Panel1 = Place<TPanel>(this, this, 8, 8, 115, 229);
  Panel1->BevelOuter = bvLowered;
  Image1 = Place<TImage>(this, Panel1, 1, 1, 113, 227);
  Image1->SetAlign(alClient);
  Image1->LoadBitmap(Application->Instance(), IDB_SIDEPICTURE);

  btn_Update = Place<TBitBtn>(this, this, 216, 208, 97, 30);
  btn_Update->SetCaption("Update");
  btn_Update->OnClick = [this](TObject* sender) { btn_UpdateClick(sender); };
  Btn_Cancel = Place<TBitBtn>(this, this, 320, 208, 97, 30);
  Btn_Cancel->SetCaption("Close");
  Btn_Cancel->OnClick = [this](TObject* sender) { Btn_CancelClick(sender); };

  FileListView = Place<TListView>(this, this, 128, 8, 289, 161);
  FileListView->ReadOnly = true;
  FileListView->RowSelect = true;
  FileListView->AddColumn("File Name", 188);
  FileListView->AddColumn("Downloads", 80, taRightJustify);

  PB_Whole = Place<TGauge>(this, this, 128, 176, 289, 17);
  PB_Whole->ForeColor = 4227072;
  PB_Whole->BackColor = clWhite;

  Bevel1 = Place<TBevel>(this, this, 128, 200, 289, 2);
  Bevel1->Shape = bsTopLine;
  Bevel1->Style = bvLowered;

  IdHTTP1.OnWorkBegin = [this](TWorkMode mode, int64_t max) { IdHTTP1WorkBegin(this, mode, ClampToInt32(max)); };
  IdHTTP1.OnWork = [this](TWorkMode mode, int64_t count) { IdHTTP1Work(this, mode, ClampToInt32(count)); };
  IdHTTP1.OnWorkEnd = [this](TWorkMode mode) { IdHTTP1WorkEnd(this, mode); };

  OnCreate = [this](TObject* sender) { FormCreate(sender); };
  OnDestroy = [this](TObject* sender) { FormDestroy(sender); };
  OnShow = [this](TObject* sender) { FormShow(sender); };
  OnActivate = [this](TObject* sender) { FormActivate(sender); };
  OnClose = [this](TObject* sender, TCloseAction& action) { FormClose(sender, action); };
}
